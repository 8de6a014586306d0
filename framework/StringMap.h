// A small keyed table of texts. Keys compare byte for byte; each key is held
// once. The walk visits the entries in the order they were first stored.
#pragma once

#include "String.h"

class CStringMap {
public:
    CStringMap();
    ~CStringMap();

    // The value under key, or null when the key is absent.
    const CString* Lookup(const char* key) const;
    // Stores value under key, replacing an earlier value; false when memory
    // runs out (the table is then unchanged).
    bool SetAt(const char* key, const char* value);
    // Removes the key; nothing happens when it is absent.
    void RemoveKey(const char* key);

    int GetCount() const { return count; }
    // Entry at position index of the walk, 0 <= index < GetCount().
    const CString& KeyAt(int index) const { return entries[index].key; }
    const CString& ValueAt(int index) const { return entries[index].value; }

private:
    CStringMap(const CStringMap&);
    CStringMap& operator=(const CStringMap&);

    struct Entry {
        CString key;
        CString value;
    };
    int IndexOf(const char* key) const;

    Entry* entries;   // count used of capacity constructed entries
    int count;
    int capacity;
};
