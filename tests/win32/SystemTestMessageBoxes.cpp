#include "SystemTestMessageBoxes.h"

#include <algorithm>

namespace {

// The static control that holds a message box's text.
const int messageBoxTextId = 0xFFFF;

std::string WindowText(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}

MessageBoxWatcher* MessageBoxWatcher::current = nullptr;

MessageBoxWatcher::MessageBoxWatcher() : hook(SetWindowsHookExA(WH_CBT, Hook, NULL, GetCurrentThreadId()))
{
    current = this;
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    UnhookWindowsHookEx(hook);
    current = nullptr;
}

LRESULT CALLBACK MessageBoxWatcher::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = (HWND)wParam;
    char className[64] = "";
    if (code == HCBT_ACTIVATE && current && GetClassNameA(window, className, sizeof className)
        && strcmp(className, "#32770") == 0
        && std::find(current->pressed.begin(), current->pressed.end(), window) == current->pressed.end()) {
        HWND text = GetDlgItem(window, messageBoxTextId);
        current->boxes.push_back({WindowText(window), text ? WindowText(text) : std::string()});
        current->pressed.push_back(window);
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(window, IDOK));
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}
