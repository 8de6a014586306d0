// A profile's entries as a comparable list, in the order of its walk.
#pragma once

#include "BrandingProfile.h"

#include <string>
#include <utility>
#include <vector>

typedef std::vector<std::pair<std::string, std::string>> Entries;

inline Entries Walk(const BrandingProfile& profile)
{
    Entries entries;
    for (int i = 0; i < profile.GetCount(); ++i)
        entries.emplace_back(profile.KeyAt(i).GetString(), profile.ValueAt(i).GetString());
    return entries;
}
