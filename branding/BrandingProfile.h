// The branding profile: the product-identity settings of one build, held
// under two-letter keys in one keyed table. A new profile is empty; the
// defaults come only from SetDefaults, which LoadBrandingFile calls first.
// No entry ever holds empty text: storing empty text removes the key.
#pragma once

#include "String.h"
#include "StringMap.h"

#include <stddef.h>

// What reading a branding file held in memory came to.
enum BrandingFileStatus {
    BRANDING_FILE_READ,           // every entry was read
    BRANDING_FILE_NOT_BRANDING,   // shorter than the magic, or no "KK" magic
    BRANDING_FILE_CUT_SHORT,      // an entry reaches past the end of the file
    BRANDING_FILE_BAD_LENGTH,     // a value length has its top bit set
    BRANDING_FILE_NO_MEMORY
};

class BrandingProfile {
public:
    BrandingProfile() {}

    // Stores every default, replacing what those keys held; other keys stay.
    // False only when memory runs out.
    bool SetDefaults();

    // The stored text, or empty text when the key is absent.
    CString GetValue(const char* key) const;
    // Empty text removes the key. False only when memory runs out.
    bool SetValue(const char* key, const char* text);
    // The stored text read by atoi's rules; 0 when absent or not a number.
    int GetNumber(const char* key) const;
    bool SetNumber(const char* key, int number);

    // The server executable's file name, always ending in ".exe".
    CString GetEX() const;
    bool SetEX(const char* text) { return SetValue("EX", text); }

#define BRANDING_TEXT_KEY(key)                                  \
    CString Get##key() const { return GetValue(#key); }         \
    bool Set##key(const char* text) { return SetValue(#key, text); }

    BRANDING_TEXT_KEY(HD)
    BRANDING_TEXT_KEY(HN)
    BRANDING_TEXT_KEY(PN)
    BRANDING_TEXT_KEY(LN)
    BRANDING_TEXT_KEY(WS)
    BRANDING_TEXT_KEY(MT)
    BRANDING_TEXT_KEY(MV)
    BRANDING_TEXT_KEY(MI)
    BRANDING_TEXT_KEY(WH)
    BRANDING_TEXT_KEY(FD)
    BRANDING_TEXT_KEY(FV)
    BRANDING_TEXT_KEY(FW)
    BRANDING_TEXT_KEY(FM)
#undef BRANDING_TEXT_KEY

    // The walk over the entries, in the order their keys were first stored.
    int GetCount() const { return table.GetCount(); }
    const CString& KeyAt(int index) const { return table.KeyAt(index); }
    const CString& ValueAt(int index) const { return table.ValueAt(index); }

    // Puts the defaults, then lays the entries of the branding file at path
    // over them. True for a null or empty path (defaults only) and for a file
    // read through; false when the file cannot be opened or read, is not a
    // branding file, or is damaged. Entries read before damage stay stored.
    bool LoadBrandingFile(const char* path);
    // Lays the entries of the branding file file[0..size) over the profile's
    // entries, without putting the defaults. Unscrambles the body in place.
    // Reading stops at the first damaged entry.
    BrandingFileStatus ReadBrandingBytes(unsigned char* file, size_t size);
    // Writes every entry to a new file at path. False, and no file left
    // behind, when the file would pass the 8,192 bytes of the format's
    // writer, a key is longer than two characters, or the file cannot be
    // created, written or closed.
    bool SaveBrandingFile(const char* path) const;
    // The size in bytes of the file SaveBrandingFile would write.
    size_t GetSavedSize() const;

    // The body's encoding, in place; bytes[0] is the byte after the magic.
    static void ScrambleBytes(unsigned char* bytes, size_t count);
    static void UnscrambleBytes(unsigned char* bytes, size_t count);

private:
    BrandingProfile(const BrandingProfile&);
    BrandingProfile& operator=(const BrandingProfile&);

    CStringMap table;
};
