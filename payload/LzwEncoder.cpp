#include "LzwEncoder.h"

#include "LzwBitWriter.h"
#include "LzwFormat.h"

#include <algorithm>
#include <string.h>

namespace {

enum {
    HASH_SLOTS = 1 << 15,            // four times the codes: short probes
    LONGEST_STRING = LZW_MAX_CODES,  // a string is never longer than the codes
    // A look-ahead step needs the string at a position and the one after it.
    WINDOW_LOOKAHEAD = 2 * LONGEST_STRING,
    WINDOW_SIZE = 1 << 20,
    // How many lengths below the greedy one are tried; more gains little
    // and costs time on long matches.
    SHORTER_TRIED = 4
};

unsigned Hash(unsigned key) { return (key * 2654435761u) >> (32 - 15); }

}

LzwEncoder::LzwEncoder() : keys(HASH_SLOTS), values(HASH_SLOTS), codes(LONGEST_STRING + 1) {}

unsigned short LzwEncoder::Find(unsigned short code, unsigned char byte) const
{
    unsigned key = ((unsigned)code << 8 | byte) + 1;
    for (unsigned slot = Hash(key);; slot = (slot + 1) & (HASH_SLOTS - 1)) {
        if (keys[slot] == key)
            return values[slot];
        if (keys[slot] == 0)
            return LZW_NO_CODE;
    }
}

void LzwEncoder::Add(unsigned short code, unsigned char byte)
{
    unsigned key = ((unsigned)code << 8 | byte) + 1;
    unsigned slot = Hash(key);
    while (keys[slot] != 0 && keys[slot] != key)
        slot = (slot + 1) & (HASH_SLOTS - 1);
    // A string already present keeps its older code: both decode alike.
    if (keys[slot] == 0) {
        keys[slot] = key;
        values[slot] = (unsigned short)nextCode;
    }
    ++nextCode;
}

void LzwEncoder::Clear(LzwBitWriter& out)
{
    out.Put(LZW_CLEAR_CODE, readerWidth);
    std::fill(keys.begin(), keys.end(), 0u);
    nextCode = readerNext = LZW_FIRST_CODE;
    readerWidth = LZW_MIN_WIDTH;
    afterClear = true;
}

void LzwEncoder::Emit(LzwBitWriter& out, unsigned short code)
{
    out.Put(code, readerWidth);
    if (!afterClear && ++readerNext == 1u << readerWidth)
        ++readerWidth;
    afterClear = false;
}

size_t LzwEncoder::Match(const unsigned char* data, size_t available, unsigned short* found) const
{
    unsigned short code = data[0];
    found[1] = code;
    size_t length = 1;
    while (length < available) {
        unsigned short longer = Find(code, data[length]);
        if (longer == LZW_NO_CODE)
            break;
        code = longer;
        found[++length] = code;
    }
    return length;
}

size_t LzwEncoder::MatchLength(const unsigned char* data, size_t available) const
{
    unsigned short code = data[0];
    size_t length = 1;
    while (length < available && (code = Find(code, data[length])) != LZW_NO_CODE)
        ++length;
    return length;
}

void LzwEncoder::Encode(const Source& source, const Sink& sink)
{
    LzwBitWriter out;
    std::vector<unsigned char> window(WINDOW_SIZE);
    size_t pos = 0, end = 0;
    bool sourceEnded = false;

    readerWidth = LZW_MIN_WIDTH;
    Clear(out);
    for (;;) {
        if (!sourceEnded && end - pos < WINDOW_LOOKAHEAD) {
            memmove(window.data(), window.data() + pos, end - pos);
            end -= pos;
            pos = 0;
            while (!sourceEnded && end < WINDOW_SIZE) {
                size_t got = source(window.data() + end, WINDOW_SIZE - end);
                end += got;
                sourceEnded = got == 0;
            }
        }
        if (pos == end)
            break;

        const unsigned char* data = window.data() + pos;
        size_t available = end - pos;
        size_t length = Match(data, available, codes.data());
        if (length > 1 && length < available) {
            size_t reach = length + MatchLength(data + length, available - length);
            size_t greedy = length;
            size_t shortest = greedy > SHORTER_TRIED ? greedy - SHORTER_TRIED : 1;
            for (size_t k = greedy - 1; k >= shortest; --k) {
                size_t r = k + MatchLength(data + k, available - k);
                if (r > reach) {
                    reach = r;
                    length = k;
                }
            }
        }

        Emit(out, codes[length]);
        if (length < available)
            Add(codes[length], data[length]);
        pos += length;
        if (readerNext == LZW_CLEAR_AT)
            Clear(out);

        if (out.Bytes().size() >= WINDOW_SIZE) {
            sink(out.Bytes().data(), out.Bytes().size());
            out.Bytes().clear();
        }
    }
    out.Put(LZW_END_CODE, readerWidth);
    out.Pad();
    sink(out.Bytes().data(), out.Bytes().size());
}

std::vector<unsigned char> LzwEncode(const unsigned char* data, size_t size)
{
    std::vector<unsigned char> stream;
    size_t given = 0;
    LzwEncoder().Encode(
        [&](unsigned char* buffer, size_t room) {
            size_t n = std::min(room, size - given);
            if (n)
                memcpy(buffer, data + given, n);
            given += n;
            return n;
        },
        [&](const unsigned char* bytes, size_t n) { stream.insert(stream.end(), bytes, bytes + n); });
    return stream;
}
