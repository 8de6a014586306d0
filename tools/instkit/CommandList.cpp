#include "Command.h"

#include "PayloadArchiveReader.h"

#include <cstdio>

namespace {

int List(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 1)
        throw UsageError("one archive is needed");
    PayloadArchiveReader reader;
    if (!reader.OpenArchive(arguments[0].c_str()))
        return EXIT_FAILED;
    std::vector<unsigned char> chunk(PayloadArchiveReader::CHUNK_CAPACITY);
    CString name;
    int found;
    while ((found = reader.ReadEntryName(name)) > 0) {
        reader.BeginEntry();
        unsigned long long size = 0;
        unsigned long length;
        do {
            length = reader.DecodeChunk(chunk.data(), (unsigned long)chunk.size());
            size += length;
        } while (length == chunk.size() && reader.GetFault() == PayloadArchiveReader::FAULT_NONE);
        if (reader.GetFault() != PayloadArchiveReader::FAULT_NONE) {
            reader.ReportFault();
            return EXIT_FAILED;
        }
        std::printf("%s\t%llu\n", name.GetString(), size);
    }
    return found == 0 ? EXIT_DONE : EXIT_FAILED;
}

}

extern const Command listCommand = {
    "list", "ARCHIVE", "Lists the archive's entries, one line each: the name, a tab and the size in bytes.",
    List};
