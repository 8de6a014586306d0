#include "BrandingBlock.h"

#include <string.h>

const char brandingMarker[BRANDING_MARKER_SIZE + 1] = "K.K.MW3RAS.K.K.";

void FillUnbrandedBlock(unsigned char* block)
{
    memcpy(block, brandingMarker, BRANDING_MARKER_SIZE);
    memset(block + BRANDING_MARKER_SIZE, '+', BRANDING_BLOCK_SIZE - BRANDING_MARKER_SIZE);
    for (size_t line = 30; line + 1 < BRANDING_BLOCK_SIZE; line += 96) {
        block[line] = '\r';
        block[line + 1] = '\n';
    }
}

bool FillBrandedBlock(unsigned char* block, const unsigned char* file, size_t length)
{
    if (length > BRANDING_MAX_FILE)
        return false;
    FillUnbrandedBlock(block);
    for (int i = 0; i < 4; ++i)
        block[BRANDING_LENGTH_OFFSET + i] = (unsigned char)(length >> (8 * i));
    memcpy(block + BRANDING_DATA_OFFSET, file, length);
    return true;
}

bool FindBrandingFile(const unsigned char* block, size_t size, const unsigned char** file,
                      size_t* length)
{
    if (size <= BRANDING_DATA_OFFSET || block[BRANDING_DATA_OFFSET] != 'K')
        return false;
    unsigned long stated = 0;
    for (int i = 3; i >= 0; --i)
        stated = (stated << 8) | block[BRANDING_LENGTH_OFFSET + i];
    if (stated > BRANDING_MAX_FILE || stated > size - BRANDING_DATA_OFFSET)
        return false;
    *file = block + BRANDING_DATA_OFFSET;
    *length = stated;
    return true;
}
