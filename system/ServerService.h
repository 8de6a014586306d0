// The server's NT service "MailWarden", through the service control manager.
// Every operation opens the manager and the service afresh and closes both
// before it returns. Where the system has no service control manager (the
// Windows 9x family) every operation fails at its first step.
#pragma once

extern const char* const serviceName;

bool IsRasInstalled();
bool IsServerServiceInstalled();
bool IsServerServiceRunning();
bool InstallServerService(int autostart, const char* executablePath, const char* displayName);
bool RemoveServerService();
bool DeleteServerService();
bool StartServerService();
// True when the service accepted the stop request; it then returns once the
// service reports the stopped state, its status can no longer be queried,
// or a minute has passed (traced as a stop that gave up).
bool StopServerService();

// True on the NT family; a failed version query counts as the 9x family.
bool IsNtFamily();
// The 9x autostart registration: the value "Keltermax_MailWarden" under
// RunServices can be read.
bool IsServerRunServicesRegistered();
