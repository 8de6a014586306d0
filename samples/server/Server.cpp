#include "Server.h"

#include "SampleLog.h"
#include "SuiteListener.h"
#include "SuiteSignals.h"

const char* const serverLogName = "server";

namespace {

bool OnSuiteMessage(WPARAM wParam)
{
    LogEvent(serverLogName, "broadcast %u", (unsigned)wParam);
    return wParam != 2;
}

SuiteListener listener(OnSuiteMessage);

}

void RunServer(const char* mode)
{
    HANDLE mutex = CreateMutexA(NULL, FALSE, RUNNING_MUTEX_NAME);
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, sizeof path);
    // Logged only once the mutex and the window exist, so that a test that
    // waits for this line finds the server ready for an installer run.
    if (listener.Create("MailWardenServer")) {
        LogEvent(serverLogName, "started %s %s", mode, path);
        listener.Run();
    }
    LogEvent(serverLogName, "stopped %s", mode);
    if (mutex)
        CloseHandle(mutex);
}

void StopServer() { listener.Close(); }
