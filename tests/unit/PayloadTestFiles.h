// Scratch folders, files and hand-made archives for the payload tests.
#pragma once

#include "LzwBitWriter.h"
#include "LzwFormat.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

inline Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

// A folder of its own for one test, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "payload-test-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    // The folder with a trailing '/', as the reader takes it on the host.
    std::string Folder() const { return path + "/"; }
    std::string File(const std::string& name) const { return path + "/" + name; }
    // Names of the files in the folder, sorted.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string path;
};

inline void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write((const char*)bytes.data(), (std::streamsize)bytes.size());
    ASSERT_TRUE(out.good()) << path;
}

inline Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A hand-made code stream: each code written at the width given.
struct CodeStream {
    LzwBitWriter writer;
    CodeStream& Code(unsigned code, unsigned width)
    {
        writer.Put(code, width);
        return *this;
    }
    // The end code and the padding.
    Bytes End(unsigned width)
    {
        writer.Put(LZW_END_CODE, width);
        writer.Pad();
        return writer.Bytes();
    }
    // The stream as it stands, cut anywhere.
    Bytes Cut() { return writer.Bytes(); }
};

// The width the reader reads the j-th code after a clear code at (j from
// 1), as long as the stream adds an entry with every code after the first.
inline unsigned WidthOfCode(unsigned j)
{
    return j <= 255 ? 9 : j <= 767 ? 10 : j <= 1791 ? 11 : j <= 3839 ? 12 : j <= 7935 ? 13 : 14;
}

// An archive: entries of a name and a code stream, then the zero byte.
struct ArchiveBytes {
    Bytes bytes;
    ArchiveBytes& Entry(const std::string& name, const Bytes& stream)
    {
        bytes.push_back((unsigned char)name.size());
        bytes.insert(bytes.end(), name.begin(), name.end());
        bytes.insert(bytes.end(), stream.begin(), stream.end());
        return *this;
    }
    Bytes End()
    {
        bytes.push_back(0);
        return bytes;
    }
};
