#include "ServerService.h"

#include "ServiceApi.h"
#include "ServiceHandle.h"
#include "Trace.h"

const char* const serviceName = "MailWarden";

namespace {

// What deleting, starting and stopping ask for when they open the service.
const DWORD controlAccess = STANDARD_RIGHTS_REQUIRED | SERVICE_QUERY_CONFIG | SERVICE_CHANGE_CONFIG
    | SERVICE_QUERY_STATUS | SERVICE_ENUMERATE_DEPENDENTS | SERVICE_START | SERVICE_STOP;

// A service that hangs in its stop must not hold the installer forever:
// the status is asked for four times a second, for one minute at most.
const DWORD stopPollMilliseconds = 250;
const DWORD stopWaitMilliseconds = 60000;

bool OpenServerService(ServiceHandle& manager, ServiceHandle& service, DWORD access)
{
    return manager.OpenManager() && service.OpenService(manager, serviceName, access);
}

// True once the service reports the stopped state or its status can no
// longer be queried; false when it has not stopped within the bound.
bool WaitUntilStopped(SC_HANDLE service)
{
    const ServiceApi* api = GetServiceApi();
    DWORD start = GetTickCount();
    SERVICE_STATUS status;
    while (api->queryStatus(service, &status) && status.dwCurrentState != SERVICE_STOPPED) {
        if (GetTickCount() - start >= stopWaitMilliseconds)
            return false;
        Sleep(stopPollMilliseconds);
    }
    return true;
}

}

bool IsRasInstalled()
{
    HMODULE ras = LoadLibraryA("RASAPI32.DLL");
    if (!ras)
        return false;
    FreeLibrary(ras);
    return true;
}

bool IsServerServiceInstalled()
{
    ServiceHandle manager, service;
    return OpenServerService(manager, service, SERVICE_QUERY_CONFIG);
}

bool IsServerServiceRunning()
{
    ServiceHandle manager, service;
    SERVICE_STATUS status;
    return OpenServerService(manager, service, SERVICE_INTERROGATE)
        && GetServiceApi()->controlService(service, SERVICE_CONTROL_INTERROGATE, &status)
        && status.dwCurrentState == SERVICE_RUNNING;
}

bool InstallServerService(int autostart, const char* executablePath, const char* displayName)
{
    if (IsServerServiceInstalled())
        RemoveServerService();
    ServiceHandle manager, service;
    // Where dial-up networking is installed, the server starts only after
    // its remote access manager.
    bool created = manager.OpenManager()
        && service.Attach(GetServiceApi()->createService(
            manager, serviceName, displayName, SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
            autostart ? SERVICE_AUTO_START : SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
            executablePath, NULL, NULL, IsRasInstalled() ? "RasMan\0" : NULL, NULL, NULL));
    TRACE(created ? "The %s service was successfully installed" : "The %s service failed to install",
          displayName);
    return created;
}

bool RemoveServerService()
{
    if (!IsServerServiceInstalled())
        return true;
    StopServerService();
    return DeleteServerService();
}

bool DeleteServerService()
{
    ServiceHandle manager, service;
    bool deleted = OpenServerService(manager, service, controlAccess)
        && GetServiceApi()->deleteService(service);
    TRACE(deleted ? "The %s service was successfully removed" : "The %s service failed to remove",
          serviceName);
    return deleted;
}

bool StartServerService()
{
    ServiceHandle manager, service;
    bool started = OpenServerService(manager, service, controlAccess)
        && GetServiceApi()->startService(service, 0, NULL);
    TRACE(started ? "The %s service was successfully started" : "The %s service failed to start",
          serviceName);
    return started;
}

bool StopServerService()
{
    ServiceHandle manager, service;
    SERVICE_STATUS status;
    bool accepted = OpenServerService(manager, service, controlAccess)
        && GetServiceApi()->controlService(service, SERVICE_CONTROL_STOP, &status);
    if (accepted && !WaitUntilStopped(service))
        TRACE("The %s service did not stop within %u seconds", serviceName,
              (unsigned)(stopWaitMilliseconds / 1000));
    else
        TRACE(accepted ? "The %s service was succesfully stopped" : "The %s service failed to stop",
              serviceName);
    return accepted;
}
