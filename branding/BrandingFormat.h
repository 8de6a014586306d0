// The layout of a branding file: the magic "KK", then a body of entries, each
// a two-character key, a 16-bit little-endian value length and the value.
// The body is scrambled as a whole; the magic is not.
#pragma once

#include <stddef.h>

enum {
    BRANDING_MAGIC_SIZE = 2,
    BRANDING_ENTRY_HEADER_SIZE = 4,
    BRANDING_MAX_VALUE_LENGTH = 0x7FFF,   // the top bit of a length is never set
    BRANDING_WRITER_BUFFER = 8192         // the largest file the writer makes
};

inline bool HasBrandingMagic(const unsigned char* file, size_t size)
{
    return size >= BRANDING_MAGIC_SIZE && file[0] == 'K' && file[1] == 'K';
}
