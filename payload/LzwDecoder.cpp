// The decoding half of PayloadArchiveReader: bytes in from the archive,
// codes out of the bit stream, strings out of the dictionary.
//
// A stream that breaks the format ends the entry with FAULT_DAMAGED instead
// of being decoded somehow: no clear code first, a dictionary code with no
// previous code, a code above the next free code, a code that needs a new
// entry when the dictionary is full, or an archive that ends early. Every
// table access happens after the code's range check, so no input reads or
// writes out of bounds, and every code consumes input, so none loops.
#include "PayloadArchiveReader.h"

#include "LzwFormat.h"

#include <string.h>

unsigned char PayloadArchiveReader::RefillInput()
{
    // Past the archive's end a read delivers nothing: decoding stale buffer
    // bytes again could go on for ever, so the end of the file is a fault
    // (a well-formed archive is read up to its final zero byte only).
    if (fault != FAULT_NONE)
        return 0;
    unsigned long got = 0;
    FileError error = archiveFile.Read(inputBuffer, INPUT_BUFFER_SIZE, &got);
    if (error) {
        readError = error;
        Fail(FAULT_READ);
        return 0;
    }
    if (got == 0) {
        Fail(FAULT_DAMAGED);
        return 0;
    }
    inputEnd = (unsigned short)got;
    inputPos = 1;
    return inputBuffer[0];
}

void PayloadArchiveReader::Fail(Fault what)
{
    if (fault == FAULT_NONE)
        fault = what;
}

unsigned short PayloadArchiveReader::ReadCode()
{
    unsigned end = bitOffset + codeWidth;   // at most 7 + 14 bits
    if (lookahead == LZW_NO_CODE)
        lookahead = ReadByte();
    unsigned window = (unsigned)lookahead << 16;
    lookahead = ReadByte();
    window |= (unsigned)lookahead << 8;
    // The byte after the code's last bit is read even when none of its bits
    // are needed: lookahead always holds the byte of the next unread bit.
    if (end >= 16) {
        lookahead = ReadByte();
        window |= lookahead;
    }
    bitOffset = (unsigned short)(end & 7);
    return (unsigned short)((window >> (24 - end)) & ((1u << codeWidth) - 1));
}

void PayloadArchiveReader::SyncInput(unsigned bit)
{
    if (lookahead == LZW_NO_CODE || fault != FAULT_NONE)
        return;
    inputPos = (unsigned short)((bit >> 3) + 1);
    lookahead = inputBuffer[bit >> 3];
    bitOffset = (unsigned short)(bit & 7);
}

void PayloadArchiveReader::ClearDictionary()
{
    nextCode = LZW_FIRST_CODE;
    codeWidth = LZW_MIN_WIDTH;
    widthLimit = 1 << LZW_MIN_WIDTH;
}

void PayloadArchiveReader::BeginEntry()
{
    // No dictionary until the entry's clear code: a stream that does not
    // start with one is damaged, whatever the previous entry left.
    nextCode = 0;
    codeWidth = LZW_MIN_WIDTH;
    widthLimit = 1 << LZW_MIN_WIDTH;
    bitOffset = 0;
    prevCode = LZW_NO_CODE;
    stackDepth = 0;
    lookahead = LZW_NO_CODE;
}

namespace {

// Copies a string that was written earlier in the same chunk, back bytes
// before to. The copy runs forward so that a string that ends with its own
// first byte (back < n) reads that byte after writing it. Whole words are
// moved when they neither overlap nor reach past the chunk's end.
inline void CopyEarlierString(unsigned char* to, unsigned long back, unsigned long n, unsigned long room)
{
    const unsigned char* from = to - back;
    if (back >= 8 && n + 8 <= room) {
        for (unsigned long i = 0; i < n; i += 8)
            memcpy(to + i, from + i, 8);
    } else {
        for (unsigned long i = 0; i < n; ++i)
            to[i] = from[i];
    }
}

}


unsigned long PayloadArchiveReader::DecodeChunk(unsigned char* buffer, unsigned long capacity)
{
    chunk = buffer;
    chunkCapacity = capacity;
    unsigned long length = 0;
    unsigned short depth = stackDepth;
    unsigned short prev = prevCode;
    unsigned base = outputPos;   // the count of buffer[0]
    // While the four bytes from the lookahead byte on are in the input
    // buffer, a code is cut from them at once and only this bit position
    // (of the next unread bit, counted from the buffer's start) moves; the
    // fields are brought up to date before ReadCode and on the way out.
    unsigned bit = lookahead == LZW_NO_CODE ? 0 : (inputPos - 1u) * 8 + bitOffset;

    while (depth > 0 && length < capacity)
        buffer[length++] = (unsigned char)stack[--depth];

    while (length < capacity) {
        unsigned short code;
        if (lookahead != LZW_NO_CODE && (bit >> 3) + 4 <= inputEnd) {
            const unsigned char* in = inputBuffer + (bit >> 3);
            unsigned window = (unsigned)in[0] << 24 | (unsigned)in[1] << 16 | (unsigned)in[2] << 8 | in[3];
            code = (unsigned short)((window << (bit & 7)) >> (32 - codeWidth));
            bit += codeWidth;
        } else {
            SyncInput(bit);
            code = ReadCode();
            bit = (inputPos - 1u) * 8 + bitOffset;
        }
        if (fault != FAULT_NONE)
            break;
        if (code == LZW_CLEAR_CODE) {
            ClearDictionary();
            prev = LZW_NO_CODE;
            continue;
        }
        if (nextCode < LZW_FIRST_CODE) {
            Fail(FAULT_DAMAGED);   // no clear code yet
            break;
        }
        if (code == LZW_END_CODE)
            break;
        if (prev == LZW_NO_CODE) {
            if (code > 0xFF) {
                Fail(FAULT_DAMAGED);   // no string to extend
                break;
            }
        } else if (nextCode == LZW_MAX_CODES || code > nextCode) {
            Fail(FAULT_DAMAGED);   // no room, or a code not yet defined
            break;
        } else {
            // The new entry is the previous string and the first byte of
            // this one: it stands where the previous string was written.
            places[nextCode].position = prevPos;
            if (code < nextCode)
                AddEntry(prev, code);
            else
                code = AddEntry(prev, prev);   // the code just defined
        }
        prev = code;

        unsigned at = base + (unsigned)length;
        prevPos = at;
        if (code <= 0xFF) {
            buffer[length++] = (unsigned char)code;
            continue;
        }
        StringPlace& place = places[code];
        unsigned long size = place.length;
        unsigned long back = at - place.position;
        place.position = at;
        if (size <= capacity - length && back <= length) {
            CopyEarlierString(buffer + length, back, size, capacity - length);
            length += size;
            continue;
        }

        // Otherwise the string is written backwards from its last byte by
        // walking the prefix chain. When it does not fit, the bytes past
        // the chunk's end go on the stack for the next call, the first of
        // them on top.
        unsigned char* out;
        if (size <= capacity - length) {
            length += size;
            out = buffer + length;
        } else {
            for (unsigned long n = size - (capacity - length); n > 0; --n) {
                stack[depth++] = dictionary[code].appended;
                code = dictionary[code].prefix;
            }
            length = capacity;
            out = buffer + capacity;
        }
        while (code > 0xFF) {
            *--out = (unsigned char)dictionary[code].appended;
            code = dictionary[code].prefix;
        }
        *--out = (unsigned char)code;
    }

    SyncInput(bit);
    chunkLength = length;
    stackDepth = depth;
    prevCode = prev;
    outputPos = base + (unsigned)length;
    return length;
}
