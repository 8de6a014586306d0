// A file opened without sharing, with a Windows backend (CreateFileA) and a
// POSIX backend for host builds. Errors are results, never exceptions: each
// call returns 0 or the system's error code (GetLastError on Windows, errno
// elsewhere), which SystemErrorText turns into the system's own words.
#pragma once

#include "String.h"

typedef unsigned long FileError;

class CFile {
public:
    CFile();
    ~CFile();   // closes the file if it is still open

    // Opens an existing file for reading.
    FileError OpenExisting(const char* path);
    // Opens an existing file for writing without creating it.
    FileError OpenExistingForWrite(const char* path);
    // Creates the file for writing, replacing any file of that name.
    FileError CreateAlways(const char* path);

    // Reads up to count bytes; *got is the number read (0 at the end).
    FileError Read(void* buffer, unsigned long count, unsigned long* got);
    // Writes all count bytes or fails.
    FileError Write(const void* buffer, unsigned long count);
    // Closes the file; safe to call on a closed file, then it returns 0.
    FileError Close();

    bool IsOpen() const;

    static bool Remove(const char* path);

private:
    CFile(const CFile&);
    CFile& operator=(const CFile&);

#ifdef _WIN32
    void* handle;
#else
    int fd;
#endif
};

// The system's description of an error code, without a trailing line break.
CString SystemErrorText(FileError error);
