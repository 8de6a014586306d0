#include "InstallSteps.h"

#include <windows.h>

bool CreateFolderPath(const char* folder)
{
    CString path(folder);
    // Each folder on the way, after the drive's "C:\".
    for (int slash = path.Find('\\', 3); slash > 0; slash = path.Find('\\', slash + 1))
        CreateDirectoryA(path.Left(slash), NULL);
    CreateDirectoryA(path, NULL);
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
