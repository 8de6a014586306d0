// wait-log <program> <text>   waits for a line of the sample log: of that
//                             program, its event starting with text. The
//                             n-th wait for the same line needs n of them.
#include "Driver.h"

#include "Pump.h"
#include "SampleLog.h"
#include "Transcript.h"

#include <sstream>

namespace {

struct LogWait {
    std::string program;
    std::string text;
    int needed;
    std::string line;  // the needed-th matching line, once found
};

// The programs hold the log only for a moment while they append; a read
// that meets one of them is simply tried again.
std::string ReadLog()
{
    HANDLE file = CreateFileA(sampleLogPath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string text;
    char buffer[4096];
    DWORD got;
    while (ReadFile(file, buffer, sizeof buffer, &got, NULL) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

bool LogHasLine(Driver&, void* context)
{
    LogWait& wait = *(LogWait*)context;
    std::istringstream lines(ReadLog());
    std::string line;
    int found = 0;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string tick, program;
        fields >> tick >> program;
        std::string event;
        std::getline(fields >> std::ws, event);
        if (!event.empty() && event.back() == '\r')
            event.pop_back();
        if (program == wait.program && event.compare(0, wait.text.size(), wait.text) == 0 &&
            ++found == wait.needed) {
            wait.line = line;
            return true;
        }
    }
    return false;
}

}

bool WaitLog(Driver& driver, const Words& line)
{
    LogWait wait = {line.words[1], line.rest[1], 0, ""};
    wait.needed = ++driver.logMatches[wait.program + " " + wait.text];
    if (!WaitUntil(driver, LogHasLine, &wait, "log line: " + wait.program + " " + wait.text))
        return false;
    if (!wait.line.empty() && wait.line.back() == '\r')
        wait.line.pop_back();
    Write(Record("log").Text("line", wait.line));
    return true;
}
