// The application base. The one application object is a static object of a
// class derived from CWinApp; the entry point runs its start-up hook and,
// only when that returns true, a message loop; then its exit hook, whose
// result is the process's exit status.
#pragma once

#include "CommandLine.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    virtual bool InitInstance();
    // Returns the exit status: exitCode unless a derived class says otherwise.
    virtual int ExitInstance();

    // Feeds the process's arguments, as the C runtime split them (blanks
    // separate, double quotes group), to info.
    void ParseCommandLine(CCommandLineInfo& info);

protected:
    int exitCode;
};

// The running application object (null before it is constructed).
CWinApp* AfxGetApp();
// The executable's file name without its extension: the title of every
// message box.
const char* AppName();
