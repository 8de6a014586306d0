#include "ProgressLine.h"

#include <cstdio>
#include <unistd.h>

ProgressLine::ProgressLine() : enabled(isatty(2) != 0) {}

ProgressLine::~ProgressLine()
{
    if (shown)
        std::fprintf(stderr, "\r\033[K");
}

void ProgressLine::Show(const std::string& text)
{
    auto now = std::chrono::steady_clock::now();
    // A few redraws a second are enough to see it move.
    if (!enabled || (shown && now - last < std::chrono::milliseconds(200)))
        return;
    std::fprintf(stderr, "\r\033[K%s", text.c_str());
    std::fflush(stderr);
    shown = true;
    last = now;
}
