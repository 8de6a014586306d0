#include "InstallerApp.h"

int InstallerApp::RunUpgrade(const CString&)
{
    return ROUTE_STOP;
}
