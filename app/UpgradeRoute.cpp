#include "InstallerApp.h"

#include "BrandingProfile.h"
#include "File.h"
#include "JoinPath.h"
#include "Launch.h"
#include "Message.h"
#include "MessageFiles.h"
#include "PayloadArchiveReader.h"
#include "Registry.h"
#include "Resource.h"
#include "ServerService.h"
#include "Texts.h"
#include "UpgradePromptDialog.h"

#include <windows.h>

namespace {

const char* const adminProgramName = "MwAdmin.exe";
const int unattendedProbeTries = 20;

// The server is started as the autostart registration says: as the NT
// service where one is registered, else by launching its executable; the
// administration program only in an interactive run with a registration.
void RestartServer(bool autostartRegistered, bool isNT, bool silent, const CString& serverProgram,
                   const CString& adminProgram)
{
    if (autostartRegistered && isNT)
        StartServerService();
    else
        LaunchProgram(serverProgram, NULL, false);
    if (autostartRegistered && !silent)
        LaunchProgram(adminProgram, NULL, false);
}

}

// The in-place upgrade of the installation in installFolder. Returns
// ROUTE_DONE once the product archive is unpacked, ROUTE_SETUP to hand over
// to the fresh setup, ROUTE_STOP when the run is to end.
int InstallerApp::RunUpgrade(const CString& installFolder)
{
    CString tempBrandingFile = JoinPath(tempDir, "mw3ras.lib");
    CString installedBrandingFile = JoinPath(installFolder, "mw3ras.lib");

    // 1. The block yields a file only when it carries one.
    WritePayloadResource(BRANDING_RESOURCE, tempBrandingFile);

    // 2. Profile: the carried branding file, else the installed one, else
    // the defaults.
    BrandingProfile profile;
    if (!profile.LoadBrandingFile(tempBrandingFile) && !profile.LoadBrandingFile(installedBrandingFile))
        profile.SetDefaults();

    // 3. The carried branding file replaces the installed one; without one
    // the copy fails and the installed file stays.
    CopyFileA(tempBrandingFile, installedBrandingFile, FALSE);
    CFile::Remove(tempBrandingFile);

    // 4.
    CString serverProgram = JoinPath(installFolder, profile.GetEX());
    CString adminProgram = JoinPath(installFolder, adminProgramName);

    // 5. Product check and prompt; an unattended run always upgrades.
    if (!silent) {
        CString registeredProduct("MailWarden");
        ReadMachineString(PRODUCT_KEY, "Product", registeredProduct);
        if (registeredProduct != profile.GetPN())
            return ROUTE_SETUP;
        UpgradePromptDialog prompt(profile.GetPN());
        int choice = (int)prompt.DoModal();
        if (choice != ROUTE_DONE) {
            promptCancelled = prompt.WasCancelled();
            return choice == ROUTE_SETUP ? ROUTE_SETUP : ROUTE_STOP;
        }
    }

    // 6. In-use probe: one try in an interactive run, up to 20 unattended.
    CString busyList;
    int tries = 0;
    do {
        Sleep(500);
        ++tries;
        busyList.Empty();
        if (IsFileLocked(serverProgram))
            busyList += serverProgram + " ";
        if (IsFileLocked(adminProgram))
            busyList += adminProgram + " ";
    } while (silent && !busyList.IsEmpty() && tries < unattendedProbeTries);

    // 7. Busy files stop an interactive run; an unattended one goes on and
    // lets the extraction report the first file it cannot create.
    if (!silent && !busyList.IsEmpty()) {
        ShowMessage(IDS_FILES_IN_USE, busyList.GetString());
        RemoveDirectoryA(tempDir);
        return ROUTE_STOP;
    }

    // 8.
    DetectServerAutostart();

    // 9. Unpack.
    CString archive = JoinPath(tempDir, "data.z");
    if (!WritePayloadResource(PRODUCT_ARCHIVE_RESOURCE, archive))
        return ROUTE_STOP;
    bool extracted;
    {
        PayloadArchiveReader reader;
        extracted = reader.ExtractArchive(archive, installFolder, profile.GetEX()) != 0;
    }
    CFile::Remove(archive);
    RemoveDirectoryA(tempDir);
    if (!extracted)
        return ROUTE_STOP;

    // 10. Record.
    WriteMachineDword(PRODUCT_KEY, "Installed", 1);

    // 11. Message files.
    CString cacheFolder;
    if (ReadMachineString(PRODUCT_KEY, "Cache", cacheFolder))
        MigrateMessageFiles(false, cacheFolder);

    // 12. Restart.
    RestartServer(autostartRegistered != 0, isNT != 0, silent, serverProgram, adminProgram);

    // 13.
    return ROUTE_DONE;
}
