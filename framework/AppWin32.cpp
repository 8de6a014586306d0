#include "App.h"

#include "String.h"

#include <stdlib.h>
#include <windows.h>

namespace {

CWinApp* theApp = 0;

}

CWinApp::CWinApp() : exitCode(0) { theApp = this; }

CWinApp::~CWinApp()
{
    if (theApp == this)
        theApp = 0;
}

bool CWinApp::InitInstance() { return true; }

int CWinApp::ExitInstance() { return exitCode; }

void CWinApp::ParseCommandLine(CCommandLineInfo& info) { DispatchArguments(info, __argc, __argv); }

CWinApp* AfxGetApp() { return theApp; }

const char* AppName()
{
    static char name[MAX_PATH];
    if (name[0])
        return name;
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(NULL, path, sizeof path);
    if (n == 0 || n >= sizeof path)
        return "Installer";
    const char* base = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':')
            base = p + 1;
    lstrcpynA(name, base, sizeof name);
    char* dot = 0;
    for (char* p = name; *p; ++p)
        if (*p == '.')
            dot = p;
    if (dot)
        *dot = 0;
    return name;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 2;
    if (app->InitInstance()) {
        MSG msg;
        while (GetMessageA(&msg, NULL, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return app->ExitInstance();
}
