// The branding block: data resource 129 of the installer, 8,192 bytes.
//
//   offset 0   15 bytes   the marker "K.K.MW3RAS.K.K." (no zero)
//   offset 15   4 bytes   length of the branding file, little-endian
//   offset 19   length    the branding file; its first byte is 'K'
//
// Unfilled, the marker is followed by '+' characters up to the end of the
// block, broken by CR LF at offsets 30 and 31 and every 96 bytes after
// them (126 and 127, ..., 8190 and 8191).
#pragma once

#include <stddef.h>

enum {
    BRANDING_BLOCK_SIZE = 8192,
    BRANDING_MARKER_SIZE = 15,
    BRANDING_LENGTH_OFFSET = 15,
    BRANDING_DATA_OFFSET = 19,
    BRANDING_MAX_FILE = BRANDING_BLOCK_SIZE - BRANDING_DATA_OFFSET   // 8,173
};

extern const char brandingMarker[BRANDING_MARKER_SIZE + 1];   // "K.K.MW3RAS.K.K."

// Writes the unfilled block into block (BRANDING_BLOCK_SIZE bytes).
void FillUnbrandedBlock(unsigned char* block);

// Writes the block that carries the branding file file[0..length): the
// marker, the length and the file, the rest as in the unfilled block.
// False (block untouched) when length is larger than BRANDING_MAX_FILE.
bool FillBrandedBlock(unsigned char* block, const unsigned char* file, size_t length);

// The branding file a block of size bytes carries: true with *file and
// *length set when the byte at offset 19 is 'K' and the length fits into
// the block; false for an unfilled block, a block too small to hold the
// header, or a length that would reach past the block's end. The marker
// itself is not compared.
bool FindBrandingFile(const unsigned char* block, size_t size, const unsigned char** file,
                      size_t* length);
