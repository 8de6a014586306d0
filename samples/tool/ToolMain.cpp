// The sample tool: reports the server's message store, the files still
// waiting to be converted to the current format.
#include "MessageFiles.h"
#include "Registry.h"
#include "SampleLog.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const char* const logName = "tool";
    LogStarted(logName, "");
    CString cache;
    if (!ReadMachineString(PRODUCT_KEY, "Cache", cache)) {
        LogEvent(logName, "no cache registered");
        return 1;
    }
    LogEvent(logName, "cache %s holds %d msg", cache.GetString(), MigrateMessageFiles(true, cache));
    return 0;
}
