// A hidden top-level window that receives the product's broadcast message.
// Broadcasts reach hidden windows too, but not message-only ones, so the
// window is an ordinary one that is never shown.
#pragma once

#include <windows.h>

class SuiteListener {
public:
    // Called with each wParam of the suite message; false closes the window.
    typedef bool (*Handler)(WPARAM wParam);

    explicit SuiteListener(Handler handler);
    ~SuiteListener();

    // Creates the window on the calling thread; false when that fails.
    bool Create(const char* className);
    // Runs the calling thread's message loop until the window is closed.
    void Run();
    // Closes the window from any thread.
    void Close();
    HWND Window() const { return window; }

private:
    SuiteListener(const SuiteListener&);
    SuiteListener& operator=(const SuiteListener&);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Handler handler;
    UINT suiteMessage;
    HWND window;
};

// The handling of the product's programs: the message goes into the log as
// "broadcast <wParam>", and wParam 2 ends the program (false).
bool LogSuiteMessage(const char* program, WPARAM wParam);
