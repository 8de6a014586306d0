#include "MessageFiles.h"

#include "Handles.h"
#include "String.h"

#include <string.h>

namespace {

const char oldExtension[] = ".msg";
const int extensionLength = sizeof oldExtension - 1;

// What one entry of a folder adds to the count. Paths are formed by plain
// concatenation, one backslash after the folder even when it ends in one.
// False when memory runs out, which ends the walk of the folder.
bool MigrateEntry(bool countOnly, const char* folder, const WIN32_FIND_DATAA& entry, int& count)
{
    const char* name = entry.cFileName;
    if (strcmp(name, ".") == 0 || strcmp(name, "..") == 0)
        return true;
    CString path;
    if (!path.Format("%s\\%s", folder, name))
        return false;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        count += MigrateMessageFiles(countOnly, path);
        return true;
    }
    if (!path.EndsWithNoCase(oldExtension))
        return true;
    if (!countOnly) {
        CString renamed;
        if (!renamed.Format("%.*s.wmm", path.GetLength() - extensionLength, path.GetString()))
            return false;
        MoveFileA(path, renamed);
    }
    ++count;
    return true;
}

}

int MigrateMessageFiles(bool countOnly, const char* folder)
{
    CString pattern;
    if (!pattern.Format("%s\\*.*", folder))
        return 0;
    int count = 0;
    WIN32_FIND_DATAA entry;
    FindHandle search;
    if (!search.FindFirst(pattern, &entry))
        return 0;
    do {
        if (!MigrateEntry(countOnly, folder, entry, count))
            break;
    } while (search.FindNext(&entry));
    return count;
}
