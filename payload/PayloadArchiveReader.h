// Reads a payload archive and writes each entry as a file into a folder.
//
// The archive is a sequence of entries with no header: a name length byte
// (1-255), the name, and the entry's LZW code stream (LzwFormat.h). A zero
// length byte ends it. Every decoded byte passes through the stamp filter,
// which can overwrite the bytes after a fixed marker with a stamp text.
//
// Memory is fixed per archive: the buffers are allocated when the archive is
// opened and released when it is closed, whatever the size of the entries.
#pragma once

#include "File.h"
#include "LzwFormat.h"
#include "String.h"

class PayloadArchiveReader {
public:
    enum {
        INPUT_BUFFER_SIZE = 64512,
        CHUNK_CAPACITY = 64512,
        STACK_VALUES = 31744,
        STAMP_TEXT_SIZE = 60
    };
    // What went wrong with the archive itself; sticky until it is closed.
    enum Fault { FAULT_NONE, FAULT_DAMAGED, FAULT_READ };

    PayloadArchiveReader();
    ~PayloadArchiveReader();

    // Extracts every entry into folder (a backslash is added when it lacks
    // one). The entry "MailWarden.exe" (any case) is written as serverName,
    // with ".exe" added when it lacks that ending; a null serverName renames
    // nothing. Shows its own messages; nonzero when every entry was written.
    // Files of entries written before a failure stay.
    int ExtractArchive(const char* archivePath, const char* folder, const char* serverName);
    // Decodes the next entry of the open archive into a new file; nonzero on
    // success. On failure the message is shown and the file is removed.
    int ExtractEntry(const char* outputPath);
    // Closes the archive and releases the buffers; safe to call twice.
    void CloseArchive();

    // The text written after the stamp marker: at most 59 characters, a
    // longer text is cut. Empty until set.
    void SetStampText(const char* text);
    // Runs the process-wide stamp filter over count decoded bytes, in place.
    void ApplyStampFilter(unsigned char* bytes, unsigned long count);

    // Steps of ExtractArchive, public for the host tool that lists archives.
    // OpenArchive shows message 3 when the file cannot be opened and returns
    // zero, also when a buffer cannot be allocated.
    int OpenArchive(const char* archivePath);
    // 1 with the next entry's name, 0 at the archive's end (the zero length
    // byte), -1 when the archive is damaged or unreadable (message shown).
    int ReadEntryName(CString& name);
    // The entry reset, before the first DecodeChunk call of an entry.
    void BeginEntry();
    Fault GetFault() const { return fault; }
    // Shows the message of the archive's fault, if any.
    void ReportFault();

    // The decoder.
    unsigned char ReadByte()
    {
        if (inputPos == inputEnd)
            return RefillInput();
        return inputBuffer[inputPos++];
    }
    // The next code at codeWidth, read byte by byte.
    unsigned short ReadCode();
    void ClearDictionary();
    // Adds prefix's string followed by the first byte of source's string;
    // the caller guarantees nextCode < 8192 and both codes below nextCode.
    unsigned short AddEntry(unsigned short prefix, unsigned short source)
    {
        unsigned short code = nextCode++;
        DictionaryEntry& entry = dictionary[code];
        entry.prefix = prefix;
        entry.appended = dictionary[source].first;
        entry.first = dictionary[prefix].first;
        places[code].length = (unsigned short)(places[prefix].length + 1);
        if (nextCode == widthLimit) {
            ++codeWidth;
            widthLimit = (unsigned short)(1u << codeWidth);
        }
        return code;
    }
    // Decodes into buffer until capacity bytes are placed or the end code is
    // read. A result equal to capacity means the entry may go on; a smaller
    // one that it is complete, or that the stream broke (GetFault()).
    unsigned long DecodeChunk(unsigned char* buffer, unsigned long capacity);

private:
    PayloadArchiveReader(const PayloadArchiveReader&);
    PayloadArchiveReader& operator=(const PayloadArchiveReader&);

    struct DictionaryEntry {
        unsigned short prefix;     // code of the string this entry extends
        unsigned short appended;   // byte added to the end of that string
        unsigned short first;      // first byte of the whole string
    };

    unsigned char RefillInput();
    // Sets inputPos, lookahead and bitOffset from a bit position in the
    // input buffer (see DecodeChunk).
    void SyncInput(unsigned bit);
    bool AllocateBuffers();
    void Fail(Fault what);

    // Next dictionary code; below LZW_FIRST_CODE until the entry's first
    // clear code, LZW_MAX_CODES once the dictionary is full.
    unsigned short nextCode;
    // Codes 0-8191. Entries 0-255 hold the literals themselves (first = the
    // byte), so that a literal needs no special case while expanding.
    DictionaryEntry* dictionary;
    unsigned char* chunk;          // output of the DecodeChunk call in progress
    unsigned long chunkLength;     // bytes placed in chunk so far
    unsigned long chunkCapacity;
    unsigned char* inputBuffer;    // INPUT_BUFFER_SIZE bytes of the archive
    unsigned short inputPos;       // next byte; inputEnd means used up
    unsigned short bitOffset;      // bits of lookahead consumed, 0-7, from the top
    unsigned short codeWidth;      // 9-13 (14 only once the dictionary is full)
    unsigned short widthLimit;     // 1 << codeWidth
    // Bytes of a string that did not fit into the previous chunk, the next
    // one on top. Never more than the longest string (under 8,192).
    unsigned short* stack;
    unsigned short prevCode;       // LZW_NO_CODE after a clear code
    unsigned short stackDepth;
    unsigned short lookahead;      // byte holding the next unread bit, or LZW_NO_CODE
    CFile archiveFile;
    char stampText[STAMP_TEXT_SIZE];

    // For each code: where its string was last written, as a count of the
    // entry's output bytes (modulo 2^32), so that a string written earlier
    // in the current chunk is copied from there instead of walking its
    // prefix chain; and its length, so that it can be placed at once.
    // Literals have length 1.
    struct StringPlace {
        unsigned position;
        unsigned short length;
    };
    StringPlace* places;
    unsigned outputPos;            // count of the output byte next written
    unsigned prevPos;              // where prevCode's string was written
    unsigned char* chunkBuffer;    // CHUNK_CAPACITY bytes, one for all entries
    unsigned short inputEnd;       // bytes the last read delivered
    Fault fault;
    FileError readError;           // the system's reason for FAULT_READ
    CString archivePath;           // named by the messages about the archive
};
