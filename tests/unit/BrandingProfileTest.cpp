#include "BrandingTestFiles.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

const char helpContact[] = "If you need any help with setup, please contact support@example.com";

}

TEST(BrandingProfile, NewProfileIsEmpty)
{
    BrandingProfile profile;
    EXPECT_EQ(0, profile.GetCount());
    EXPECT_STREQ("", profile.GetPN());
    EXPECT_STREQ("", profile.GetValue("EX"));
    EXPECT_EQ(0, profile.GetNumber("PN"));
    EXPECT_STREQ(".exe", profile.GetEX());
}

TEST(BrandingProfile, DefaultsInTheirOrderAndComposedFromTheBuiltInAddresses)
{
    BrandingProfile profile;
    EXPECT_TRUE(profile.SetDefaults());
    Entries expected = {
        {"PN", "MailWarden"},
        {"LN", "Keltermax MailWarden Mail & Proxy Server"},
        {"HN", "MailWarden Mail & Proxy Server"},
        {"HD", "support@example.com"},
        {"EX", "mailwarden"},
        {"WS", "https://www.example.com"},
        {"MT", helpContact},
        {"MV", "Check www.example.com regularly for MailWarden updates"},
        {"MI", helpContact},
        {"WH", "https://www.example.com/help"},
        {"FW", "https://www.example.com/welcome.txt"},
        {"FM", "https://www.example.com/motd.txt"},
        {"FD", "https://www.example.com/mailwarden/Installer.exe"},
        {"FV", "https://www.example.com/mailwarden/version.txt"},
    };
    EXPECT_EQ(expected, Walk(profile));
    EXPECT_STREQ("mailwarden.exe", profile.GetEX());
    EXPECT_STREQ("", profile.GetValue("ZZ"));
    EXPECT_EQ(0, profile.GetNumber("ZZ"));
    EXPECT_STREQ("", profile.GetValue("pn")) << "keys compare case-sensitively";
}

TEST(BrandingProfile, SetDefaultsReplacesDefinedKeysAndKeepsOthers)
{
    BrandingProfile profile;
    profile.SetValue("ZZ", "kept");
    profile.SetPN("Other");
    profile.SetWS("https://other.example.org");
    profile.SetDefaults();
    EXPECT_STREQ("kept", profile.GetValue("ZZ"));
    EXPECT_STREQ("MailWarden", profile.GetPN());
    EXPECT_STREQ("https://www.example.com", profile.GetWS());
    EXPECT_EQ(15, profile.GetCount());
}

TEST(BrandingProfile, EachAccessorReachesItsOwnKey)
{
    struct Case {
        const char* key;
        CString (BrandingProfile::*get)() const;
        bool (BrandingProfile::*set)(const char*);
    } cases[] = {
        {"HD", &BrandingProfile::GetHD, &BrandingProfile::SetHD},
        {"HN", &BrandingProfile::GetHN, &BrandingProfile::SetHN},
        {"PN", &BrandingProfile::GetPN, &BrandingProfile::SetPN},
        {"LN", &BrandingProfile::GetLN, &BrandingProfile::SetLN},
        {"WS", &BrandingProfile::GetWS, &BrandingProfile::SetWS},
        {"MT", &BrandingProfile::GetMT, &BrandingProfile::SetMT},
        {"MV", &BrandingProfile::GetMV, &BrandingProfile::SetMV},
        {"MI", &BrandingProfile::GetMI, &BrandingProfile::SetMI},
        {"WH", &BrandingProfile::GetWH, &BrandingProfile::SetWH},
        {"FD", &BrandingProfile::GetFD, &BrandingProfile::SetFD},
        {"FV", &BrandingProfile::GetFV, &BrandingProfile::SetFV},
        {"FW", &BrandingProfile::GetFW, &BrandingProfile::SetFW},
        {"FM", &BrandingProfile::GetFM, &BrandingProfile::SetFM},
    };
    for (const Case& c : cases) {
        BrandingProfile profile;
        EXPECT_TRUE((profile.*c.set)("value"));
        EXPECT_EQ(Entries({{c.key, "value"}}), Walk(profile)) << "setter of " << c.key;
        profile.SetValue(c.key, "other");
        EXPECT_STREQ("other", (profile.*c.get)()) << "getter of " << c.key;
    }
    BrandingProfile profile;
    profile.SetEX("srv");
    EXPECT_EQ(Entries({{"EX", "srv"}}), Walk(profile));
}

TEST(BrandingProfile, GetEXAppendsTheSuffixUnlessTheNameEndsInIt)
{
    struct Case {
        const char* stored;
        const char* expected;
    } cases[] = {
        {"Server.EXE", "Server.EXE"},
        {"server", "server.exe"},
        {"exe", "exe.exe"},
        {".exe", ".exe"},
        {"a.exe2", "a.exe2.exe"},
        {"a.ExE", "a.ExE"},
        {"", ".exe"},
    };
    for (const Case& c : cases) {
        BrandingProfile profile;
        profile.SetEX(c.stored);
        EXPECT_STREQ(c.expected, profile.GetEX()) << "EX '" << c.stored << "'";
        EXPECT_STREQ(c.stored, profile.GetValue("EX")) << "the stored value stays";
    }
}

TEST(BrandingProfile, GetNumberFollowsAtoi)
{
    struct Case {
        const char* stored;
        int expected;
    } cases[] = {
        {"12abc", 12}, {"abc", 0}, {" -7", -7}, {"+5", 5}, {"\t 42 1", 42}, {"- 3", 0},
    };
    for (const Case& c : cases) {
        BrandingProfile profile;
        profile.SetValue("ZZ", c.stored);
        EXPECT_EQ(c.expected, profile.GetNumber("ZZ")) << "value '" << c.stored << "'";
    }
}

TEST(BrandingProfile, SetNumberStoresDecimalText)
{
    struct Case {
        int number;
        const char* expected;
    } cases[] = {{0, "0"}, {-42, "-42"}, {7, "7"}, {INT_MIN, "-2147483648"}, {INT_MAX, "2147483647"}};
    for (const Case& c : cases) {
        BrandingProfile profile;
        EXPECT_TRUE(profile.SetNumber("NN", c.number));
        EXPECT_STREQ(c.expected, profile.GetValue("NN"));
        EXPECT_EQ(c.number, profile.GetNumber("NN"));
    }
}

TEST(BrandingProfile, EmptyTextRemovesTheKeyAndReplacingKeepsItsPlace)
{
    BrandingProfile profile;
    profile.SetPN("One");
    profile.SetValue("ZZ", "z");
    profile.SetPN("Two");
    EXPECT_EQ(Entries({{"PN", "Two"}, {"ZZ", "z"}}), Walk(profile));
    profile.SetPN("");
    EXPECT_EQ(Entries({{"ZZ", "z"}}), Walk(profile));
    EXPECT_STREQ("", profile.GetPN());
    EXPECT_TRUE(profile.SetValue("QQ", ""));
    EXPECT_EQ(1, profile.GetCount());
}
