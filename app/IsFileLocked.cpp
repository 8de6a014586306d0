#include "InstallerApp.h"

#include "File.h"

// A file counts as locked when it cannot be opened for writing without
// sharing: held open by any process (a running executable among them),
// read-only, without the right to write, or missing.
bool InstallerApp::IsFileLocked(const char* path)
{
    CFile file;
    return file.OpenExistingForWrite(path) != 0;
}
