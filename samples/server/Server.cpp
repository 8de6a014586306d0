#include "Server.h"

#include "SampleLog.h"
#include "SuiteListener.h"
#include "SuiteSignals.h"

const char* const serverLogName = "server";

namespace {

bool OnSuiteMessage(WPARAM wParam) { return LogSuiteMessage(serverLogName, wParam); }

SuiteListener listener(OnSuiteMessage);

}

void RunServer(const char* mode)
{
    HANDLE mutex = CreateMutexA(NULL, FALSE, RUNNING_MUTEX_NAME);
    // Logged only once the mutex and the window exist, so that a test that
    // waits for this line finds the server ready for an installer run.
    if (listener.Create("MailWardenServer")) {
        LogStarted(serverLogName, mode);
        listener.Run();
    }
    LogEvent(serverLogName, "stopped %s", mode);
    if (mutex)
        CloseHandle(mutex);
}

void StopServer() { listener.Close(); }
