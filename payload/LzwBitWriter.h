// Packs codes into bytes, most significant bit first, as the reader cuts
// them (host only).
#pragma once

#include <vector>

class LzwBitWriter {
public:
    void Put(unsigned code, unsigned width);
    // The padding after an end code: zero bits up to the next byte boundary,
    // a whole zero byte when the stream already ends on one.
    void Pad();
    // The complete bytes so far; the caller may take and clear them.
    std::vector<unsigned char>& Bytes() { return bytes; }

private:
    std::vector<unsigned char> bytes;
    unsigned long pending = 0;   // the low pendingBits bits are not yet in bytes
    unsigned pendingBits = 0;
};
