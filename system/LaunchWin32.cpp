#include "Launch.h"

#include "Handles.h"
#include "Message.h"
#include "Texts.h"

#include <shellapi.h>

int LaunchProgram(const char* file, const char* parameters, bool wait)
{
    bool hasParameters = parameters && parameters[0];
    if (hasParameters && !file[0]) {
        file = parameters;
        hasParameters = false;
    }

    SHELLEXECUTEINFOA info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = "open";
    info.lpFile = file;
    info.lpParameters = hasParameters ? parameters : NULL;
    info.nShow = SW_SHOWNORMAL;

    int result = 0;
    if (ShellExecuteExA(&info)) {
        ProcessHandle process(info.hProcess);
        result = 1;
        // Without a process of its own (the document went to a program that
        // was already running) the wait fails at once and counts as success.
        if (wait && WaitForSingleObject(process, INFINITE) != WAIT_FAILED) {
            DWORD exitCode;
            result = GetExitCodeProcess(process, &exitCode) ? 1 : 0;
        }
    }
    if (!result)
        ShowMessage(IDS_LAUNCH_FAILED, file, hasParameters ? parameters : "");
    return result;
}
