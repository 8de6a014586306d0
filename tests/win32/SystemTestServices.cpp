#include "SystemTestServices.h"

#include "SystemTestTrace.h"

#include <vector>

namespace {

class Handle {
public:
    explicit Handle(SC_HANDLE handle) : handle(handle) {}
    ~Handle()
    {
        if (handle)
            CloseServiceHandle(handle);
    }
    operator SC_HANDLE() const { return handle; }

private:
    SC_HANDLE handle;
};

// Its service handle is null when the service cannot be opened.
struct OpenedServer {
    explicit OpenedServer(DWORD access)
        : manager(OpenSCManagerA(NULL, NULL, SC_MANAGER_ALL_ACCESS)),
          service(manager ? OpenServiceA(manager, "MailWarden", access) : NULL)
    {
    }
    Handle manager;
    Handle service;
};

void RemoveServer()
{
    OpenedServer server(SERVICE_ALL_ACCESS);
    if (!server.service)
        return;
    SERVICE_STATUS status;
    if (ControlService(server.service, SERVICE_CONTROL_STOP, &status))
        WaitForServerState(SERVICE_STOPPED, 60);
    DeleteService(server.service);
}

}

bool QueryServerConfig(ServiceConfig& config)
{
    OpenedServer server(SERVICE_QUERY_CONFIG);
    DWORD size = 0;
    if (!server.service)
        return false;
    QueryServiceConfigA(server.service, NULL, 0, &size);
    std::vector<char> buffer(size);
    QUERY_SERVICE_CONFIGA* queried = (QUERY_SERVICE_CONFIGA*)buffer.data();
    if (!QueryServiceConfigA(server.service, queried, size, &size))
        return false;
    config.type = queried->dwServiceType;
    config.startType = queried->dwStartType;
    config.errorControl = queried->dwErrorControl;
    config.executablePath = queried->lpBinaryPathName ? queried->lpBinaryPathName : "";
    config.displayName = queried->lpDisplayName ? queried->lpDisplayName : "";
    config.account = queried->lpServiceStartName ? queried->lpServiceStartName : "";
    return true;
}

std::string FirstServerDependency()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\MailWarden", 0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return "";
    DWORD size = 0;
    RegQueryValueExA(key, "DependOnService", NULL, NULL, NULL, &size);
    std::vector<char> names(size + 1);
    RegQueryValueExA(key, "DependOnService", NULL, NULL, (BYTE*)names.data(), &size);
    RegCloseKey(key);
    return names.data();
}

DWORD ServerState()
{
    OpenedServer server(SERVICE_QUERY_STATUS);
    SERVICE_STATUS status;
    return server.service && QueryServiceStatus(server.service, &status) ? status.dwCurrentState : 0;
}

bool WaitForServerState(DWORD state, int timeoutSeconds)
{
    for (int waited = 0; waited < timeoutSeconds * 10; ++waited) {
        if (ServerState() == state)
            return true;
        Sleep(100);
    }
    return ServerState() == state;
}

void ServerServiceTest::SetUp()
{
    RemoveServer();
    TakeTraces();
}

void ServerServiceTest::TearDown()
{
    RemoveServer();
}
