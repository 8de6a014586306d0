#include "InstallerApp.h"

#include "InstallerCommandLine.h"
#include "Registry.h"
#include "ServerService.h"
#include "TempDir.h"

#include <windows.h>

namespace {

const char* const suiteMessageName = "MailWardenSuiteMsg";
const char* const runningMutexName = "MailWardenIsRunning";

void BroadcastSuiteMessage(WPARAM wParam)
{
    UINT message = RegisterWindowMessageA(suiteMessageName);
    PostMessageA(HWND_BROADCAST, message, wParam, 0);
}

// The Windows directory is read into a MAX_PATH buffer, so a long one still
// gives its drive; TempDirFor copes with one that cannot be read.
CString ReadWindowsDirectory()
{
    char buffer[MAX_PATH];
    UINT n = GetWindowsDirectoryA(buffer, sizeof buffer);
    if (n == 0 || n >= sizeof buffer)
        return CString();
    return CString(buffer, (int)n);
}

}

InstallerApp::InstallerApp()
    : autostartRegistered(0), isNT(0), silent(false), keepTemp(false), setupCompleted(false),
      promptCancelled(false)
{
}

InstallerApp::~InstallerApp() {}

bool InstallerApp::InitInstance()
{
    // 1. Command line.
    InstallerCommandLine commandLine;
    ParseCommandLine(commandLine);
    silent = commandLine.silent;
    keepTemp = commandLine.keepTemp;

    // 2. Temporary folder; one left by an earlier run is reused.
    tempDir = TempDirFor(ReadWindowsDirectory());
    CreateDirectoryA(tempDir, NULL);

    // 3. Detection: a readable "Program" value, whatever its text.
    CString installFolder;
    bool registered = ReadMachineString(PRODUCT_KEY, "Program", installFolder);

    // 4.
    int route = ROUTE_SETUP;

    // 5. An unattended run gives the product's programs time to settle.
    if (silent)
        Sleep(2000);

    // 6. First broadcast.
    BroadcastSuiteMessage(1);

    // 7. Running-product probe: the mutex exists while a program of the
    // product runs.
    HANDLE mutex = CreateMutexA(NULL, TRUE, runningMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        StopServerService();
        BroadcastSuiteMessage(2);
        Sleep(5000);
    }

    // 8.
    if (mutex)
        CloseHandle(mutex);

    // 9. Route choice.
    if (registered)
        route = RunUpgrade(installFolder);

    // 10.
    if (route == ROUTE_SETUP)
        RunSetup();

    // 11. No message loop: the process ends.
    exitCode = ExitStatusOf(route);
    return false;
}

int InstallerApp::ExitStatusOf(int route) const
{
    if (route == ROUTE_DONE)
        return 0;
    if (route == ROUTE_SETUP)
        return setupCompleted ? 0 : 2;
    return promptCancelled ? 1 : 2;
}
