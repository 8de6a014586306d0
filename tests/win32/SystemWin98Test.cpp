// Autostart detection on the Windows 9x family, where the server's
// registration to start with the system is a RunServices value.
#include "ServerService.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

const char runServices[] = "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices";
const char valueName[] = "Keltermax_MailWarden";

TEST(IsNtFamily, DoesNotHoldOnWindows98) { EXPECT_FALSE(IsNtFamily()); }

TEST(IsServerRunServicesRegistered, OnlyThePresenceOfTheValueCounts)
{
    HKEY key;
    DWORD disposition;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, runServices, 0, NULL, 0, KEY_ALL_ACCESS,
                                             NULL, &key, &disposition));
    const struct {
        const char* description;
        const char* command;   // null: no value
        bool expected;
    } cases[] = {
        {"value with a command", "C:\\MailWarden\\MailWarden.exe -s", true},
        {"empty value", "", true},
        {"no value", NULL, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        if (c.command)
            RegSetValueExA(key, valueName, 0, REG_SZ, (const BYTE*)c.command, strlen(c.command) + 1);
        else
            RegDeleteValueA(key, valueName);
        EXPECT_EQ(c.expected, IsServerRunServicesRegistered());
    }
    RegDeleteValueA(key, valueName);
    RegCloseKey(key);
    if (disposition == REG_CREATED_NEW_KEY)
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, runServices);
}

}
