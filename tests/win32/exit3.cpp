// Test helper started through the shell: it writes how many arguments it
// was given to exit3.args beside itself and exits with code 3.
#include <windows.h>

#include <fstream>
#include <string>

int main(int argc, char**)
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, sizeof path);
    std::string log(path);
    log = log.substr(0, log.find_last_of('\\')) + "\\exit3.args";
    std::ofstream(log) << argc - 1;
    return 3;
}
