// Feeds arbitrary bytes to the archive reader through a real file, as the
// installer reads data.z, and extracts into a folder of its own. Whatever
// the bytes, the reader must stay in bounds, end, and either succeed
// without a message or fail with one.
#include "PayloadArchiveReader.h"

#include "Message.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct Scratch {
    std::string folder, archive, output;
    Scratch()
    {
        std::string pattern = (std::filesystem::exists("/dev/shm") ? std::string("/dev/shm") : std::string("/tmp")) +
                              "/payload-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            abort();
        folder = pattern;
        archive = folder + "/archive.z";
        output = folder + "/out/";
        std::filesystem::create_directory(output);
    }
    ~Scratch() { std::filesystem::remove_all(folder); }
};

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Scratch scratch;
    FILE* file = std::fopen(scratch.archive.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        abort();

    ClearMessages();
    PayloadArchiveReader reader;
    int result = reader.ExtractArchive(scratch.archive.c_str(), scratch.output.c_str(), "Relay");
    if (result != (MessageCount() == 0))
        abort();

    for (const auto& entry : std::filesystem::directory_iterator(scratch.output))
        std::filesystem::remove_all(entry.path());
    return 0;
}
