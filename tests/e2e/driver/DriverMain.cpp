// The end-to-end test driver: runs one scenario inside Wine and writes its
// transcript. A scenario is a text file, one command a line, blank lines
// and lines starting with # ignored; each command file says what its
// commands take.
//
//   driver <scenario file> <transcript file>
//
// Exit status: 0 when every command ran, 1 when one failed (the transcript
// says which and why), 2 on wrong arguments.
#include "Driver.h"

#include "Pump.h"
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
    {"listen", 0, Listen},
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
    Driver driver;
    IgnoreExistingWindows(driver);
    Write(Record("begin"));
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
