#include "LzwBitWriter.h"

void LzwBitWriter::Put(unsigned code, unsigned width)
{
    pending = (pending << width) | code;
    pendingBits += width;
    while (pendingBits >= 8) {
        pendingBits -= 8;
        bytes.push_back((unsigned char)(pending >> pendingBits));
    }
    pending &= (1ul << pendingBits) - 1;
}

void LzwBitWriter::Pad()
{
    bytes.push_back((unsigned char)(pending << (8 - pendingBits)));
    pending = 0;
    pendingBits = 0;
}
