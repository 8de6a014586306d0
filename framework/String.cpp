#include "String.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool IsTrimmedSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}

int CompareNoCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        unsigned char x = (unsigned char)FoldCase(*a), y = (unsigned char)FoldCase(*b);
        if (x != y)
            return x < y ? -1 : 1;
        if (x == 0)
            return 0;
    }
}

CString::CString() : data(0), length(0), capacity(0) {}

CString::CString(const char* text) : data(0), length(0), capacity(0)
{
    if (text)
        Append(text, (int)strlen(text));
}

CString::CString(const char* bytes, int count) : data(0), length(0), capacity(0)
{
    Append(bytes, count);
}

CString::CString(const CString& other) : data(0), length(0), capacity(0)
{
    Append(other.GetString(), other.length);
}

CString::~CString() { free(data); }

CString& CString::operator=(const CString& other)
{
    if (this != &other) {
        length = 0;
        if (data)
            data[0] = 0;
        Append(other.GetString(), other.length);
    }
    return *this;
}

CString& CString::operator=(const char* text)
{
    CString copy(text);   // text may point into this string
    return *this = copy;
}

CString& CString::operator+=(const CString& other)
{
    Append(other.GetString(), other.length);
    return *this;
}

CString& CString::operator+=(const char* text)
{
    if (text)
        Append(text, (int)strlen(text));
    return *this;
}

CString& CString::operator+=(char c)
{
    Append(&c, 1);
    return *this;
}

bool CString::Reserve(int wanted)
{
    if (wanted <= capacity && data)
        return true;
    int grown = capacity + capacity / 2;
    if (grown < wanted)
        grown = wanted;
    char* bigger = (char*)realloc(data, (size_t)grown + 1);
    if (!bigger)
        return false;
    if (!data)
        bigger[0] = 0;
    data = bigger;
    capacity = grown;
    return true;
}

bool CString::Append(const char* bytes, int count)
{
    if (count <= 0)
        return Reserve(length);
    if (bytes >= data && data && bytes < data + length) {
        CString copy(bytes, count);   // appending a part of itself
        return Append(copy.GetString(), copy.length);
    }
    if (!Reserve(length + count))
        return false;
    memcpy(data + length, bytes, (size_t)count);
    length += count;
    data[length] = 0;
    return true;
}

int CString::Find(const char* sub, int start) const
{
    if (start < 0 || start > length)
        return -1;
    const char* hit = strstr(GetString() + start, sub);
    return hit ? (int)(hit - GetString()) : -1;
}

int CString::Find(char c, int start) const
{
    for (int i = start < 0 ? 0 : start; i < length; ++i)
        if (data[i] == c)
            return i;
    return -1;
}

CString CString::Left(int count) const
{
    if (count < 0)
        count = 0;
    return CString(GetString(), count < length ? count : length);
}

CString CString::Mid(int first) const { return Mid(first, length); }

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (first > length)
        first = length;
    if (count > length - first)
        count = length - first;
    return CString(GetString() + first, count);
}

int CString::Compare(const char* other) const { return strcmp(GetString(), other); }

int CString::CompareNoCase(const char* other) const { return ::CompareNoCase(GetString(), other); }

bool CString::EndsWithNoCase(const char* suffix) const
{
    int n = (int)strlen(suffix);
    if (length < n)
        return false;
    return ::CompareNoCase(GetString() + length - n, suffix) == 0;
}

void CString::TrimRight()
{
    while (length > 0 && IsTrimmedSpace(data[length - 1]))
        data[--length] = 0;
}

bool CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    bool ok = FormatV(format, args);
    va_end(args);
    return ok;
}

bool CString::FormatV(const char* format, va_list args)
{
    // msvcrt's _vsnprintf returns -1 when the buffer is too small, C99's
    // vsnprintf the length it needs; growing until it fits serves both.
    int size = 256;
    for (;;) {
        char* buffer = (char*)malloc((size_t)size);
        if (!buffer)
            return false;
        va_list copy;
        va_copy(copy, args);
#ifdef _WIN32
        int n = _vsnprintf(buffer, (size_t)size, format, copy);
#else
        int n = vsnprintf(buffer, (size_t)size, format, copy);
#endif
        va_end(copy);
        if (n >= 0 && n < size) {
            free(data);
            data = buffer;
            length = n;
            capacity = size - 1;
            return true;
        }
        free(buffer);
        if (size > (1 << 24))
            return false;
        size = n >= size ? n + 1 : size * 2;
    }
}

char* CString::GetBuffer(int minLength)
{
    if (!Reserve(minLength > length ? minLength : length))
        return 0;
    return data;
}

void CString::ReleaseBuffer(int newLength)
{
    if (!data)
        return;
    if (newLength < 0)
        newLength = (int)strlen(data);
    if (newLength > capacity)
        newLength = capacity;
    length = newLength;
    data[length] = 0;
}

void CString::Empty()
{
    length = 0;
    if (data)
        data[0] = 0;
}

bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }

CString operator+(const CString& a, const char* b)
{
    CString result(a);
    result += b;
    return result;
}
