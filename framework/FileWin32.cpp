#include "File.h"

#include <windows.h>

namespace {

FileError Open(void** handle, const char* path, DWORD access, DWORD disposition)
{
    *handle = CreateFileA(path, access, 0, NULL, disposition, FILE_ATTRIBUTE_NORMAL, NULL);
    return *handle == INVALID_HANDLE_VALUE ? GetLastError() : 0;
}

}

CFile::CFile() : handle(INVALID_HANDLE_VALUE) {}

CFile::~CFile() { Close(); }

FileError CFile::OpenExisting(const char* path)
{
    Close();
    return Open(&handle, path, GENERIC_READ, OPEN_EXISTING);
}

FileError CFile::OpenExistingForWrite(const char* path)
{
    Close();
    return Open(&handle, path, GENERIC_WRITE, OPEN_EXISTING);
}

FileError CFile::CreateAlways(const char* path)
{
    Close();
    return Open(&handle, path, GENERIC_WRITE, CREATE_ALWAYS);
}

FileError CFile::Read(void* buffer, unsigned long count, unsigned long* got)
{
    DWORD n = 0;
    BOOL ok = ReadFile(handle, buffer, count, &n, NULL);
    *got = n;
    return ok ? 0 : GetLastError();
}

FileError CFile::Write(const void* buffer, unsigned long count)
{
    DWORD n = 0;
    if (!WriteFile(handle, buffer, count, &n, NULL))
        return GetLastError();
    return n == count ? 0 : ERROR_DISK_FULL;
}

FileError CFile::Close()
{
    if (handle == INVALID_HANDLE_VALUE)
        return 0;
    BOOL ok = CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
    return ok ? 0 : GetLastError();
}

bool CFile::IsOpen() const { return handle != INVALID_HANDLE_VALUE; }

bool CFile::Remove(const char* path) { return DeleteFileA(path) != 0; }

CString SystemErrorText(FileError error)
{
    CString text;
    char* buffer = text.GetBuffer(512);
    if (!buffer)
        return text;
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL,
                             error, 0, buffer, 512, NULL);
    text.ReleaseBuffer((int)n);
    text.TrimRight();
    if (text.IsEmpty())
        text.Format("System error %lu.", error);
    return text;
}
