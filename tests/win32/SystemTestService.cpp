// Test helper: a real Windows service under the server's service name.
// It reports running, and on a stop request reports a pending stop and
// takes a few seconds before it reports stopped, so that a caller that
// does not wait for the stopped state is caught.
#include <windows.h>

namespace {

const DWORD stopMilliseconds = 3000;

SERVICE_STATUS_HANDLE statusHandle;
SERVICE_STATUS status;
HANDLE stopRequested;

void Report(DWORD state)
{
    status.dwCurrentState = state;
    SetServiceStatus(statusHandle, &status);
}

void WINAPI Control(DWORD control)
{
    if (control == SERVICE_CONTROL_STOP && status.dwCurrentState == SERVICE_RUNNING) {
        Report(SERVICE_STOP_PENDING);
        SetEvent(stopRequested);
    } else {
        Report(status.dwCurrentState);
    }
}

void WINAPI ServiceMain(DWORD, LPSTR*)
{
    statusHandle = RegisterServiceCtrlHandlerA("MailWarden", Control);
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwControlsAccepted = SERVICE_ACCEPT_STOP;
    Report(SERVICE_RUNNING);
    WaitForSingleObject(stopRequested, INFINITE);
    Sleep(stopMilliseconds);
    Report(SERVICE_STOPPED);
}

}

int main()
{
    stopRequested = CreateEventA(NULL, TRUE, FALSE, NULL);
    SERVICE_TABLE_ENTRYA services[] = {{(LPSTR) "MailWarden", ServiceMain}, {NULL, NULL}};
    return StartServiceCtrlDispatcherA(services) ? 0 : 1;
}
