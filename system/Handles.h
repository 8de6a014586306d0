// One small owner per kind of Windows handle: not copyable, closes itself
// on every path out, Close() safe to call twice.
#pragma once

#include <windows.h>

class RegistryKey {
public:
    RegistryKey() : key(NULL) {}
    ~RegistryKey() { Close(); }
    // False when the key cannot be opened with the given access.
    bool OpenExisting(HKEY parent, const char* subKey, REGSAM access)
    {
        Close();
        return RegOpenKeyExA(parent, subKey, 0, access, &key) == ERROR_SUCCESS;
    }
    // Opens the key, creating it and any missing keys above it.
    bool CreateOrOpen(HKEY parent, const char* subKey, REGSAM access)
    {
        Close();
        DWORD disposition;
        return RegCreateKeyExA(parent, subKey, 0, NULL, REG_OPTION_NON_VOLATILE, access, NULL,
                               &key, &disposition) == ERROR_SUCCESS;
    }
    void Close()
    {
        if (key)
            RegCloseKey(key);
        key = NULL;
    }
    operator HKEY() const { return key; }

private:
    RegistryKey(const RegistryKey&);
    RegistryKey& operator=(const RegistryKey&);
    HKEY key;
};

class ProcessHandle {
public:
    explicit ProcessHandle(HANDLE handle = NULL) : handle(handle) {}
    ~ProcessHandle() { Close(); }
    void Close()
    {
        if (handle)
            CloseHandle(handle);
        handle = NULL;
    }
    operator HANDLE() const { return handle; }

private:
    ProcessHandle(const ProcessHandle&);
    ProcessHandle& operator=(const ProcessHandle&);
    HANDLE handle;
};

class FindHandle {
public:
    FindHandle() : handle(INVALID_HANDLE_VALUE) {}
    ~FindHandle() { Close(); }
    // False when the search finds nothing or cannot be made.
    bool FindFirst(const char* pattern, WIN32_FIND_DATAA* found)
    {
        Close();
        handle = FindFirstFileA(pattern, found);
        return handle != INVALID_HANDLE_VALUE;
    }
    bool FindNext(WIN32_FIND_DATAA* found) { return FindNextFileA(handle, found) != 0; }
    void Close()
    {
        if (handle != INVALID_HANDLE_VALUE)
            FindClose(handle);
        handle = INVALID_HANDLE_VALUE;
    }

private:
    FindHandle(const FindHandle&);
    FindHandle& operator=(const FindHandle&);
    HANDLE handle;
};
