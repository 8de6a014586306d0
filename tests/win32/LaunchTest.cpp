#include "Launch.h"

#include "App.h"
#include "SystemTestMessageBoxes.h"
#include "SystemTestScratch.h"

#include <fstream>

#include <gtest/gtest.h>

namespace {

// The message box of LaunchProgram among the boxes shown: the shell may
// show its own before it.
std::vector<ShownBox> OwnBoxes(MessageBoxWatcher& watcher)
{
    std::vector<ShownBox> own;
    for (const ShownBox& box : watcher.Boxes())
        if (box.title == AppName())
            own.push_back(box);
    return own;
}

TEST(LaunchProgram, AFileThatCannotBeStartedShowsOneMessageAndFails)
{
    ScratchFolder folder;
    const std::string missing = folder.Path() + "\\missing.exe";
    const struct {
        const char* description;
        const char* parameters;
        std::string expected;
    } cases[] = {
        {"no parameters", NULL, "Error launching command: " + missing + " "},
        {"empty parameters", "", "Error launching command: " + missing + " "},
        {"parameters", "-s /x", "Error launching command: " + missing + " -s /x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        MessageBoxWatcher watcher;
        EXPECT_EQ(0, LaunchProgram(missing.c_str(), c.parameters, false));
        std::vector<ShownBox> own = OwnBoxes(watcher);
        ASSERT_EQ(1u, own.size()) << "boxes titled " << AppName();
        EXPECT_EQ(c.expected, own[0].text);
    }
}

TEST(LaunchProgram, EmptyFileStartsTheProgramNamedByTheParametersAndWaitsForIt)
{
    const std::string helper = TestProgramFolder() + "\\exit3.exe";
    const std::string log = TestProgramFolder() + "\\exit3.args";
    DeleteFileA(log.c_str());
    MessageBoxWatcher watcher;

    // The helper ends with exit code 3, which still counts as started.
    EXPECT_NE(0, LaunchProgram("", helper.c_str(), true));

    EXPECT_TRUE(watcher.Boxes().empty()) << "a box appeared: " << watcher.Boxes()[0].text;
    std::ifstream arguments(log);
    std::string count;
    EXPECT_TRUE(std::getline(arguments, count)) << "the helper did not run to its end";
    EXPECT_EQ("0", count) << "arguments the helper was given";
    arguments.close();
    DeleteFileA(log.c_str());
}

}
