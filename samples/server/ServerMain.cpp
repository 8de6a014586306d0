#include "Server.h"
#include "ServiceMode.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (!RunAsService())
        RunServer("program");
    return 0;
}
