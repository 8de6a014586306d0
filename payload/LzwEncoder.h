// Writes the LZW code stream of one archive entry (host only: the packer).
//
// The streams follow LzwFormat.h exactly: a clear code first, a clear code
// whenever the reader's next free code reaches LZW_CLEAR_AT, the end code
// and the padding. The parse looks one step ahead: where a shorter match
// lets the following match reach further than the greedy pair does, it
// takes the shorter one.
#pragma once

#include <functional>
#include <vector>

class LzwBitWriter;

class LzwEncoder {
public:
    // Fills buffer with up to size bytes of the entry; 0 at its end.
    using Source = std::function<size_t(unsigned char* buffer, size_t size)>;
    // Receives the stream's bytes as they are complete.
    using Sink = std::function<void(const unsigned char* bytes, size_t size)>;

    LzwEncoder();
    void Encode(const Source& source, const Sink& sink);

private:
    // The dictionary as a hash from (code, next byte) to the code that
    // extends it, and the reader's view of it, mirrored code by code.
    unsigned short Find(unsigned short code, unsigned char byte) const;
    void Add(unsigned short code, unsigned char byte);
    void Clear(LzwBitWriter& out);
    void Emit(LzwBitWriter& out, unsigned short code);
    // Length of the longest dictionary string at data[0..available), at
    // least 1; codes[k] receives the code of its first k bytes.
    size_t Match(const unsigned char* data, size_t available, unsigned short* codes) const;
    size_t MatchLength(const unsigned char* data, size_t available) const;

    std::vector<unsigned> keys;          // (code << 8 | byte) + 1; 0 is a free slot
    std::vector<unsigned short> values;
    std::vector<unsigned short> codes;   // scratch for Match
    unsigned nextCode = 0;               // the next code this writer assigns
    unsigned readerNext = 0;             // the reader's next free code
    unsigned readerWidth = 0;            // the width the reader reads the next code at
    bool afterClear = false;             // the next code adds no entry at the reader
};

// The code stream of data[0..size), whole.
std::vector<unsigned char> LzwEncode(const unsigned char* data, size_t size);
