#include "InstallerApp.h"

#include "ServerService.h"

void InstallerApp::DetectServerAutostart()
{
    isNT = IsNtFamily();
    autostartRegistered = isNT ? IsServerServiceInstalled() : IsServerRunServicesRegistered();
}
