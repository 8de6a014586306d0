#include "BrandingFormat.h"
#include "BrandingProfile.h"

#include "File.h"

#include <stdlib.h>
#include <string.h>

namespace {

// Reads the whole file into a new malloc'ed buffer. CFile gives no size, so
// the buffer doubles until a read comes back short of filling it.
bool ReadWholeFile(const char* path, unsigned char** data, size_t* size)
{
    CFile file;
    if (file.OpenExisting(path) != 0)
        return false;
    unsigned char* buffer = 0;
    size_t capacity = 0, used = 0;
    for (;;) {
        size_t grown = capacity ? capacity * 2 : 4096;
        unsigned char* bigger = capacity > ((size_t)-1) / 4 ? 0 : (unsigned char*)realloc(buffer, grown);
        if (!bigger)
            break;
        buffer = bigger;
        capacity = grown;
        unsigned long wanted = (unsigned long)(capacity - used), got = 0;
        if (file.Read(buffer + used, wanted, &got) != 0)
            break;
        used += got;
        if (got < wanted) {
            *data = buffer;
            *size = used;
            return true;
        }
    }
    free(buffer);
    return false;
}

}

bool BrandingProfile::LoadBrandingFile(const char* path)
{
    SetDefaults();
    if (!path || !*path)
        return true;
    unsigned char* file = 0;
    size_t size = 0;
    if (!ReadWholeFile(path, &file, &size))
        return false;
    BrandingFileStatus status = ReadBrandingBytes(file, size);
    free(file);
    return status == BRANDING_FILE_READ;
}

BrandingFileStatus BrandingProfile::ReadBrandingBytes(unsigned char* file, size_t size)
{
    if (!HasBrandingMagic(file, size))
        return BRANDING_FILE_NOT_BRANDING;
    unsigned char* body = file + BRANDING_MAGIC_SIZE;
    size_t bodySize = size - BRANDING_MAGIC_SIZE;
    UnscrambleBytes(body, bodySize);

    // Every check comes before the bytes it guards are touched, so a file
    // that lies about a length is never read past its end.
    size_t at = 0;
    while (at < bodySize) {
        if (bodySize - at < BRANDING_ENTRY_HEADER_SIZE)
            return BRANDING_FILE_CUT_SHORT;
        // A key is text: a zero byte ends it, as it ends a value.
        const char key[3] = {(char)body[at], (char)body[at + 1], 0};
        size_t length = body[at + 2] | (size_t)body[at + 3] << 8;
        at += BRANDING_ENTRY_HEADER_SIZE;
        if (length > BRANDING_MAX_VALUE_LENGTH)
            return BRANDING_FILE_BAD_LENGTH;
        if (bodySize - at < length)
            return BRANDING_FILE_CUT_SHORT;

        const unsigned char* zero = (const unsigned char*)memchr(body + at, 0, length);
        int textLength = zero ? (int)(zero - (body + at)) : (int)length;
        CString value((const char*)body + at, textLength);
        if (value.GetLength() != textLength)
            return BRANDING_FILE_NO_MEMORY;
        at += length;
        value.TrimRight();
        // An empty value never removes a key: the key keeps what it held.
        if (!value.IsEmpty() && !SetValue(key, value))
            return BRANDING_FILE_NO_MEMORY;
    }
    return BRANDING_FILE_READ;
}
