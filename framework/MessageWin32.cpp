#include "Message.h"

#include "App.h"
#include "String.h"

#include <windows.h>

void ShowMessage(unsigned textId, ...)
{
    CString format, text;
    format.LoadText(textId);
    va_list args;
    va_start(args, textId);
    text.FormatV(format, args);
    va_end(args);
    MessageBoxA(NULL, text, AppName(), MB_OK | MB_ICONEXCLAMATION);
}
