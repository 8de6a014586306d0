// The sample server.
//
//   MailWarden.exe            runs as a program
//   MailWarden.exe -service   runs as the service "MailWarden" when the
//                             service control manager started it, else as a
//                             program
//
// The switch spares a program start the dispatcher's attempt to reach the
// service control manager, which Wine answers only after a 10-second wait.
#include "Server.h"
#include "ServiceMode.h"

#include <stdlib.h>
#include <string.h>
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    bool serviceSwitch = __argc > 1 && strcmp(__argv[1], "-service") == 0;
    if (!serviceSwitch || !RunAsService())
        RunServer("program");
    return 0;
}
