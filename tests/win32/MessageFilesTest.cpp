#include "MessageFiles.h"

#include "SystemTestScratch.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {

// Every file and folder below root, as paths relative to it (folders end
// in a backslash), sorted.
std::vector<std::string> Tree(const std::string& root)
{
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        std::string relative = std::filesystem::relative(entry.path(), root).string();
        std::replace(relative.begin(), relative.end(), '/', '\\');
        entries.push_back(relative + (entry.is_directory() ? "\\" : ""));
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::string Content(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A cache folder with six message files, one of which cannot be renamed
// because its new name is taken.
class MessageFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.AddFile("A.MSG");
        folder.AddFile(".msg");
        folder.AddFile("note.msgx");
        folder.AddFile("note.msg.bak");
        folder.AddFile("msg");
        folder.AddFile("x.msg", "new");
        folder.AddFile("x.wmm", "old");
        folder.AddFile("hidden.msg");
        SetFileAttributesA((folder.Path() + "\\hidden.msg").c_str(),
                           FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        folder.AddFile("old.msg\\inner.Msg");
        folder.AddFile("old.msg\\deeper\\d.msg");
        folder.AddFolder("empty");
    }
    void TearDown() override
    {
        SetFileAttributesA((folder.Path() + "\\hidden.wmm").c_str(), FILE_ATTRIBUTE_NORMAL);
        SetFileAttributesA((folder.Path() + "\\hidden.msg").c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    ScratchFolder folder;
};

const std::vector<std::string> migrated = {
    ".wmm",
    "A.wmm",
    "empty\\",
    "hidden.wmm",
    "msg",
    "note.msg.bak",
    "note.msgx",
    "old.msg\\",
    "old.msg\\deeper\\",
    "old.msg\\deeper\\d.wmm",
    "old.msg\\inner.wmm",
    "x.msg",
    "x.wmm",
};

TEST_F(MessageFilesTest, RenamesEveryMessageFileInTheTreeAndCountsThem)
{
    EXPECT_EQ(6, MigrateMessageFiles(false, folder.Path().c_str()));
    EXPECT_EQ(migrated, Tree(folder.Path()));
    EXPECT_EQ("new", Content(folder.Path() + "\\x.msg")) << "x.msg beside x.wmm stays";
    EXPECT_EQ("old", Content(folder.Path() + "\\x.wmm"));
}

TEST_F(MessageFilesTest, CountOnlyChangesNothing)
{
    const std::vector<std::string> before = Tree(folder.Path());
    EXPECT_EQ(6, MigrateMessageFiles(true, folder.Path().c_str()));
    EXPECT_EQ(before, Tree(folder.Path()));
}

TEST_F(MessageFilesTest, AFolderWithATrailingBackslashIsWalkedToo)
{
    EXPECT_EQ(6, MigrateMessageFiles(false, (folder.Path() + "\\").c_str()));
    EXPECT_EQ(migrated, Tree(folder.Path()));
}

TEST(MigrateMessageFiles, AMissingOrEmptyFolderCountsNothing)
{
    ScratchFolder folder;
    EXPECT_EQ(0, MigrateMessageFiles(false, folder.Path().c_str())) << "empty folder";
    EXPECT_EQ(0, MigrateMessageFiles(false, (folder.Path() + "\\missing").c_str())) << "missing folder";
}

}
