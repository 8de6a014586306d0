// Hand-made branding files and a profile's entries as a comparable list,
// for the branding tests.
#pragma once

#include "BrandingProfile.h"
#include "PayloadTestFiles.h"

#include <string>
#include <utility>
#include <vector>

typedef std::vector<std::pair<std::string, std::string>> Entries;

// The entries in the order of the profile's walk.
inline Entries Walk(const BrandingProfile& profile)
{
    Entries entries;
    for (int i = 0; i < profile.GetCount(); ++i)
        entries.emplace_back(profile.KeyAt(i).GetString(), profile.ValueAt(i).GetString());
    return entries;
}

// One unscrambled entry whose length field says length, followed by bytes.
inline Bytes Entry(const char* key, unsigned length, const std::string& bytes)
{
    Bytes entry(4 + bytes.size());
    entry[0] = (unsigned char)key[0];
    entry[1] = (unsigned char)key[1];
    entry[2] = (unsigned char)(length & 0xFF);
    entry[3] = (unsigned char)(length >> 8);
    std::copy(bytes.begin(), bytes.end(), entry.begin() + 4);
    return entry;
}

inline Bytes Entry(const char* key, const std::string& value) { return Entry(key, (unsigned)value.size(), value); }

// A branding file: the magic, then the entries, scrambled.
inline Bytes BrandingFile(const std::vector<Bytes>& entries)
{
    Bytes body;
    for (const Bytes& e : entries)
        body.insert(body.end(), e.begin(), e.end());
    BrandingProfile::ScrambleBytes(body.data(), body.size());
    Bytes file(2 + body.size(), 'K');
    std::copy(body.begin(), body.end(), file.begin() + 2);
    return file;
}

// A test with a scratch folder of its own.
class BrandingScratchTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return scratch.File(name); }
    // Writes the file into the scratch folder; its path.
    std::string Write(const std::string& name, const Bytes& bytes) const
    {
        WriteFile(scratch.File(name), bytes);
        return scratch.File(name);
    }

    ScratchFolder scratch;
};
