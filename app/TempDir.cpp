#include "TempDir.h"

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}

CString TempDirFor(const char* windowsDirectory)
{
    const char* w = windowsDirectory;
    bool driveRoot = IsLetter(w[0]) && w[1] == ':' && w[2] == '\\';
    CString folder = driveRoot ? CString(w, 3) : CString("C:\\");
    folder += "mw_tmp";
    return folder;
}
