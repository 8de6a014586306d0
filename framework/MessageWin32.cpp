#include "Message.h"

#include "App.h"

#include <windows.h>

void ShowMessageText(const char* text)
{
    MessageBoxA(NULL, text, AppName(), MB_OK | MB_ICONEXCLAMATION);
}
