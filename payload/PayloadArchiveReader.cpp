// The container side of PayloadArchiveReader: the archive file, its named
// entries and the output files.
//
// Failures after a file was opened are reported, never left to chance: a
// read error of the archive names it with the system's reason, a write or
// close error names the output file, and a damaged archive is called so.
// The output file of the entry that failed is removed, so that no truncated
// file is left looking complete; files of earlier entries stay.
#include "PayloadArchiveReader.h"

#include "EntryName.h"
#include "LzwFormat.h"
#include "Message.h"
#include "Texts.h"
#include "WaitCursor.h"

#include <stdlib.h>

PayloadArchiveReader::PayloadArchiveReader()
    : nextCode(0),
      dictionary(0),
      chunk(0),
      chunkLength(0),
      chunkCapacity(0),
      inputBuffer(0),
      inputPos(0),
      bitOffset(0),
      codeWidth(LZW_MIN_WIDTH),
      widthLimit(1 << LZW_MIN_WIDTH),
      stack(0),
      prevCode(LZW_NO_CODE),
      stackDepth(0),
      lookahead(LZW_NO_CODE),
      places(0),
      outputPos(0),
      prevPos(0),
      chunkBuffer(0),
      inputEnd(0),
      fault(FAULT_NONE),
      readError(0)
{
    SetStampText("");
}

PayloadArchiveReader::~PayloadArchiveReader() { CloseArchive(); }

int PayloadArchiveReader::ExtractArchive(const char* archivePath, const char* folder,
                                         const char* serverName)
{
    CWaitCursor waitCursor;

    // 1. Open the archive and allocate the buffers.
    if (!OpenArchive(archivePath))
        return 0;

    // 2. Every output path starts with the folder and one separator.
    CString prefix = FolderPrefix(folder);

    // 3. Each entry in turn, until the zero length byte.
    for (;;) {
        CString name;
        int found = ReadEntryName(name);
        if (found <= 0) {
            CloseArchive();
            return found == 0;
        }
        if (!OutputFileName(name, serverName)) {
            ShowMessage(IDS_BAD_ENTRY_NAME, archivePath, name.GetString());
            CloseArchive();
            return 0;
        }
        if (!ExtractEntry(prefix + name)) {
            CloseArchive();
            return 0;
        }
    }
}

int PayloadArchiveReader::OpenArchive(const char* path)
{
    CloseArchive();
    archivePath = path;
    fault = FAULT_NONE;
    readError = 0;
    if (archiveFile.OpenExisting(path) != 0) {
        ShowMessage(IDS_ARCHIVE_NOT_FOUND, path);
        return 0;
    }
    if (!AllocateBuffers())
        return 0;
    inputPos = inputEnd = INPUT_BUFFER_SIZE;
    return 1;
}

bool PayloadArchiveReader::AllocateBuffers()
{
    inputBuffer = (unsigned char*)malloc(INPUT_BUFFER_SIZE);
    stack = (unsigned short*)malloc(STACK_VALUES * sizeof *stack);
    dictionary = (DictionaryEntry*)malloc(LZW_MAX_CODES * sizeof *dictionary);
    places = (StringPlace*)malloc(LZW_MAX_CODES * sizeof *places);
    chunkBuffer = (unsigned char*)malloc(CHUNK_CAPACITY);
    if (!inputBuffer || !stack || !dictionary || !places || !chunkBuffer)
        return false;
    for (unsigned short c = 0; c <= 0xFF; ++c) {
        dictionary[c].first = c;
        places[c].length = 1;
        places[c].position = 0;
    }
    return true;
}

int PayloadArchiveReader::ReadEntryName(CString& name)
{
    char bytes[255];
    unsigned char length = ReadByte();
    for (unsigned char i = 0; i < length; ++i)
        bytes[i] = (char)ReadByte();
    if (fault != FAULT_NONE) {
        ReportFault();
        return -1;
    }
    if (length == 0)
        return 0;
    name = CString(bytes, length);
    return 1;
}

int PayloadArchiveReader::ExtractEntry(const char* outputPath)
{
    // 1. Create the output file.
    CFile output;
    if (output.CreateAlways(outputPath) != 0) {
        ShowMessage(IDS_CANNOT_CREATE, outputPath);
        return 0;
    }

    // 2. Reset the decoder for the entry.
    BeginEntry();

    // 3. Decode, stamp and write chunk by chunk, until a short chunk.
    FileError error = 0;
    unsigned long length;
    do {
        length = DecodeChunk(chunkBuffer, CHUNK_CAPACITY);
        if (fault != FAULT_NONE)
            break;
        ApplyStampFilter(chunkBuffer, length);
        error = output.Write(chunkBuffer, length);
    } while (!error && length == CHUNK_CAPACITY);

    // 4. Close; a file that could not be completed is removed.
    if (!error)
        error = output.Close();
    if (!error && fault == FAULT_NONE)
        return 1;
    output.Close();
    CFile::Remove(outputPath);
    if (error)
        ShowMessage(IDS_WRITE_FAILED, outputPath, SystemErrorText(error).GetString());
    else
        ReportFault();
    return 0;
}

void PayloadArchiveReader::ReportFault()
{
    if (fault == FAULT_READ)
        ShowMessage(IDS_READ_FAILED, archivePath.GetString(), SystemErrorText(readError).GetString());
    else if (fault == FAULT_DAMAGED)
        ShowMessage(IDS_ARCHIVE_DAMAGED, archivePath.GetString());
}

void PayloadArchiveReader::CloseArchive()
{
    archiveFile.Close();
    free(inputBuffer);
    free(stack);
    free(dictionary);
    free(places);
    free(chunkBuffer);
    inputBuffer = 0;
    stack = 0;
    dictionary = 0;
    places = 0;
    chunkBuffer = 0;
}
