#include "WholeFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

std::vector<unsigned char> ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("Couldn't open the file '" + path + "': " + std::strerror(errno));
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw std::runtime_error("Couldn't read the file '" + path + "': " + std::strerror(errno));
    return bytes;
}

void ReplaceWholeFile(const std::string& path, const std::vector<unsigned char>& bytes)
{
    const std::string temporary = path + ".instkit-new";
    std::error_code error;
    fs::perms permissions = fs::status(path, error).permissions();
    if (!error) {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write((const char*)bytes.data(), (std::streamsize)bytes.size());
        out.close();
        if (!out)
            error = std::error_code(errno ? errno : EIO, std::generic_category());
    }
    if (!error)
        fs::permissions(temporary, permissions, error);
    if (!error)
        fs::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw std::runtime_error("Couldn't write the file '" + path + "': " + error.message());
    }
}
