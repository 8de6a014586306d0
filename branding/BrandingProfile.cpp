#include "BrandingProfile.h"

#include <stdlib.h>

CString BrandingProfile::GetValue(const char* key) const
{
    const CString* value = table.Lookup(key);
    return value ? *value : CString();
}

bool BrandingProfile::SetValue(const char* key, const char* text)
{
    if (!text || !*text) {
        table.RemoveKey(key);
        return true;
    }
    return table.SetAt(key, text);
}

int BrandingProfile::GetNumber(const char* key) const { return atoi(GetValue(key)); }

bool BrandingProfile::SetNumber(const char* key, int number)
{
    CString text;
    return text.Format("%d", number) && SetValue(key, text);
}

CString BrandingProfile::GetEX() const
{
    CString name = GetValue("EX");
    if (!name.EndsWithNoCase(".exe"))
        name += ".exe";
    return name;
}
