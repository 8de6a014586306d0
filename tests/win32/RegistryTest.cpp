#include "Registry.h"

#include "SystemTestScratch.h"

#include <gtest/gtest.h>

namespace {

struct StringCase {
    const char* description;
    DWORD type;
    const char* data;
    DWORD size;
    const char* expected;
};

TEST(ReadMachineString, ReadsTheDataUpToItsFirstZeroWhateverItsType)
{
    const StringCase cases[] = {
        {"REG_SZ", REG_SZ, "C:\\Program Files\\MailWarden", 28, "C:\\Program Files\\MailWarden"},
        {"REG_EXPAND_SZ, unexpanded", REG_EXPAND_SZ, "%SystemRoot%\\cache", 19, "%SystemRoot%\\cache"},
        {"REG_MULTI_SZ, its first string", REG_MULTI_SZ, "first\0second\0", 14, "first"},
        {"REG_SZ without a terminating zero", REG_SZ, "abc", 3, "abc"},
        {"REG_BINARY without a zero", REG_BINARY, "xyz", 3, "xyz"},
        {"REG_SZ holding only its zero", REG_SZ, "", 1, ""},
        {"REG_SZ with no data at all", REG_SZ, "", 0, ""},
    };
    ScratchKey key;
    for (const StringCase& c : cases) {
        SCOPED_TRACE(c.description);
        key.SetValue("Value", c.type, c.data, c.size);
        CString value("previous");
        EXPECT_TRUE(ReadMachineString(key.Path().c_str(), "Value", value));
        EXPECT_STREQ(c.expected, value.GetString());
    }
}

TEST(ReadMachineString, LeavesTheDestinationAloneWhenTheValueOrKeyIsMissing)
{
    ScratchKey key;
    key.SetValue("Other", REG_SZ, "x", 2);
    const struct {
        const char* description;
        std::string subKey;
    } cases[] = {
        {"missing value", key.Path()},
        {"missing key", key.Path() + "\\Missing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        CString value("previous");
        EXPECT_FALSE(ReadMachineString(c.subKey.c_str(), "Value", value));
        EXPECT_STREQ("previous", value.GetString());
    }
}

DWORD ReadDword(const std::string& subKey, const char* name, DWORD& type)
{
    HKEY key;
    DWORD data = 0, size = sizeof data;
    type = REG_NONE;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        ADD_FAILURE() << "key " << subKey << " does not exist";
        return 0;
    }
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, name, NULL, &type, (BYTE*)&data, &size));
    EXPECT_EQ(4u, size) << "size of " << name;
    RegCloseKey(key);
    return data;
}

TEST(WriteMachineDword, CreatesTheMissingKeyPathAndReplacesTheValue)
{
    ScratchKey key;
    const std::string subKey = key.Path() + "\\Keltermax\\MailWarden";
    DWORD type;

    EXPECT_TRUE(WriteMachineDword(subKey.c_str(), "Installed", 0x12345678));
    EXPECT_EQ(0x12345678u, ReadDword(subKey, "Installed", type));
    EXPECT_EQ((DWORD)REG_DWORD, type);

    EXPECT_TRUE(WriteMachineDword(subKey.c_str(), "Installed", 1));
    EXPECT_EQ(1u, ReadDword(subKey, "Installed", type));
}

}
