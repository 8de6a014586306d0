// A small 8-bit string: the text type of the installer and of the portable
// code it shares with the host tools. It never throws: when memory runs out
// the string keeps its previous contents and the operation reports false.
#pragma once

#include <stdarg.h>

class CString {
public:
    CString();
    CString(const char* text);
    CString(const char* bytes, int length);
    CString(const CString& other);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(const char* text);
    CString& operator+=(const CString& other);
    CString& operator+=(const char* text);
    CString& operator+=(char c);

    bool Append(const char* bytes, int length);

    int GetLength() const { return length; }
    bool IsEmpty() const { return length == 0; }
    operator const char*() const { return data ? data : ""; }
    const char* GetString() const { return data ? data : ""; }
    char GetAt(int index) const { return data[index]; }

    // Index of the first occurrence at or after start, or -1.
    int Find(const char* sub, int start = 0) const;
    int Find(char c, int start = 0) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    // Byte-wise comparison; the NoCase variant folds ASCII letters only.
    int Compare(const char* other) const;
    int CompareNoCase(const char* other) const;
    // True when the last strlen(suffix) characters equal suffix ignoring
    // ASCII case; a shorter string is compared whole, so it never matches
    // a longer suffix.
    bool EndsWithNoCase(const char* suffix) const;

    // Removes trailing space, tab, line feed, vertical tab, form feed and
    // carriage return.
    void TrimRight();

    // printf-style formatting; false (and the text unchanged) when memory
    // runs out.
    bool Format(const char* format, ...);
    bool FormatV(const char* format, va_list args);

    // Loads a text of the string table (resources/Texts.h); false when the
    // table has no such id.
    bool LoadText(unsigned id);

    // Direct access for APIs that fill a buffer: GetBuffer gives room for
    // at least minLength characters and a zero; ReleaseBuffer sets the
    // length to newLength, or to the zero-terminated length when it is -1.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    void Empty();

private:
    bool Reserve(int capacity);

    char* data;    // null or a zero-terminated buffer of capacity + 1 bytes
    int length;
    int capacity;
};

bool operator==(const CString& a, const char* b);
bool operator!=(const CString& a, const char* b);
CString operator+(const CString& a, const char* b);

// ASCII-only case folding, the same in every locale and on every host.
int CompareNoCase(const char* a, const char* b);
