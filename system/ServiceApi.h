// The service control manager's functions in advapi32, looked up at run
// time: Windows 95's advapi32 has none of them, and importing even one
// would keep Installer.exe from loading there.
#pragma once

#include <windows.h>

struct ServiceApi {
    SC_HANDLE(WINAPI* openManager)(LPCSTR machine, LPCSTR database, DWORD access);
    SC_HANDLE(WINAPI* openService)(SC_HANDLE manager, LPCSTR name, DWORD access);
    SC_HANDLE(WINAPI* createService)(SC_HANDLE manager, LPCSTR name, LPCSTR displayName,
                                     DWORD access, DWORD type, DWORD startType,
                                     DWORD errorControl, LPCSTR executablePath, LPCSTR group,
                                     LPDWORD tag, LPCSTR dependencies, LPCSTR account,
                                     LPCSTR password);
    BOOL(WINAPI* deleteService)(SC_HANDLE service);
    BOOL(WINAPI* startService)(SC_HANDLE service, DWORD argumentCount, LPCSTR* arguments);
    BOOL(WINAPI* controlService)(SC_HANDLE service, DWORD control, LPSERVICE_STATUS status);
    BOOL(WINAPI* queryStatus)(SC_HANDLE service, LPSERVICE_STATUS status);
    BOOL(WINAPI* closeHandle)(SC_HANDLE handle);
};

// The functions, looked up on the first call; null when advapi32 lacks any
// of them.
const ServiceApi* GetServiceApi();
