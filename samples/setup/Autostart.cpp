#include "InstallSteps.h"

#include "Handles.h"
#include "ServerService.h"

#define RUN_SERVICES_KEY "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices"

bool WriteMachineString(const char* subKey, const char* name, const char* text)
{
    RegistryKey key;
    return key.CreateOrOpen(HKEY_LOCAL_MACHINE, subKey, KEY_WRITE) &&
           RegSetValueExA(key, name, 0, REG_SZ, (const BYTE*)text, lstrlenA(text) + 1) == ERROR_SUCCESS;
}

const char* RegisterServerAutostart(const char* serverPath, const char* displayName)
{
    // Quoted: the installation folder usually holds a blank.
    CString command;
    if (IsNtFamily()) {
        command.Format("\"%s\" -service", serverPath);
        return InstallServerService(1, command, displayName) ? "service" : NULL;
    }
    command.Format("\"%s\"", serverPath);
    return WriteMachineString(RUN_SERVICES_KEY, "Keltermax_MailWarden", command) ? "runservices" : NULL;
}
