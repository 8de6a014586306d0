#include "ServiceProcessApi.h"

bool ServiceProcessApi::Load()
{
    HMODULE advapi = LoadLibraryA("advapi32.dll");
    if (!advapi)
        return false;
    startDispatcher = (StartDispatcher)GetProcAddress(advapi, "StartServiceCtrlDispatcherA");
    registerHandler = (RegisterHandler)GetProcAddress(advapi, "RegisterServiceCtrlHandlerA");
    setStatus = (SetStatus)GetProcAddress(advapi, "SetServiceStatus");
    return startDispatcher && registerHandler && setStatus;
}
