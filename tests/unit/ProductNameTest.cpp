#include "ProductName.h"

#include <gtest/gtest.h>

TEST(ReplaceBuiltInName, ReplacesEveryOccurrenceOfTheTemplateTextOnly)
{
    const char* installed = "MailWarden has already been installed on this computer.";
    const char* upgrade = "&Upgrade\nInstall the new version of the software without changing any "
                          "settings.  MailWarden will be automatically started.";
    struct Case {
        const char* text;
        const char* productName;
        bool replaced;
        const char* expected;
    } cases[] = {
        {installed, "Relay One", true, "Relay One has already been installed on this computer."},
        {upgrade, "Relay One", true,
         "&Upgrade\nInstall the new version of the software without changing any settings.  Relay One will be "
         "automatically started."},
        {installed, "mailwarden", true, "mailwarden has already been installed on this computer."},
        {installed, "MailWarden Pro", true, "MailWarden Pro has already been installed on this computer."},
        {installed, "", true, " has already been installed on this computer."},
        {"MailWardenMailWarden", "X", true, "XX"},
        {"MailWarde", "X", false, "MailWarde"},
        {"&Setup\nRerun the Setup program, allowing you to change preferences if required.", "Relay One", false,
         "&Setup\nRerun the Setup program, allowing you to change preferences if required."},
    };
    for (const Case& c : cases) {
        CString result;
        EXPECT_EQ(c.replaced, ReplaceBuiltInName(c.text, c.productName, result)) << "text '" << c.text << "'";
        EXPECT_STREQ(c.expected, result) << "text '" << c.text << "', product name '" << c.productName << "'";
    }
}
