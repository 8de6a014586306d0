#include "Command.h"
#include "ProgressLine.h"

#include "PayloadArchiveWriter.h"

namespace {

int Pack(const std::vector<std::string>& arguments)
{
    if (arguments.size() < 2)
        throw UsageError("an archive and at least one file are needed");
    ProgressLine progress;
    WritePayloadArchive(arguments[0], std::vector<std::string>(arguments.begin() + 1, arguments.end()),
                        [&](const std::string& file, uint64_t done, uint64_t total) {
                            int percent = total ? (int)(done * 100 / total) : 100;
                            progress.Show("packing " + std::to_string(percent) + "%  " + file);
                        });
    return EXIT_DONE;
}

}

extern const Command packCommand = {
    "pack", "ARCHIVE FILE...",
    "Packs the files into a new archive, in the order given, each entry named by the file's base name.",
    Pack};
