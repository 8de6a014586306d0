// The variable-width LZW code stream of a payload archive entry, as both the
// reader and the packer see it.
//
// Codes 0-255 are literal bytes, 256 clears the dictionary, 257 ends the
// entry, 258 and up are dictionary strings in the order they are added.
// Bits are packed most significant first; codes start 9 bits wide and grow
// by one bit when the reader's next free code reaches 512, 1024, 2048 and
// 4096. After the end code, zero bits pad to the next byte boundary, a
// whole zero byte when the end code already ends on one.
#pragma once

enum {
    LZW_CLEAR_CODE = 256,
    LZW_END_CODE = 257,
    LZW_FIRST_CODE = 258,
    LZW_MIN_WIDTH = 9,
    LZW_MAX_CODES = 8192,       // the dictionary holds codes 0-8191
    // Writers clear when the reader's next free code reaches this, so no
    // code above 8189 occurs and codes stay at most 13 bits wide.
    LZW_CLEAR_AT = 8190,
    LZW_NO_CODE = 0xFFFF
};
