#include "ServerService.h"

#include "Registry.h"

#include <windows.h>

bool IsNtFamily()
{
    OSVERSIONINFOA version;
    version.dwOSVersionInfoSize = sizeof version;   // 148 bytes: the record every version knows
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

bool IsServerRunServicesRegistered()
{
    CString command;
    return ReadMachineString("Software\\Microsoft\\Windows\\CurrentVersion\\RunServices",
                             "Keltermax_MailWarden", command);
}
