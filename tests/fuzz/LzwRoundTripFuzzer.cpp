// Packs arbitrary bytes with the packer's encoder and decodes them with the
// reader's decoder, in chunks of a size the input chooses: what comes out
// must be what went in.
#include "LzwEncoder.h"
#include "PayloadArchiveReader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    unsigned long capacity = 1 + data[0] % 64;
    std::vector<unsigned char> stream = LzwEncode(data + 1, size - 1);

    static const std::string path = [] {
        std::string pattern = std::filesystem::temp_directory_path().string() + "/lzw-fuzz-XXXXXX";
        int fd = mkstemp(pattern.data());
        if (fd < 0)
            abort();
        close(fd);
        return pattern;
    }();
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(stream.data(), 1, stream.size(), file) != stream.size() || std::fclose(file) != 0)
        abort();

    PayloadArchiveReader reader;
    if (!reader.OpenArchive(path.c_str()))
        abort();
    reader.BeginEntry();
    std::vector<unsigned char> decoded, chunk(capacity);
    unsigned long n;
    do {
        n = reader.DecodeChunk(chunk.data(), capacity);
        decoded.insert(decoded.end(), chunk.begin(), chunk.begin() + n);
    } while (n == capacity && decoded.size() <= size);
    reader.CloseArchive();
    std::remove(path.c_str());
    if (reader.GetFault() != PayloadArchiveReader::FAULT_NONE || decoded != std::vector<unsigned char>(data + 1, data + size))
        abort();
    return 0;
}
