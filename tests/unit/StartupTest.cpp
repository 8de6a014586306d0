#include "InstallerCommandLine.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <vector>

TEST(InstallerCommandLine, OnlyTheFirstCharacterOfAFlagCounts)
{
    struct Case {
        std::vector<const char*> args;
        bool silent;
        bool keepTemp;
    } cases[] = {
        {{}, false, false},
        {{"-s"}, true, false},
        {{"/s"}, true, false},
        {{"-silent"}, true, false},
        {{"-sx"}, true, false},
        {{"-xs"}, false, true},
        {{"-S"}, false, false},
        {{"s"}, false, false},
        {{"-"}, false, false},
        {{"/"}, false, false},
        {{"-s", "-x"}, true, true},
        {{"/x", "setup", "/s"}, true, true},
        {{"-X"}, false, false},
    };
    for (const Case& c : cases) {
        std::vector<char*> argv{const_cast<char*>("Installer.exe")};
        std::string label;
        for (const char* a : c.args) {
            argv.push_back(const_cast<char*>(a));
            label += std::string(a) + " ";
        }
        InstallerCommandLine line;
        DispatchArguments(line, (int)argv.size(), argv.data());
        EXPECT_EQ(c.silent, line.silent) << "arguments: " << label;
        EXPECT_EQ(c.keepTemp, line.keepTemp) << "arguments: " << label;
    }
}

TEST(InstallerCommandLine, IsLastMarksOnlyTheLastArgument)
{
    struct Recorder : CCommandLineInfo {
        std::vector<std::string> seen;
        void ParseParam(const char* text, bool isFlag, bool isLast) override
        {
            seen.push_back(std::string(isFlag ? "flag:" : "arg:") + text + (isLast ? ":last" : ""));
        }
    } recorder;
    char* argv[] = {const_cast<char*>("Installer.exe"), const_cast<char*>("-s"),
                    const_cast<char*>("name"), const_cast<char*>("/")};
    DispatchArguments(recorder, 4, argv);
    EXPECT_EQ((std::vector<std::string>{"flag:s", "arg:name", "flag::last"}), recorder.seen);
}

TEST(TempDir, IsMwTmpAtTheRootOfTheWindowsDrive)
{
    struct Case {
        const char* windowsDirectory;
        const char* expected;
    } cases[] = {
        {"C:\\WINDOWS", "C:\\mw_tmp"},
        {"D:\\WINNT", "D:\\mw_tmp"},
        {"e:\\very\\deep\\windows", "e:\\mw_tmp"},
        {"C:\\", "C:\\mw_tmp"},
        {"", "C:\\mw_tmp"},                           // could not be read
        {"WINDOWS", "C:\\mw_tmp"},                    // no backslash
        {"\\\\server\\share\\windows", "C:\\mw_tmp"}, // not on a drive
        {"C:WINDOWS\\x", "C:\\mw_tmp"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.expected, TempDirFor(c.windowsDirectory)) << "Windows directory '" << c.windowsDirectory << "'";
}
