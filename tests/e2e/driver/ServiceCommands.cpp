// service-install <name> <program> [auto|demand] [interactive]
//                         an own-process service; an interactive one runs
//                         on the user's desktop and hears its broadcasts
// service-start <name>
// service-query <name>    records its state and configuration
#include "Driver.h"

#include "Transcript.h"

namespace {

// The manager and the service, closed on every path out.
struct ServiceHandles {
    ServiceHandles(const std::string& name, DWORD access)
        : manager(OpenSCManagerA(NULL, NULL, SC_MANAGER_ALL_ACCESS)),
          service(manager ? OpenServiceA(manager, name.c_str(), access) : NULL)
    {
    }
    ~ServiceHandles()
    {
        if (service)
            CloseServiceHandle(service);
        if (manager)
            CloseServiceHandle(manager);
    }
    SC_HANDLE manager;
    SC_HANDLE service;
};

std::string StateName(DWORD state)
{
    switch (state) {
    case SERVICE_STOPPED: return "stopped";
    case SERVICE_START_PENDING: return "start-pending";
    case SERVICE_STOP_PENDING: return "stop-pending";
    case SERVICE_RUNNING: return "running";
    default: return std::to_string(state);
    }
}

// A list of names, each ended by a zero byte, the list by another.
std::string NameList(const char* names)
{
    std::string list;
    for (const char* name = names; name && *name; name += lstrlenA(name) + 1)
        list += (list.empty() ? "" : "|") + std::string(name);
    return list;
}

}

bool ServiceInstall(Driver&, const Words& line)
{
    SC_HANDLE manager = OpenSCManagerA(NULL, NULL, SC_MANAGER_ALL_ACCESS);
    DWORD start = SERVICE_DEMAND_START;
    DWORD type = SERVICE_WIN32_OWN_PROCESS;
    for (size_t i = 3; i < line.words.size(); ++i) {
        if (line.words[i] == "auto")
            start = SERVICE_AUTO_START;
        else if (line.words[i] == "interactive")
            type |= SERVICE_INTERACTIVE_PROCESS;
    }
    SC_HANDLE service = manager ? CreateServiceA(manager, line.words[1].c_str(), line.words[1].c_str(),
                                                 SERVICE_ALL_ACCESS, type, start,
                                                 SERVICE_ERROR_NORMAL, line.words[2].c_str(), NULL, NULL,
                                                 NULL, NULL, NULL)
                                : NULL;
    DWORD error = GetLastError();
    if (service)
        CloseServiceHandle(service);
    if (manager)
        CloseServiceHandle(manager);
    if (!service) {
        Write(Record("error").Text("cannot-install-service", line.words[1]).Number("code", error));
        return false;
    }
    return true;
}

bool ServiceStart(Driver&, const Words& line)
{
    ServiceHandles open(line.words[1], SERVICE_START);
    if (!open.service || !StartServiceA(open.service, 0, NULL)) {
        Write(Record("error").Text("cannot-start-service", line.words[1]).Number("code", GetLastError()));
        return false;
    }
    return true;
}

bool ServiceQuery(Driver&, const Words& line)
{
    ServiceHandles open(line.words[1], SERVICE_QUERY_CONFIG | SERVICE_QUERY_STATUS);
    Record record("service");
    record.Text("name", line.words[1]).Flag("exists", open.service != NULL);
    if (open.service) {
        SERVICE_STATUS status;
        if (QueryServiceStatus(open.service, &status))
            record.Text("state", StateName(status.dwCurrentState));
        DWORD size = 0;
        QueryServiceConfigA(open.service, NULL, 0, &size);
        std::string buffer(size, '\0');
        QUERY_SERVICE_CONFIGA* config = (QUERY_SERVICE_CONFIGA*)&buffer[0];
        if (size && QueryServiceConfigA(open.service, config, size, &size)) {
            record.Number("type", config->dwServiceType)
                .Text("start", config->dwStartType == SERVICE_AUTO_START ? "auto" : "demand")
                .Text("program", config->lpBinaryPathName ? config->lpBinaryPathName : "")
                .Text("display-name", config->lpDisplayName ? config->lpDisplayName : "")
                .Text("dependencies", NameList(config->lpDependencies));
        }
    }
    Write(record);
    return true;
}
