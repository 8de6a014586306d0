#include "ServiceMode.h"

#include "SampleLog.h"
#include "Server.h"
#include "ServiceProcessApi.h"

namespace {

ServiceProcessApi api;
SERVICE_STATUS_HANDLE statusHandle;
SERVICE_STATUS status;

void ReportState(DWORD state)
{
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwControlsAccepted = state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_SHUTDOWN : 0;
    status.dwWin32ExitCode = NO_ERROR;
    api.setStatus(statusHandle, &status);
}

void WINAPI OnControl(DWORD control)
{
    if (control == SERVICE_CONTROL_STOP || control == SERVICE_CONTROL_SHUTDOWN) {
        LogEvent(serverLogName, "stop-request");
        ReportState(SERVICE_STOP_PENDING);
        StopServer();
        return;
    }
    api.setStatus(statusHandle, &status);
}

void WINAPI ServiceMain(DWORD, char**)
{
    statusHandle = api.registerHandler("MailWarden", OnControl);
    if (!statusHandle)
        return;
    ReportState(SERVICE_RUNNING);
    RunServer("service");
    // After the log line: whoever waits for the stop sees the whole story.
    ReportState(SERVICE_STOPPED);
}

}

bool RunAsService()
{
    if (!api.Load())
        return false;
    char name[] = "MailWarden";
    SERVICE_TABLE_ENTRYA table[] = {{name, ServiceMain}, {NULL, NULL}};
    return api.startDispatcher(table) != 0;
}
