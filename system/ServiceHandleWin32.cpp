#include "ServiceHandle.h"

#include "ServiceApi.h"

bool ServiceHandle::OpenManager()
{
    Close();
    const ServiceApi* api = GetServiceApi();
    return api && Attach(api->openManager(NULL, NULL, SC_MANAGER_ALL_ACCESS));
}

bool ServiceHandle::OpenService(const ServiceHandle& manager, const char* name, DWORD access)
{
    Close();
    // A manager handle exists only where the functions were found.
    return manager.handle && Attach(GetServiceApi()->openService(manager.handle, name, access));
}

bool ServiceHandle::Attach(SC_HANDLE created)
{
    Close();
    handle = created;
    return handle != NULL;
}

void ServiceHandle::Close()
{
    if (handle)
        GetServiceApi()->closeHandle(handle);
    handle = NULL;
}
