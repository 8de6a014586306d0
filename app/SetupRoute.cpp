#include "InstallerApp.h"

#include "PayloadArchiveReader.h"
#include "File.h"
#include "JoinPath.h"
#include "Launch.h"
#include "Resource.h"

#include <windows.h>

// The fresh setup: the setup archive is unpacked into the temporary folder,
// the carried branding file and the unopened product archive are put
// beside the setup program, which is run and waited for; then the
// temporary files go, unless they are to be kept.
int InstallerApp::RunSetup()
{
    // 1.
    CString setupProgram = JoinPath(tempDir, "setup.exe");
    CString brandingFile = JoinPath(tempDir, "mw3ras.lib");
    CString archive = JoinPath(tempDir, "data.Z");

    // 2. The block yields a file only when it carries one.
    WritePayloadResource(BRANDING_RESOURCE, brandingFile);

    // 3.
    bool prepared = WritePayloadResource(SETUP_ARCHIVE_RESOURCE, archive) != 0;

    // 4. The setup archive holds no server executable, so nothing is renamed.
    if (prepared) {
        PayloadArchiveReader reader;
        prepared = reader.ExtractArchive(archive, tempDir, "") != 0;
        CFile::Remove(archive);
    }

    // 5. The product archive stays unopened, for the setup program.
    if (prepared)
        prepared = WritePayloadResource(PRODUCT_ARCHIVE_RESOURCE, archive) != 0;

    // 6.
    if (prepared)
        setupCompleted = LaunchProgram(setupProgram, NULL, true) != 0;

    // 7. Files that are not there are simply skipped; the folder goes only
    // when the setup program left nothing of its own in it.
    if (!keepTemp) {
        CFile::Remove(brandingFile);
        CFile::Remove(setupProgram);
        CFile::Remove(archive);
        RemoveDirectoryA(tempDir);
    }

    // 8.
    return prepared;
}
