#include "BrandingFormat.h"
#include "BrandingProfile.h"

#include "File.h"

#include <stdlib.h>
#include <string.h>

namespace {

// Builds the whole file in buffer (BRANDING_WRITER_BUFFER bytes); false when
// it does not fit or a key has more than two characters.
bool BuildBrandingFile(const BrandingProfile& profile, unsigned char* buffer, size_t* size)
{
    if (profile.GetSavedSize() > BRANDING_WRITER_BUFFER)
        return false;
    buffer[0] = 'K';
    buffer[1] = 'K';
    size_t at = BRANDING_MAGIC_SIZE;
    for (int i = 0; i < profile.GetCount(); ++i) {
        const CString& key = profile.KeyAt(i);
        const CString& value = profile.ValueAt(i);
        size_t length = (size_t)value.GetLength();
        if (key.GetLength() > 2)
            return false;
        // A key read from a file may be shorter: its zero byte is written
        // back, so the file reads back the same.
        buffer[at] = (unsigned char)(key.GetLength() > 0 ? key.GetAt(0) : 0);
        buffer[at + 1] = (unsigned char)(key.GetLength() > 1 ? key.GetAt(1) : 0);
        buffer[at + 2] = (unsigned char)(length & 0xFF);
        buffer[at + 3] = (unsigned char)(length >> 8);
        memcpy(buffer + at + BRANDING_ENTRY_HEADER_SIZE, value.GetString(), length);
        at += BRANDING_ENTRY_HEADER_SIZE + length;
    }
    BrandingProfile::ScrambleBytes(buffer + BRANDING_MAGIC_SIZE, at - BRANDING_MAGIC_SIZE);
    *size = at;
    return true;
}

// A file that cannot be written or closed in full is removed, so that no
// reader ever meets half a branding file.
bool WriteNewFile(const char* path, const unsigned char* data, size_t size)
{
    CFile file;
    if (file.CreateAlways(path) != 0)
        return false;
    bool written = file.Write(data, (unsigned long)size) == 0;
    written = file.Close() == 0 && written;
    if (!written)
        CFile::Remove(path);
    return written;
}

}

size_t BrandingProfile::GetSavedSize() const
{
    size_t size = BRANDING_MAGIC_SIZE;
    for (int i = 0; i < GetCount(); ++i)
        size += BRANDING_ENTRY_HEADER_SIZE + (size_t)ValueAt(i).GetLength();
    return size;
}

bool BrandingProfile::SaveBrandingFile(const char* path) const
{
    // Built before the file is created, so a refused profile leaves any
    // existing file as it was.
    unsigned char* buffer = (unsigned char*)malloc(BRANDING_WRITER_BUFFER);
    if (!buffer)
        return false;
    size_t size = 0;
    bool saved = BuildBrandingFile(*this, buffer, &size) && WriteNewFile(path, buffer, size);
    free(buffer);
    return saved;
}
