#include "Message.h"

#include "String.h"

void ShowMessage(unsigned textId, ...)
{
    CString format, text;
    format.LoadText(textId);
    va_list args;
    va_start(args, textId);
    text.FormatV(format, args);
    va_end(args);
    ShowMessageText(text);
}
