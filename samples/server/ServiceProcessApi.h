// The functions a service process calls, from advapi32, loaded at run
// time: the advapi32 of Windows 95 exports none of them, and a program that
// imported them would not start there at all.
#pragma once

#include <windows.h>

struct ServiceProcessApi {
    typedef BOOL(WINAPI* StartDispatcher)(const SERVICE_TABLE_ENTRYA* table);
    typedef SERVICE_STATUS_HANDLE(WINAPI* RegisterHandler)(const char* name, LPHANDLER_FUNCTION handler);
    typedef BOOL(WINAPI* SetStatus)(SERVICE_STATUS_HANDLE handle, SERVICE_STATUS* status);

    // False when this system has no service control manager.
    bool Load();

    StartDispatcher startDispatcher;
    RegisterHandler registerHandler;
    SetStatus setStatus;
};
