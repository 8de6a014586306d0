#include "PayloadArchiveReader.h"
#include "Resource.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

namespace {

// A folder of its own under the temporary folder, removed with its files.
class Scratch {
public:
    Scratch()
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "payload-test-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), NULL);
    }
    ~Scratch()
    {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                std::string path = folder + "\\" + found.cFileName;
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            } while (FindNextFileA(find, &found));
            FindClose(find);
        }
        RemoveDirectoryA(folder.c_str());
    }
    std::string File(const char* name) const { return folder + "\\" + name; }
    std::string folder;
};

// The file's size, or -1 when there is no such file.
long long SizeOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (long long)data.nFileSizeHigh << 32 | data.nFileSizeLow;
}

std::string Contents(const std::string& path)
{
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return "(missing)";
    char buffer[4096];
    DWORD got;
    while (ReadFile(file, buffer, sizeof buffer, &got, NULL) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

std::string Repeated(const char* text, int times)
{
    std::string bytes;
    for (int i = 0; i < times; ++i)
        bytes += text;
    return bytes;
}

}

TEST(PayloadResource, BrandingBlockOfLengthZeroGivesAnEmptyFile)
{
    Scratch scratch;
    EXPECT_NE(0, WritePayloadResource(BRANDING_RESOURCE, scratch.File("mw3ras.lib").c_str()));
    EXPECT_EQ(0, SizeOf(scratch.File("mw3ras.lib")));
}

TEST(PayloadResource, MissingResourceOrTargetInUseWritesNothing)
{
    Scratch scratch;
    EXPECT_EQ(0, WritePayloadResource(SETUP_ARCHIVE_RESOURCE, scratch.File("data.Z").c_str()));
    EXPECT_EQ(-1, SizeOf(scratch.File("data.Z")));

    // Held open without sharing, as a running setup program would.
    std::string target = scratch.File("data.z");
    HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    EXPECT_EQ(0, WritePayloadResource(PRODUCT_ARCHIVE_RESOURCE, target.c_str()));
    CloseHandle(file);
    EXPECT_EQ(0, SizeOf(target));
}

TEST(PayloadResource, ProductArchiveIsWrittenWholeAndExtracts)
{
    Scratch scratch;
    std::string archive = scratch.File("data.z");
    ASSERT_NE(0, WritePayloadResource(PRODUCT_ARCHIVE_RESOURCE, archive.c_str()));

    // The folder without its trailing backslash, as the registry gives it.
    PayloadArchiveReader reader;
    ASSERT_EQ(1, reader.ExtractArchive(archive.c_str(), scratch.folder.c_str(), "Relay"));
    EXPECT_EQ(Repeated("MZ server ", 10000), Contents(scratch.File("Relay.exe")));
    EXPECT_EQ(Repeated("Read me.\r\n", 300), Contents(scratch.File("readme.txt")));
    EXPECT_EQ(-1, SizeOf(scratch.File("MailWarden.exe")));
}
