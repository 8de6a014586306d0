// Message boxes that the code under test shows on the test's thread: each
// one is recorded (title and text) and its OK button pressed as soon as it
// is activated, so that the call that showed it returns. A hook on the
// thread does it, not a second thread: new threads now and then crash
// Wine under qemu's emulation.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ShownBox {
    std::string title;
    std::string text;
};

class MessageBoxWatcher {
public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();

    // The boxes pressed so far, in the order they appeared.
    const std::vector<ShownBox>& Boxes() const { return boxes; }

private:
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    static MessageBoxWatcher* current;
    HHOOK hook;
    std::vector<ShownBox> boxes;
    std::vector<HWND> pressed;
};
