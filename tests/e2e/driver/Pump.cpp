#include "Pump.h"

#include "Transcript.h"
#include "WindowHandling.h"

#include <algorithm>

namespace {

// Every wait ends after ten minutes: under emulation a program takes seconds
// to start, but none of the scenarios' takes minutes.
const DWORD waitLimitMs = 600000;

BOOL CALLBACK CollectWindow(HWND window, LPARAM list)
{
    ((std::vector<HWND>*)list)->push_back(window);
    return TRUE;
}

// Visible top-level windows of other processes that are not handled yet.
std::vector<HWND> NewWindows(Driver& driver)
{
    std::vector<HWND> all;
    EnumWindows(CollectWindow, (LPARAM)&all);
    std::vector<HWND> found;
    for (HWND window : all) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid == GetCurrentProcessId() || !IsWindowVisible(window))
            continue;
        if (std::find(driver.handledWindows.begin(), driver.handledWindows.end(), window) !=
            driver.handledWindows.end())
            continue;
        found.push_back(window);
    }
    return found;
}

void DispatchOwnMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

}

void IgnoreExistingWindows(Driver& driver)
{
    for (HWND window : NewWindows(driver))
        driver.handledWindows.push_back(window);
}

bool WaitUntil(Driver& driver, Condition condition, void* context, const std::string& waitingFor)
{
    DWORD start = GetTickCount();
    for (;;) {
        DispatchOwnMessages();
        for (HWND window : NewWindows(driver)) {
            driver.handledWindows.push_back(window);
            HandleWindow(driver, window);
        }
        if (condition(driver, context))
            return true;
        if (GetTickCount() - start > waitLimitMs) {
            Write(Record("timeout").Text("waiting-for", waitingFor));
            return false;
        }
        MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_ALLINPUT);
    }
}
