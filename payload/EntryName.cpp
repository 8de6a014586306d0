#include "EntryName.h"

#include <string.h>

bool IsPlainFileName(const CString& name)
{
    const char* text = name.GetString();
    int length = name.GetLength();
    if (length == 0 || name == "." || name == "..")
        return false;
    for (int i = 0; i < length; ++i) {
        char c = text[i];
        if (c == '\\' || c == '/' || c == ':' || c == 0)
            return false;
    }
    return true;
}

bool OutputFileName(CString& name, const char* serverName)
{
    if (!IsPlainFileName(name))
        return false;
    if (serverName && name.CompareNoCase("mailwarden.exe") == 0) {
        name = serverName;
        if (!name.EndsWithNoCase(".exe"))
            name += ".exe";
    }
    return IsPlainFileName(name);
}

CString FolderPrefix(const char* folder)
{
    CString prefix(folder);
    int length = prefix.GetLength();
    char last = length > 0 ? prefix.GetAt(length - 1) : 0;
#ifdef _WIN32
    bool separated = last == '\\';
#else
    bool separated = last == '\\' || last == '/';
#endif
    if (!separated)
        prefix += '\\';
    return prefix;
}
