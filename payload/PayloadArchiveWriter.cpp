#include "PayloadArchiveWriter.h"

#include "EntryName.h"
#include "LzwEncoder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <system_error>

namespace {

using FilePointer = std::unique_ptr<FILE, int (*)(FILE*)>;

std::runtime_error FileFailure(const char* what, const std::string& path)
{
    return std::runtime_error(std::string("Couldn't ") + what + " the file '" + path + "': " +
                              std::strerror(errno));
}

std::string EntryNameOf(const std::string& path)
{
    std::string name = std::filesystem::path(path).filename().string();
    if (name.empty() || name.size() > 255 || !IsPlainFileName(CString(name.data(), (int)name.size())))
        throw std::runtime_error("The file '" + path + "' has no name that an archive entry can take (1-255 bytes without '\\', '/' or ':').");
    return name;
}

void Write(FILE* out, const std::string& archivePath, const void* bytes, size_t size)
{
    if (size && std::fwrite(bytes, 1, size, out) != size)
        throw FileFailure("write", archivePath);
}

void WriteEntries(FILE* out, const std::string& archivePath, const std::vector<std::string>& files,
                  const PackProgress& progress)
{
    uint64_t total = 0, done = 0;
    for (const std::string& file : files) {
        std::error_code error;
        uintmax_t size = std::filesystem::file_size(file, error);
        total += error ? 0 : size;
    }

    LzwEncoder encoder;
    for (const std::string& file : files) {
        std::string name = EntryNameOf(file);
        FilePointer in(std::fopen(file.c_str(), "rb"), std::fclose);
        if (!in)
            throw FileFailure("open", file);
        unsigned char length = (unsigned char)name.size();
        Write(out, archivePath, &length, 1);
        Write(out, archivePath, name.data(), name.size());
        encoder.Encode(
            [&](unsigned char* buffer, size_t room) {
                size_t got = std::fread(buffer, 1, room, in.get());
                if (got == 0 && std::ferror(in.get()))
                    throw FileFailure("read", file);
                done += got;
                if (progress)
                    progress(file, done, total);
                return got;
            },
            [&](const unsigned char* bytes, size_t size) { Write(out, archivePath, bytes, size); });
    }
}

}

void WritePayloadArchive(const std::string& archivePath, const std::vector<std::string>& files,
                         const PackProgress& progress)
{
    FilePointer out(std::fopen(archivePath.c_str(), "wb"), std::fclose);
    if (!out)
        throw FileFailure("create", archivePath);
    try {
        WriteEntries(out.get(), archivePath, files, progress);
        // The zero length byte ends the archive; the delivered archives
        // carry three more zero bytes after it, which no reader looks at.
        static const unsigned char ending[4] = {0, 0, 0, 0};
        Write(out.get(), archivePath, ending, sizeof ending);
        if (std::fclose(out.release()) != 0)
            throw FileFailure("write", archivePath);
    } catch (...) {
        out.reset();
        std::remove(archivePath.c_str());
        throw;
    }
}
