#include "String.h"

#include <windows.h>

bool CString::LoadText(unsigned id)
{
    // LoadStringA cannot say how long a text is; the table's longest text
    // is well below this.
    char buffer[1024];
    int n = LoadStringA(GetModuleHandleA(NULL), id, buffer, sizeof buffer);
    if (n <= 0)
        return false;
    *this = CString(buffer, n);
    return true;
}
