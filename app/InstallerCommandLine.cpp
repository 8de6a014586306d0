#include "InstallerCommandLine.h"

void InstallerCommandLine::ParseParam(const char* text, bool isFlag, bool)
{
    if (!isFlag)
        return;
    if (text[0] == 's')
        silent = true;
    else if (text[0] == 'x')
        keepTemp = true;
}
