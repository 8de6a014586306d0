#include "ServiceApi.h"

namespace {

template <class Function> bool Find(HMODULE module, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(GetProcAddress(module, name));
    return function != NULL;
}

bool Load(ServiceApi& api)
{
    // Kept loaded for the rest of the process, like the registry functions
    // of the same library.
    HMODULE advapi = LoadLibraryA("ADVAPI32.DLL");
    return advapi && Find(advapi, "OpenSCManagerA", api.openManager)
        && Find(advapi, "OpenServiceA", api.openService)
        && Find(advapi, "CreateServiceA", api.createService)
        && Find(advapi, "DeleteService", api.deleteService)
        && Find(advapi, "StartServiceA", api.startService)
        && Find(advapi, "ControlService", api.controlService)
        && Find(advapi, "QueryServiceStatus", api.queryStatus)
        && Find(advapi, "CloseServiceHandle", api.closeHandle);
}

}

const ServiceApi* GetServiceApi()
{
    static ServiceApi api;
    static bool looked;
    static bool complete;
    if (!looked) {
        complete = Load(api);
        looked = true;
    }
    return complete ? &api : NULL;
}
