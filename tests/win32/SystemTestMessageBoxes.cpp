#include "SystemTestMessageBoxes.h"

#include <algorithm>

namespace {

// The static control that holds a message box's text.
const int messageBoxTextId = 0xFFFF;

std::string WindowText(HWND window)
{
    char text[1024];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}

MessageBoxWatcher::MessageBoxWatcher() : stopping(false), thread(&MessageBoxWatcher::Watch, this) {}

MessageBoxWatcher::~MessageBoxWatcher()
{
    stopping = true;
    thread.join();
}

std::vector<ShownBox> MessageBoxWatcher::Boxes()
{
    std::lock_guard<std::mutex> guard(lock);
    return boxes;
}

void MessageBoxWatcher::Watch()
{
    while (!stopping) {
        EnumWindows(Visit, (LPARAM)this);
        Sleep(100);
    }
}

BOOL CALLBACK MessageBoxWatcher::Visit(HWND window, LPARAM parameter)
{
    MessageBoxWatcher* watcher = (MessageBoxWatcher*)parameter;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64];
    GetClassNameA(window, className, sizeof className);
    if (process != GetCurrentProcessId() || strcmp(className, "#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    std::lock_guard<std::mutex> guard(watcher->lock);
    if (std::find(watcher->pressed.begin(), watcher->pressed.end(), window) != watcher->pressed.end())
        return TRUE;
    HWND text = GetDlgItem(window, messageBoxTextId);
    watcher->boxes.push_back({WindowText(window), text ? WindowText(text) : std::string()});
    watcher->pressed.push_back(window);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(window, IDOK));
    return TRUE;
}
