#include "BrandingTestFiles.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <algorithm>

namespace fs = std::filesystem;

namespace {

Entries Defaults()
{
    BrandingProfile profile;
    profile.SetDefaults();
    return Walk(profile);
}

using BrandingFileTest = BrandingScratchTest;

}

TEST(BrandingScramble, WorkedExampleAndItsInverse)
{
    Bytes abc = {'a', 'b', 'c'};
    BrandingProfile::ScrambleBytes(abc.data(), abc.size());
    EXPECT_EQ(Bytes({0x16, 0x27, 0x34}), abc);

    Bytes body = {0x50, 0x4E, 0x03, 0x00, 0x61, 0x62, 0x63};
    BrandingProfile::ScrambleBytes(body.data(), body.size());
    EXPECT_EQ(Bytes({0x05, 0xE5, 0x32, 0x03, 0x12, 0x23, 0x30}), body);
    BrandingProfile::UnscrambleBytes(body.data(), body.size());
    EXPECT_EQ(Bytes({0x50, 0x4E, 0x03, 0x00, 0x61, 0x62, 0x63}), body);
}

TEST(BrandingScramble, IndexWrapsEvery256Bytes)
{
    Bytes bytes(600, 0x21);   // halves swapped: 0x12
    BrandingProfile::ScrambleBytes(bytes.data(), bytes.size());
    for (size_t i : {0u, 1u, 255u, 256u, 257u, 511u, 512u, 599u})
        EXPECT_EQ(0x12 ^ (i % 256), bytes[i]) << "index " << i;

    Bytes all(1024);
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = (unsigned char)(i * 7 + i / 256);
    Bytes copy = all;
    BrandingProfile::ScrambleBytes(copy.data(), copy.size());
    BrandingProfile::UnscrambleBytes(copy.data(), copy.size());
    EXPECT_EQ(all, copy);
}

TEST_F(BrandingFileTest, SaveWritesTheWorkedExample)
{
    BrandingProfile profile;
    profile.SetPN("abc");
    std::string path = PathOf("mw3ras.lib");
    ASSERT_TRUE(profile.SaveBrandingFile(path.c_str()));
    EXPECT_EQ(Bytes({0x4B, 0x4B, 0x05, 0xE5, 0x32, 0x03, 0x12, 0x23, 0x30}), ReadFile(path));

    BrandingProfile empty;
    ASSERT_TRUE(empty.SaveBrandingFile(path.c_str())) << "replaces the existing file";
    EXPECT_EQ(Bytes({'K', 'K'}), ReadFile(path));
}

TEST_F(BrandingFileTest, LoadLaysTheFileOverTheDefaults)
{
    const BrandingFileStatus READ = BRANDING_FILE_READ;
    struct Case {
        const char* description;
        Bytes file;
        BrandingFileStatus status;
        Entries changed;   // over the defaults, new keys last
    } cases[] = {
        {"magic only", {'K', 'K'}, READ, {}},
        {"empty file", {}, BRANDING_FILE_NOT_BRANDING, {}},
        {"one byte", {'K'}, BRANDING_FILE_NOT_BRANDING, {}},
        {"lower-case magic", {'k', 'k'}, BRANDING_FILE_NOT_BRANDING, {}},
        {"second byte not K", {'K', '?', 0x05, 0xE5}, BRANDING_FILE_NOT_BRANDING, {}},
        {"worked example", {0x4B, 0x4B, 0x05, 0xE5, 0x32, 0x03, 0x12, 0x23, 0x30}, READ, {{"PN", "abc"}}},
        {"empty value", BrandingFile({Entry("PN", "")}), READ, {}},
        {"blank value", BrandingFile({Entry("PN", "   ")}), READ, {}},
        {"trailing blanks trimmed, leading kept",
         BrandingFile({Entry("PN", "Relay Server  "), Entry("HN", " \tx\r\n\v\f")}), READ,
         {{"PN", "Relay Server"}, {"HN", " \tx"}}},
        {"zero byte ends the value",
         BrandingFile({Entry("PN", std::string("Ab\0cd", 5)), Entry("EX", "srv")}), READ,
         {{"PN", "Ab"}, {"EX", "srv"}}},
        {"last entry wins", BrandingFile({Entry("PN", "One"), Entry("PN", "Two")}), READ, {{"PN", "Two"}}},
        {"unknown key", BrandingFile({Entry("ZZ", "zz")}), READ, {{"ZZ", "zz"}}},
        {"WS alone changes no other address", BrandingFile({Entry("WS", "https://other.example.org")}), READ,
         {{"WS", "https://other.example.org"}}},
        {"no room for the length", BrandingFile({Entry("PN", "a"), Bytes({'H', 'N', 3})}),
         BRANDING_FILE_CUT_SHORT, {{"PN", "a"}}},
        {"key only", BrandingFile({Bytes({'H', 'N'})}), BRANDING_FILE_CUT_SHORT, {}},
        {"value cut short", BrandingFile({Entry("PN", "a"), Entry("HN", 5, "ab")}), BRANDING_FILE_CUT_SHORT,
         {{"PN", "a"}}},
        {"length with top bit set", BrandingFile({Entry("HN", 0x8001, std::string(0x8001, 'x'))}),
         BRANDING_FILE_BAD_LENGTH, {}},
        {"longest valid value", BrandingFile({Entry("HN", std::string(0x7FFF, 'x'))}), READ,
         {{"HN", std::string(0x7FFF, 'x')}}},
    };
    for (const Case& c : cases) {
        Entries expected = Defaults();
        for (const auto& change : c.changed) {
            auto at = std::find_if(expected.begin(), expected.end(),
                                   [&](const auto& entry) { return entry.first == change.first; });
            if (at == expected.end())
                expected.push_back(change);
            else
                at->second = change.second;
        }
        std::string path = Write("mw3ras.lib", c.file);

        BrandingProfile loaded;
        EXPECT_EQ(c.status == READ, loaded.LoadBrandingFile(path.c_str())) << c.description;
        EXPECT_EQ(expected, Walk(loaded)) << c.description;
        EXPECT_EQ(c.file, ReadFile(path)) << c.description << ": the file itself is never changed";

        Bytes copy = c.file;
        BrandingProfile read;
        EXPECT_EQ(c.status, read.ReadBrandingBytes(copy.data(), copy.size())) << c.description;
    }
}

TEST_F(BrandingFileTest, LoadWithoutAFile)
{
    struct Case {
        const char* description;
        const char* path;
        bool result;
    } cases[] = {
        {"null path", nullptr, true},
        {"empty path", "", true},
        {"missing file", "/nonexistent-folder/mw3ras.lib", false},
        {"a folder", "/", false},
    };
    for (const Case& c : cases) {
        BrandingProfile profile;
        profile.SetValue("ZZ", "kept");
        EXPECT_EQ(c.result, profile.LoadBrandingFile(c.path)) << c.description;
        Entries expected = Defaults();
        expected.insert(expected.begin(), {"ZZ", "kept"});
        EXPECT_EQ(expected, Walk(profile)) << c.description;
    }
}

TEST_F(BrandingFileTest, SaveThenLoadGivesBackTheEntriesOverTheDefaults)
{
    BrandingProfile saved;
    saved.SetEX("Relay.exe");
    saved.SetValue("ZZ", "carried");
    saved.SetHN("Relay Server \t ");
    saved.SetNumber("NN", -12);
    saved.SetWS(std::string(300, 'w').c_str());   // the body passes 256 bytes
    std::string path = PathOf("mw3ras.lib");
    ASSERT_TRUE(saved.SaveBrandingFile(path.c_str()));

    BrandingProfile loaded;
    ASSERT_TRUE(loaded.LoadBrandingFile(path.c_str()));
    Entries expected = Defaults();
    for (auto& entry : expected) {
        if (entry.first == "EX")
            entry.second = "Relay.exe";
        if (entry.first == "HN")
            entry.second = "Relay Server";
        if (entry.first == "WS")
            entry.second = std::string(300, 'w');
    }
    expected.push_back({"ZZ", "carried"});
    expected.push_back({"NN", "-12"});
    EXPECT_EQ(expected, Walk(loaded));
}

TEST_F(BrandingFileTest, RemovedKeyIsNotWritten)
{
    BrandingProfile saved;
    saved.SetDefaults();
    saved.SetPN("");
    std::string path = PathOf("mw3ras.lib");
    ASSERT_TRUE(saved.SaveBrandingFile(path.c_str()));
    Bytes file = ReadFile(path);
    BrandingProfile read;
    ASSERT_EQ(BRANDING_FILE_READ, read.ReadBrandingBytes(file.data(), file.size()));
    EXPECT_EQ(13, read.GetCount());
    EXPECT_STREQ("", read.GetPN());
}

TEST_F(BrandingFileTest, KeyWithAZeroByteReadsBackTheSame)
{
    Bytes file = BrandingFile({Entry(std::string("P\0", 2).c_str(), "x")});
    BrandingProfile first;
    ASSERT_EQ(BRANDING_FILE_READ, first.ReadBrandingBytes(file.data(), file.size()));
    EXPECT_EQ(Entries({{"P", "x"}}), Walk(first));
    std::string path = PathOf("mw3ras.lib");
    ASSERT_TRUE(first.SaveBrandingFile(path.c_str()));
    EXPECT_EQ(BrandingFile({Entry(std::string("P\0", 2).c_str(), "x")}), ReadFile(path));
}

TEST_F(BrandingFileTest, SaveRefusesWhatTheFormatCannotHold)
{
    std::string path = PathOf("mw3ras.lib");
    struct Case {
        const char* description;
        const char* key;
        size_t length;
        bool saved;
    } cases[] = {
        {"file of exactly 8192 bytes", "PN", 8192 - 2 - 4, true},
        {"file of 8193 bytes", "PN", 8192 - 2 - 4 + 1, false},
        {"three-character key", "PNX", 1, false},
    };
    for (const Case& c : cases) {
        Write("mw3ras.lib", {'K', 'K', 1, 2, 3});
        BrandingProfile profile;
        profile.SetValue(c.key, std::string(c.length, 'v').c_str());
        EXPECT_EQ(c.saved, profile.SaveBrandingFile(path.c_str())) << c.description;
        if (c.saved)
            EXPECT_EQ(8192u, ReadFile(path).size()) << c.description;
        else
            EXPECT_EQ(Bytes({'K', 'K', 1, 2, 3}), ReadFile(path)) << c.description << ": the old file stays";
    }

    BrandingProfile profile;
    EXPECT_FALSE(profile.SaveBrandingFile(PathOf("missing/mw3ras.lib").c_str()));
}

TEST_F(BrandingFileTest, FailedWriteLeavesNoFile)
{
    // A file size limit makes the write itself fail once the file exists.
    BrandingProfile profile;
    profile.SetDefaults();
    std::string path = PathOf("mw3ras.lib");
    struct rlimit old;
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &old));
    struct rlimit small = old;
    small.rlim_cur = 16;
    sighandler_t oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
    bool saved = profile.SaveBrandingFile(path.c_str());
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_FALSE(fs::exists(path));
}
