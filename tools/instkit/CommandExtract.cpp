#include "Command.h"

#include "PayloadArchiveReader.h"

#include <filesystem>
#include <system_error>

namespace {

int Extract(const std::vector<std::string>& arguments)
{
    std::vector<std::string> paths;
    const char* serverName = nullptr;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != "--server-name")
            paths.push_back(arguments[i]);
        else if (++i < arguments.size())
            serverName = arguments[i].c_str();
        else
            throw UsageError("--server-name needs a name");
    }
    if (paths.size() != 2)
        throw UsageError("an archive and a folder are needed");

    std::string folder = paths[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw std::runtime_error("Couldn't create the folder '" + folder + "': " + error.message());
    // The reader joins with a backslash unless the folder ends in a
    // separator; on POSIX only '/' separates.
    if (folder.back() != '/')
        folder += '/';

    PayloadArchiveReader reader;
    return reader.ExtractArchive(paths[0].c_str(), folder.c_str(), serverName) ? EXIT_DONE : EXIT_FAILED;
}

}

extern const Command extractCommand = {
    "extract", "ARCHIVE FOLDER [--server-name NAME]",
    "Extracts every entry into the folder with the installer's reader. With --server-name the entry "
    "MailWarden.exe is written as NAME (\".exe\" added when missing), as an upgrade does; without it no "
    "entry is renamed.",
    Extract};
