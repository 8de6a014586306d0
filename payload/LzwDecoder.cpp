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
    unsigned width = codeWidth, offset = bitOffset;
    if (lookahead == LZW_NO_CODE)
        lookahead = ReadByte();
    unsigned code = lookahead & (0xFFu >> offset);
    unsigned next = ReadByte();
    lookahead = (unsigned short)next;
    int missing = (int)(width + offset) - 16;
    if (missing < 0) {
        code = (code << (8 + missing)) | (next >> -missing);
    } else {
        // The byte after is read even when none of its bits are needed:
        // lookahead always holds the byte of the next unread bit.
        unsigned last = ReadByte();
        lookahead = (unsigned short)last;
        code = (code << (8 + missing)) | (next << missing) | (last >> (8 - missing));
    }
    bitOffset = (unsigned short)((offset + width) & 7);
    return (unsigned short)code;
}

void PayloadArchiveReader::ClearDictionary()
{
    nextCode = LZW_FIRST_CODE;
    codeWidth = LZW_MIN_WIDTH;
    widthLimit = 1 << LZW_MIN_WIDTH;
}

// The caller guarantees nextCode < LZW_MAX_CODES and that both codes are
// below nextCode.
unsigned short PayloadArchiveReader::AddEntry(unsigned short prefix, unsigned short source)
{
    unsigned short code = nextCode++;
    DictionaryEntry& entry = dictionary[code];
    entry.prefix = prefix;
    entry.appended = dictionary[source].first;
    entry.first = dictionary[prefix].first;
    lengths[code] = (unsigned short)(lengths[prefix] + 1);
    if (nextCode == widthLimit) {
        ++codeWidth;
        widthLimit = (unsigned short)(1u << codeWidth);
    }
    return code;
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

unsigned long PayloadArchiveReader::DecodeChunk(unsigned char* buffer, unsigned long capacity)
{
    chunk = buffer;
    chunkCapacity = capacity;
    unsigned long length = 0;
    unsigned short depth = stackDepth;
    unsigned short prev = prevCode;

    while (depth > 0 && length < capacity)
        buffer[length++] = (unsigned char)stack[--depth];

    while (length < capacity) {
        unsigned short code = ReadCode();
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
        } else if (code < nextCode) {
            AddEntry(prev, code);
        } else {
            // The code the writer has just defined: the previous string
            // followed by its own first byte.
            code = AddEntry(prev, prev);
        }
        prev = code;

        // The string is written backwards from its last byte by walking the
        // prefix chain. When it does not fit, the bytes past the chunk's end
        // go on the stack for the next call, the first of them on top.
        unsigned long size = lengths[code];
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

    chunkLength = length;
    stackDepth = depth;
    prevCode = prev;
    return length;
}
