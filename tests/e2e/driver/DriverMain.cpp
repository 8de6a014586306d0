// The end-to-end test driver: runs one scenario inside Wine and writes its
// transcript. A scenario is a text file, one command a line, blank lines
// and lines starting with # ignored; each command file says what its
// commands take.
//
//   driver <scenario file> <transcript file>
//
// The driver hears every broadcast of the suite message, from its start.
//
// Exit status: 0 when every command ran, 1 when one failed (the transcript
// says which and why), 2 on wrong arguments, 3 when Wine's desktop did not
// come up, so that no window could be created.
#include "Driver.h"

#include "Pump.h"
#include "SuiteListener.h"
#include "Transcript.h"

#include <cstdio>
#include <fstream>

namespace {

const Command commands[] = {
    {"reg-set", 3, RegSet},
    {"reg-delete", 1, RegDelete},
    {"reg-dump", 1, RegDump},
    {"dir", 1, ListFolder},
    {"run", 1, Run},
    {"run-background", 1, RunBackground},
    {"wait-log", 2, WaitLog},
    {"on-window", 2, OnWindow},
    {"service-install", 2, ServiceInstall},
    {"service-start", 1, ServiceStart},
    {"service-query", 1, ServiceQuery},
    {"write-file", 1, WriteFileCommand},
    {"delete-file", 1, DeleteFileCommand},
    {"hold-file", 1, HoldFile},
    {"release-file", 1, ReleaseFile},
    {"file-info", 1, FileInfo},
    {"processes", 0, Processes},
    {"service-delete", 1, ServiceDelete},
};

bool OnBroadcast(WPARAM wParam)
{
    Write(Record("broadcast").Number("wParam", (long long)wParam));
    return true;
}

// The listener's window is the session's first: it waits for Wine's desktop
// process, which under emulation can take longer to come up than Wine waits
// for it; a later attempt then finds it. Some sessions never get one.
bool StartListening(SuiteListener& listener)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (listener.Create("E2eDriverListener"))
            return true;
        Sleep(3000);
    }
    return false;
}

bool RunLine(Driver& driver, int number, const std::string& text)
{
    Words line = SplitWords(text);
    if (line.words.empty() || line.words[0][0] == '#')
        return true;
    Write(Record("step").Number("line", number).Text("text", text));
    for (const Command& command : commands) {
        if (line.words[0] != command.name)
            continue;
        if ((int)line.words.size() - 1 < command.minimumArguments) {
            Write(Record("error").Text("too-few-arguments", command.name));
            return false;
        }
        return command.run(driver, line);
    }
    Write(Record("error").Text("unknown-command", line.words[0]));
    return false;
}

}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: driver SCENARIO TRANSCRIPT\n");
        return 2;
    }
    std::ifstream scenario(argv[1]);
    if (!scenario || !OpenTranscript(argv[2])) {
        std::fprintf(stderr, "driver: cannot read %s or write %s\n", argv[1], argv[2]);
        return 2;
    }
    Write(Record("begin"));
    SuiteListener listener(OnBroadcast);
    if (!StartListening(listener)) {
        Write(Record("error").Text("no-desktop", "no window can be created").Number("code", GetLastError()));
        return 3;
    }
    Driver driver;
    IgnoreExistingWindows(driver);
    std::string text;
    for (int number = 1; std::getline(scenario, text); ++number) {
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        if (!RunLine(driver, number, text))
            return 1;
    }
    Write(Record("end"));
    return 0;
}
