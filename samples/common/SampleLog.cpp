#include "SampleLog.h"

#include <stdarg.h>
#include <windows.h>

const char* const sampleLogPath = "C:\\mw_log.txt";

namespace {

// The programs write the log in turns: an open without sharing fails while
// another one appends, so the line waits rather than interleaving. Windows 95
// knows no append-only access to do this for us.
HANDLE OpenLogExclusively()
{
    for (int tries = 0; tries < 500; ++tries) {
        HANDLE file = CreateFileA(sampleLogPath, GENERIC_WRITE, 0, NULL, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, NULL);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        if (GetLastError() != ERROR_SHARING_VIOLATION)
            break;
        Sleep(10);
    }
    return INVALID_HANDLE_VALUE;
}

}

void LogEvent(const char* program, const char* format, ...)
{
    char event[1024];
    va_list arguments;
    va_start(arguments, format);
    wvsprintfA(event, format, arguments);
    va_end(arguments);

    char line[1100];
    int length = wsprintfA(line, "%lu %s %s\r\n", GetTickCount(), program, event);

    HANDLE file = OpenLogExclusively();
    if (file == INVALID_HANDLE_VALUE)
        return;
    SetFilePointer(file, 0, NULL, FILE_END);
    DWORD written;
    WriteFile(file, line, (DWORD)length, &written, NULL);
    CloseHandle(file);
}

void LogStarted(const char* program, const char* words)
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, sizeof path);
    LogEvent(program, *words ? "started %s %s" : "started %s%s", words, path);
}
