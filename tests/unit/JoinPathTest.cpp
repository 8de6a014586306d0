#include "JoinPath.h"

#include <gtest/gtest.h>

TEST(JoinPath, JoinsWithOneBackslash)
{
    struct Case {
        const char* folder;
        const char* name;
        const char* expected;
    } cases[] = {
        {"C:\\Data", "setup.exe", "C:\\Data\\setup.exe"},
        {"C:\\", "setup.exe", "C:\\setup.exe"},
        {"", "setup.exe", "\\setup.exe"},
        {"C:\\Data", "", "C:\\Data\\"},
        {"C:\\Data", "\\x", "C:\\Data\\\\x"},
        {"C:\\Data\\\\", "x", "C:\\Data\\\\x"},
        {"C:/Data", "x", "C:/Data\\x"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.expected, JoinPath(c.folder, c.name)) << "folder '" << c.folder << "', name '" << c.name << "'";
}
