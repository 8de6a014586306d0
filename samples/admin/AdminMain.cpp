// The sample administration program: it runs until the product's programs
// are asked to end (wParam 2 of the suite message). It does not hold the
// product's mutex: only the server does.
#include "SampleLog.h"
#include "SuiteListener.h"

#include <windows.h>

namespace {

const char* const logName = "admin";

bool OnSuiteMessage(WPARAM wParam) { return LogSuiteMessage(logName, wParam); }

}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    SuiteListener listener(OnSuiteMessage);
    if (!listener.Create("MailWardenAdmin"))
        return 1;
    LogStarted(logName, "");
    listener.Run();
    LogEvent(logName, "stopped");
    return 0;
}
