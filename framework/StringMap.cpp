#include "StringMap.h"

#include <string.h>

CStringMap::CStringMap() : entries(0), count(0), capacity(0) {}

CStringMap::~CStringMap() { delete[] entries; }

int CStringMap::IndexOf(const char* key) const
{
    for (int i = 0; i < count; ++i)
        if (strcmp(entries[i].key, key) == 0)
            return i;
    return -1;
}

const CString* CStringMap::Lookup(const char* key) const
{
    int i = IndexOf(key);
    return i < 0 ? 0 : &entries[i].value;
}

bool CStringMap::SetAt(const char* key, const char* value)
{
    int i = IndexOf(key);
    if (i >= 0) {
        CString copy(value);
        if (copy.GetLength() != (int)strlen(value))
            return false;
        entries[i].value = copy;
        return true;
    }
    if (count == capacity) {
        int grown = capacity ? capacity * 2 : 16;
        Entry* bigger = new Entry[grown];
        if (!bigger)
            return false;
        for (int j = 0; j < count; ++j) {
            bigger[j].key = entries[j].key;
            bigger[j].value = entries[j].value;
        }
        delete[] entries;
        entries = bigger;
        capacity = grown;
    }
    Entry& entry = entries[count];
    entry.key = key;
    entry.value = value;
    if (entry.key != key || entry.value != value)
        return false;
    ++count;
    return true;
}

void CStringMap::RemoveKey(const char* key)
{
    int i = IndexOf(key);
    if (i < 0)
        return;
    for (; i + 1 < count; ++i) {
        entries[i].key = entries[i + 1].key;
        entries[i].value = entries[i + 1].value;
    }
    --count;
    entries[count].key.Empty();
    entries[count].value.Empty();
}

