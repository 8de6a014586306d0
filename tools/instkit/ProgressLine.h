// A progress line on standard error, redrawn in place, only when standard
// error is a terminal; it is wiped when the work ends.
#pragma once

#include <chrono>
#include <string>

class ProgressLine {
public:
    ProgressLine();
    ~ProgressLine();
    void Show(const std::string& text);

private:
    bool enabled;
    bool shown = false;
    std::chrono::steady_clock::time_point last;
};
