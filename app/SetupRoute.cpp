#include "InstallerApp.h"

int InstallerApp::RunSetup()
{
    return false;
}
