#include "SuiteListener.h"

#include "SampleLog.h"
#include "SuiteSignals.h"

SuiteListener::SuiteListener(Handler handler)
    : handler(handler), suiteMessage(RegisterWindowMessageA(SUITE_MESSAGE_NAME)), window(NULL)
{
}

SuiteListener::~SuiteListener()
{
    if (window)
        DestroyWindow(window);
}

bool SuiteListener::Create(const char* className)
{
    WNDCLASSA windowClass;
    ZeroMemory(&windowClass, sizeof windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    window = CreateWindowA(className, className, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, NULL, NULL,
                           windowClass.hInstance, this);
    return window != NULL;
}

void SuiteListener::Run()
{
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
}

void SuiteListener::Close()
{
    if (window)
        PostMessageA(window, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK SuiteListener::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        CREATESTRUCTA* create = (CREATESTRUCTA*)lParam;
        SetWindowLongA(window, GWL_USERDATA, (LONG)create->lpCreateParams);
    }
    SuiteListener* self = (SuiteListener*)GetWindowLongA(window, GWL_USERDATA);
    if (self && message == self->suiteMessage && message != 0) {
        if (!self->handler(wParam))
            DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY && self) {
        self->window = NULL;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool LogSuiteMessage(const char* program, WPARAM wParam)
{
    LogEvent(program, "broadcast %u", (unsigned)wParam);
    return wParam != 2;
}
