// The driver's state between the steps of a scenario, and its commands.
#pragma once

#include "Words.h"

#include <map>
#include <string>
#include <vector>
#include <windows.h>

// What to do with a window that appears: the first unused rule whose match
// is part of the window's title or of one of its controls' texts is taken.
struct WindowAction {
    std::string verb;  // press, select (control ids), esc, close
    int control;
};

struct WindowRule {
    std::string match;
    std::vector<WindowAction> actions;
    bool used;
};

struct Driver {
    std::vector<WindowRule> rules;
    // The base names of the programs the driver started, by process id.
    std::map<DWORD, std::string> processNames;
    // Windows already recorded, and those that were there before the run.
    std::vector<HWND> handledWindows;
    // Lines of the sample log found by earlier waits, by program and text.
    std::map<std::string, int> logMatches;
};

// A command's result: false ends the scenario (the reason is recorded).
typedef bool (*CommandFunction)(Driver& driver, const Words& line);

struct Command {
    const char* name;
    int minimumArguments;
    CommandFunction run;
};

bool RegSet(Driver&, const Words&);
bool RegDelete(Driver&, const Words&);
bool RegDump(Driver&, const Words&);
bool ListFolder(Driver&, const Words&);
bool Run(Driver&, const Words&);
bool RunBackground(Driver&, const Words&);
bool WaitLog(Driver&, const Words&);
bool OnWindow(Driver&, const Words&);
bool ServiceInstall(Driver&, const Words&);
bool ServiceStart(Driver&, const Words&);
bool ServiceQuery(Driver&, const Words&);
bool WriteFileCommand(Driver&, const Words&);
bool DeleteFileCommand(Driver&, const Words&);
bool HoldFile(Driver&, const Words&);
bool ReleaseFile(Driver&, const Words&);
bool FileInfo(Driver&, const Words&);
bool Processes(Driver&, const Words&);
bool ServiceDelete(Driver&, const Words&);
