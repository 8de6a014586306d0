#include "CommandLine.h"

void DispatchArguments(CCommandLineInfo& info, int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        bool isFlag = argument[0] == '-' || argument[0] == '/';
        info.ParseParam(isFlag ? argument + 1 : argument, isFlag, i == argc - 1);
    }
}
