// The sample setup program: it installs the product from what the installer
// puts beside it, the product archive "data.Z" and, in a branded build, the
// branding file "mw3ras.lib". Unattended; every step goes into the sample
// log.
//
//   Setup.exe [installation folder]     (C:\Program Files\MailWarden unless given)
#include "InstallSteps.h"

#include "App.h"
#include "BrandingProfile.h"
#include "JoinPath.h"
#include "PayloadArchiveReader.h"
#include "Registry.h"
#include "SampleLog.h"

#include <stdlib.h>
#include <string.h>
#include <windows.h>

namespace {

const char* const logName = "setup";

CString OwnFolder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, sizeof path);
    char* lastSlash = strrchr(path, '\\');
    return CString(path, lastSlash ? (int)(lastSlash - path) : 0);
}

bool LogPresence(const char* folder, const char* name)
{
    bool present = GetFileAttributesA(JoinPath(folder, name)) != INVALID_FILE_ATTRIBUTES;
    LogEvent(logName, "%s %s", name, present ? "present" : "absent");
    return present;
}

int Install(const char* installFolder)
{
    // 1. What the installer put beside this program.
    CString source = OwnFolder();
    CString archive = JoinPath(source, "data.Z");
    CString brandingFile = JoinPath(source, "mw3ras.lib");
    bool haveArchive = LogPresence(source, "data.Z");
    bool branded = LogPresence(source, "mw3ras.lib");
    if (!haveArchive)
        return 1;

    // 2. The product's identity: the build's branding, else the defaults.
    BrandingProfile profile;
    profile.LoadBrandingFile(branded ? brandingFile.GetString() : "");

    // 3. The product's files, the server under the name the branding asks.
    PayloadArchiveReader reader;
    if (!CreateFolderPath(installFolder) || !reader.ExtractArchive(archive, installFolder, profile.GetEX())) {
        LogEvent(logName, "extraction failed %s", installFolder);
        return 1;
    }
    reader.CloseArchive();
    LogEvent(logName, "extracted %s", installFolder);
    if (branded)
        CopyFileA(brandingFile, JoinPath(installFolder, "mw3ras.lib"), FALSE);

    // 4. The server's message store and the product's registry values.
    CString cache = JoinPath(installFolder, "cache");
    if (!WriteMessageStore(cache))
        LogEvent(logName, "message store failed %s", cache.GetString());
    bool registered = WriteMachineString(PRODUCT_KEY, "Program", installFolder) &&
                      WriteMachineString(PRODUCT_KEY, "Product", profile.GetPN()) &&
                      WriteMachineString(PRODUCT_KEY, "Cache", cache);
    LogEvent(logName, "registry %s", registered ? "written" : "failed");

    // 5. The server starts with the system.
    const char* autostart = RegisterServerAutostart(JoinPath(installFolder, profile.GetEX()), profile.GetPN());
    if (autostart)
        LogEvent(logName, "autostart %s", autostart);
    else
        LogEvent(logName, "autostart failed, error %lu", GetLastError());
    return registered ? 0 : 1;
}

}

// Built on the framework's application object, as the archive reader's
// messages take their title from it.
class SampleSetupApp : public CWinApp {
public:
    bool InitInstance() override
    {
        LogStarted(logName, "");
        exitCode = Install(__argc > 1 ? __argv[1] : "C:\\Program Files\\MailWarden");
        LogEvent(logName, "finished %d", exitCode);
        return false;
    }
};

SampleSetupApp theApp;
