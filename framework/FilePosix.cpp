#include "File.h"

#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <unistd.h>

namespace {

FileError Open(int* fd, const char* path, int flags)
{
    *fd = open(path, flags | O_CLOEXEC, 0644);
    return *fd < 0 ? (FileError)errno : 0;
}

}

CFile::CFile() : fd(-1) {}

CFile::~CFile() { Close(); }

FileError CFile::OpenExisting(const char* path)
{
    Close();
    return Open(&fd, path, O_RDONLY);
}

FileError CFile::OpenExistingForWrite(const char* path)
{
    Close();
    return Open(&fd, path, O_WRONLY);
}

FileError CFile::CreateAlways(const char* path)
{
    Close();
    return Open(&fd, path, O_WRONLY | O_CREAT | O_TRUNC);
}

FileError CFile::Read(void* buffer, unsigned long count, unsigned long* got)
{
    unsigned long total = 0;
    while (total < count) {
        ssize_t n = read(fd, (char*)buffer + total, count - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *got = total;
            return (FileError)errno;
        }
        if (n == 0)
            break;
        total += (unsigned long)n;
    }
    *got = total;
    return 0;
}

FileError CFile::Write(const void* buffer, unsigned long count)
{
    unsigned long total = 0;
    while (total < count) {
        ssize_t n = write(fd, (const char*)buffer + total, count - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return (FileError)errno;
        if (n == 0)
            return ENOSPC;
        total += (unsigned long)n;
    }
    return 0;
}

FileError CFile::Close()
{
    if (fd < 0)
        return 0;
    int result = close(fd);
    fd = -1;
    return result == 0 ? 0 : (FileError)errno;
}

bool CFile::IsOpen() const { return fd >= 0; }

bool CFile::Remove(const char* path) { return unlink(path) == 0; }

CString SystemErrorText(FileError error) { return CString(strerror((int)error)); }
