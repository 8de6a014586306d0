#include "JoinPath.h"

#include <string.h>

CString JoinPath(const char* folder, const char* name)
{
    CString path(folder);
    size_t n = strlen(folder);
    if (n == 0 || folder[n - 1] != '\\')
        path += '\\';
    path += name;
    return path;
}
