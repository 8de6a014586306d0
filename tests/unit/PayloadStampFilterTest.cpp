#include "PayloadArchiveReader.h"
#include "PayloadTestFiles.h"
#include "StampFilterTesting.h"

#include "LzwEncoder.h"

namespace {

const std::string marker("K..*K..*\0", 9);

// The stamp state belongs to the process: each test starts it afresh.
class StampFilter : public testing::Test {
protected:
    void SetUp() override { ResetStampFilterForTesting(); }
    void TearDown() override { ResetStampFilterForTesting(); }

    // Runs the filter over the text cut into chunks at the given offsets.
    std::string Filter(PayloadArchiveReader& reader, std::string text, std::vector<size_t> cuts)
    {
        cuts.push_back(text.size());
        size_t start = 0;
        for (size_t cut : cuts) {
            reader.ApplyStampFilter((unsigned char*)&text[start], (unsigned long)(cut - start));
            start = cut;
        }
        return text;
    }
};

}

TEST_F(StampFilter, OverwritesTheBytesAfterTheFirstMarkerWhereverChunksEnd)
{
    std::string text = "head" + marker + "123456789" + "tail";
    std::string stamped = "head" + marker + std::string("v2.1\0", 5) + "6789" + "tail";
    for (size_t cut = 0; cut <= text.size(); ++cut) {
        ResetStampFilterForTesting();
        PayloadArchiveReader reader;
        reader.SetStampText("v2.1");
        EXPECT_EQ(stamped, Filter(reader, text, {cut})) << "cut at " << cut;
    }
}

TEST_F(StampFilter, StampTexts)
{
    struct Case {
        const char* description;
        const char* text;   // null: never set
        std::string written;
    } cases[] = {
        {"unset: one zero byte", nullptr, std::string(1, '\0') + "bcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {"empty", "", std::string(1, '\0') + "bcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {"59 characters", "0123456789012345678901234567890123456789012345678901234567X",
         "0123456789012345678901234567890123456789012345678901234567X" + std::string(1, '\0') + "YZ"},
        {"70 characters, cut to 59", "0123456789012345678901234567890123456789012345678901234567XYZWVUTSRQPO",
         "0123456789012345678901234567890123456789012345678901234567X" + std::string(1, '\0') + "YZ"},
    };
    for (const Case& c : cases) {
        ResetStampFilterForTesting();
        PayloadArchiveReader reader;
        if (c.text)
            reader.SetStampText(c.text);
        std::string after = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        EXPECT_EQ(marker + c.written, Filter(reader, marker + after, {})) << c.description;
    }
}

TEST_F(StampFilter, OnlyTheFirstMarkerIsStampedAndABreakingByteIsNotRetried)
{
    PayloadArchiveReader reader;
    reader.SetStampText("S");
    struct Case {
        const char* description;
        std::string text;
        std::string expected;
    } cases[] = {
        // The second 'K' fails against '.', and is not taken as a new start.
        {"extra K before the marker", "K" + marker + "xy", "K" + marker + "xy"},
        {"first marker", marker + "xy", marker + std::string("S\0", 2)},
        {"a later marker", marker + "xy", marker + "xy"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Filter(reader, c.text, {})) << c.description;
}

TEST_F(StampFilter, MarkerSplitAcrossEntriesAndArchivesIsFoundOnce)
{
    ScratchFolder scratch, out;
    auto stream = [](const std::string& text) { return LzwEncode((const unsigned char*)text.data(), text.size()); };
    WriteFile(scratch.File("first"),
              ArchiveBytes().Entry("a", stream("data K..*K")).Entry("b", stream(std::string("..*\0", 4) + "abcdef")).End());
    WriteFile(scratch.File("second"), ArchiveBytes().Entry("c", stream(marker + "abcdef")).End());

    PayloadArchiveReader first;
    first.SetStampText("1.0");
    ASSERT_EQ(1, first.ExtractArchive(scratch.File("first").c_str(), out.Folder().c_str(), nullptr));
    EXPECT_EQ(BytesOf("data K..*K"), ReadFile(out.File("a")));
    EXPECT_EQ(BytesOf(std::string("..*\0", 4) + std::string("1.0\0", 4) + "ef"), ReadFile(out.File("b")));

    PayloadArchiveReader second;
    second.SetStampText("2.0");
    ASSERT_EQ(1, second.ExtractArchive(scratch.File("second").c_str(), out.Folder().c_str(), nullptr));
    EXPECT_EQ(BytesOf(marker + "abcdef"), ReadFile(out.File("c")));
}
