// run <program> [arguments]             starts it and waits for its end
// run-background <program> [arguments]  starts it and goes on
#include "Driver.h"

#include "Pump.h"
#include "Transcript.h"

namespace {

std::string BaseName(const std::string& path)
{
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The arguments are passed on as written in the scenario. The process's
// handle, or null when it cannot be started.
HANDLE Start(Driver& driver, const Words& line)
{
    std::string program = line.words[1];
    std::string commandLine = "\"" + program + "\"";
    if (line.words.size() > 2)
        commandLine += " " + line.rest[1];
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info;
    std::string name = BaseName(program);
    Record started("started");
    started.Text("program", name).Text("command-line", commandLine);
    if (!CreateProcessA(NULL, &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &info)) {
        Write(Record("error").Text("cannot-start", commandLine).Number("code", GetLastError()));
        return NULL;
    }
    CloseHandle(info.hThread);
    driver.processNames[info.dwProcessId] = name;
    Write(started.Number("pid", info.dwProcessId));
    return info.hProcess;
}

bool HasExited(Driver&, void* process) { return WaitForSingleObject((HANDLE)process, 0) == WAIT_OBJECT_0; }

}

bool Run(Driver& driver, const Words& line)
{
    HANDLE process = Start(driver, line);
    if (!process)
        return false;
    std::string name = BaseName(line.words[1]);
    bool exited = WaitUntil(driver, HasExited, process, "exit of " + name);
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    if (exited)
        Write(Record("exited").Text("program", name).Number("code", code));
    return exited;
}

// The program runs on when the scenario ends: the session ends it.
bool RunBackground(Driver& driver, const Words& line)
{
    HANDLE process = Start(driver, line);
    if (process)
        CloseHandle(process);
    return process != NULL;
}
