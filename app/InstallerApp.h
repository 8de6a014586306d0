// The installer's application object. All of its work happens in
// InitInstance: it signals running programs of the product, stops a
// running server, and runs the upgrade route, the fresh-setup route, or
// the first and then the second.
#pragma once

#include "App.h"
#include "String.h"

// Route results.
enum { ROUTE_DONE = 0, ROUTE_SETUP = 1, ROUTE_STOP = -1 };

class InstallerApp : public CWinApp {
public:
    InstallerApp();
    ~InstallerApp() override;

    bool InitInstance() override;

    int RunUpgrade(const CString& installFolder);
    int RunSetup();
    void DetectServerAutostart();
    bool IsFileLocked(const char* path);

    int autostartRegistered;
    int isNT;
    bool silent;
    bool keepTemp;
    CString tempDir;

private:
    // What the exit status reports: 0 the work was done (the upgrade, or a
    // setup program that ran to its end), 1 the user cancelled the prompt,
    // 2 anything else.
    int ExitStatusOf(int route) const;

    bool setupCompleted;   // the setup program was started and ran to its end
    bool promptCancelled;  // the user cancelled the upgrade prompt
};
