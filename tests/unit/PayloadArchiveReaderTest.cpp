#include "PayloadArchiveReader.h"
#include "PayloadTestFiles.h"

#include "LzwEncoder.h"
#include "Message.h"

#include <unistd.h>

namespace {

Bytes Stream(const std::string& text) { return LzwEncode((const unsigned char*)text.data(), text.size()); }

struct Extraction {
    int result;
    std::string message;   // the last one shown, "" when none
};

Extraction Extract(const std::string& archive, const std::string& folder, const char* serverName = nullptr)
{
    ClearMessages();
    PayloadArchiveReader reader;
    int result = reader.ExtractArchive(archive.c_str(), folder.c_str(), serverName);
    return {result, LastMessage()};
}

}

TEST(PayloadArchiveReader, ArchiveWithOnlyItsZeroByteWritesNothing)
{
    ScratchFolder scratch, out;
    WriteFile(scratch.File("a"), Bytes{0});
    Extraction extraction = Extract(scratch.File("a"), out.Folder());
    EXPECT_EQ(1, extraction.result);
    EXPECT_EQ("", extraction.message);
    EXPECT_TRUE(out.Names().empty());
}

TEST(PayloadArchiveReader, EntriesInARowFollowOneAnother)
{
    // The first stream ends on a byte boundary: its whole zero padding byte
    // belongs to it, and the next byte is the second entry's length.
    CodeStream boundary;
    boundary.Code(LZW_CLEAR_CODE, 9);
    for (char c : std::string("ending"))
        boundary.Code((unsigned char)c, 9);
    Bytes first = boundary.End(9);
    ASSERT_EQ(0, first.back());
    ScratchFolder scratch, out;
    WriteFile(scratch.File("a"),
              ArchiveBytes().Entry("one.txt", first).Entry("two.txt", Stream("second entry")).Entry("empty", Stream("")).End());

    Extraction extraction = Extract(scratch.File("a"), out.Folder());
    EXPECT_EQ(1, extraction.result) << extraction.message;
    EXPECT_EQ(BytesOf("ending"), ReadFile(out.File("one.txt")));
    EXPECT_EQ(BytesOf("second entry"), ReadFile(out.File("two.txt")));
    EXPECT_EQ(Bytes(), ReadFile(out.File("empty")));
    EXPECT_EQ((std::vector<std::string>{"empty", "one.txt", "two.txt"}), out.Names());
}

TEST(PayloadArchiveReader, ServerExecutableTakesTheGivenName)
{
    struct Case {
        const char* entry;
        const char* serverName;
        const char* written;
    } cases[] = {
        {"MailWarden.exe", "Relay.exe", "Relay.exe"},
        {"mailwarden.EXE", "Relay.EXE", "Relay.EXE"},
        {"MAILWARDEN.EXE", "Relay", "Relay.exe"},
        {"MailWarden.exe", "Relay.ex", "Relay.ex.exe"},
        {"MailWarden.exe", "exe", "exe.exe"},
        {"MailWarden.exe", "", ".exe"},
        {"MailWarden.exe", nullptr, "MailWarden.exe"},
        {"MailWarden.exe.bak", "Relay.exe", "MailWarden.exe.bak"},
        {"OldMailWarden.exe", "Relay.exe", "OldMailWarden.exe"},
    };
    for (const Case& c : cases) {
        ScratchFolder scratch, out;
        WriteFile(scratch.File("a"), ArchiveBytes().Entry(c.entry, Stream("server")).End());
        Extraction extraction = Extract(scratch.File("a"), out.Folder(), c.serverName);
        EXPECT_EQ(1, extraction.result) << c.entry << " as " << (c.serverName ? c.serverName : "(none)");
        EXPECT_EQ(std::vector<std::string>{c.written}, out.Names()) << c.entry;
    }
}

TEST(PayloadArchiveReader, FolderWithOrWithoutTrailingBackslashGivesTheSamePaths)
{
    // On the host a backslash is a plain character of a file name, so the
    // joined path "<scratch>/dest\name" is one file in the scratch folder.
    for (const char* folder : {"dest", "dest\\"}) {
        ScratchFolder scratch;
        WriteFile(scratch.File("a"), ArchiveBytes().Entry("name", Stream("x")).End());
        Extraction extraction = Extract(scratch.File("a"), scratch.File(folder));
        EXPECT_EQ(1, extraction.result) << folder;
        EXPECT_EQ(BytesOf("x"), ReadFile(scratch.File("dest\\name"))) << folder;
    }
}

TEST(PayloadArchiveReader, MissingArchiveShowsString3)
{
    ScratchFolder scratch;
    Extraction extraction = Extract(scratch.File("missing.z"), scratch.Folder());
    EXPECT_EQ(0, extraction.result);
    EXPECT_EQ("Couldn't find the file '" + scratch.File("missing.z") + "'", extraction.message);
}

TEST(PayloadArchiveReader, OutputThatCannotBeCreatedShowsString4AndStops)
{
    ScratchFolder scratch, out;
    WriteFile(scratch.File("a"),
              ArchiveBytes().Entry("first", Stream("1")).Entry("busy", Stream("2")).Entry("third", Stream("3")).End());
    std::filesystem::create_directory(out.File("busy"));

    Extraction extraction = Extract(scratch.File("a"), out.Folder());
    EXPECT_EQ(0, extraction.result);
    EXPECT_EQ("Couldn't create the file '" + out.File("busy") +
                  "'\nMake sure that the file is not in use, and/or that the disk is not write protected.",
              extraction.message);
    EXPECT_EQ((std::vector<std::string>{"busy", "first"}), out.Names());
}

TEST(PayloadArchiveReader, EntryNameThatLeavesTheFolderIsRefused)
{
    struct Case {
        std::string entry;
        const char* serverName;
        std::string shown;
    } cases[] = {
        {"..", nullptr, ".."},
        {".", nullptr, "."},
        {"..\\evil.exe", nullptr, "..\\evil.exe"},
        {"sub/evil.exe", nullptr, "sub/evil.exe"},
        {"C:evil.exe", nullptr, "C:evil.exe"},
        {std::string("evil\0.exe", 9), nullptr, "evil"},
        {"MailWarden.exe", "..\\Relay", "..\\Relay.exe"},
    };
    for (const Case& c : cases) {
        ScratchFolder scratch, out;
        WriteFile(scratch.File("a"), ArchiveBytes().Entry("before", Stream("1")).Entry(c.entry, Stream("2")).End());
        Extraction extraction = Extract(scratch.File("a"), out.Folder(), c.serverName);
        EXPECT_EQ(0, extraction.result) << c.shown;
        EXPECT_EQ("The archive '" + scratch.File("a") + "' holds the entry '" + c.shown +
                      "', which is not a plain file name.",
                  extraction.message);
        EXPECT_EQ(std::vector<std::string>{"before"}, out.Names()) << c.shown;
    }
}

TEST(PayloadArchiveReader, DamagedArchiveIsNamedAndItsPartialFileRemoved)
{
    Bytes whole = ArchiveBytes().Entry("kept", Stream("first")).Entry("cut", Stream(std::string(5000, 'q') + "tail")).End();
    struct Case {
        const char* description;
        Bytes archive;
        std::vector<std::string> left;
    } cases[] = {
        // Both entries are whole: their files stay.
        {"ends before its final zero byte", Bytes(whole.begin(), whole.end() - 1), {"cut", "kept"}},
        {"ends inside a code stream", Bytes(whole.begin(), whole.end() - 4), {"kept"}},
        {"ends inside a name", [] {
             Bytes bytes = ArchiveBytes().Entry("kept", Stream("first")).bytes;
             bytes.insert(bytes.end(), {9, 'a', 'b'});
             return bytes;
         }(), {"kept"}},
        {"breaks the code stream", ArchiveBytes().Entry("kept", Stream("first")).Entry("cut", CodeStream().Code(300, 9).End(9)).End(), {"kept"}},
    };
    for (const Case& c : cases) {
        ScratchFolder scratch, out;
        WriteFile(scratch.File("a"), c.archive);
        Extraction extraction = Extract(scratch.File("a"), out.Folder());
        EXPECT_EQ(0, extraction.result) << c.description;
        EXPECT_EQ("The archive '" + scratch.File("a") + "' is damaged and cannot be unpacked.", extraction.message)
            << c.description;
        EXPECT_EQ(c.left, out.Names()) << c.description;
    }
}

TEST(PayloadArchiveReader, ReadAndWriteFailuresNameTheFileAndTheReason)
{
    ScratchFolder scratch, out;
    // Reading a folder fails after it was opened.
    Extraction unreadable = Extract(scratch.Folder(), out.Folder());
    EXPECT_EQ(0, unreadable.result);
    EXPECT_EQ("Couldn't read the file '" + scratch.Folder() + "'\nIs a directory", unreadable.message);

    // A full disk: the output is a link to /dev/full; the link is removed,
    // the device stays.
    WriteFile(scratch.File("a"), ArchiveBytes().Entry("full", Stream("data")).End());
    ASSERT_EQ(0, symlink("/dev/full", out.File("full").c_str()));
    Extraction full = Extract(scratch.File("a"), out.Folder());
    EXPECT_EQ(0, full.result);
    EXPECT_EQ("Couldn't write the file '" + out.File("full") + "'\nNo space left on device", full.message);
    EXPECT_TRUE(out.Names().empty());
    EXPECT_TRUE(std::filesystem::exists("/dev/full"));
}
