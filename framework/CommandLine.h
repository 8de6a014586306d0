// The command-line object that CWinApp::ParseCommandLine feeds.
#pragma once

class CCommandLineInfo {
public:
    virtual ~CCommandLineInfo() {}
    // Called once per argument. isFlag: the argument began with '-' or '/',
    // and text is what follows that one character.
    virtual void ParseParam(const char* text, bool isFlag, bool isLast) = 0;
};

// Visits arguments 1 to argc - 1 (argument 0 is the program's own path).
void DispatchArguments(CCommandLineInfo& info, int argc, char** argv);
