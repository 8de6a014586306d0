// Message boxes that the code under test shows, seen from a watcher
// thread: each box of this process is recorded (title and text) and its OK
// button pressed, so that the call that showed it returns.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
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
    std::vector<ShownBox> Boxes();

private:
    void Watch();
    static BOOL CALLBACK Visit(HWND window, LPARAM watcher);

    std::atomic<bool> stopping;
    std::mutex lock;
    std::vector<ShownBox> boxes;
    std::vector<HWND> pressed;
    std::thread thread;
};
