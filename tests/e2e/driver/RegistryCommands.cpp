// reg-set <key> <name> <type> [data]   type: sz, expand, multi (one string
//                                      per word), dword, binary (hex bytes);
//                                      an sz's data is the rest of the line
// reg-delete <key> [<name>]            the value, or the key with all below
// reg-dump <key>                       records the key's values, and its
//                                      sub-keys' after them
// Keys begin with HKLM or HKCU; the name "" is the key's default value.
#include "Driver.h"

#include "Transcript.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool SplitKey(const std::string& key, HKEY& root, std::string& path)
{
    size_t slash = key.find('\\');
    std::string rootName = key.substr(0, slash);
    path = slash == std::string::npos ? std::string() : key.substr(slash + 1);
    if (rootName == "HKLM")
        root = HKEY_LOCAL_MACHINE;
    else if (rootName == "HKCU")
        root = HKEY_CURRENT_USER;
    else
        return false;
    return true;
}

bool OpenKey(const std::string& key, REGSAM access, HKEY& opened, bool create)
{
    HKEY root;
    std::string path;
    if (!SplitKey(key, root, path))
        return false;
    if (create) {
        DWORD disposition;
        return RegCreateKeyExA(root, path.c_str(), 0, NULL, 0, access, NULL, &opened, &disposition) ==
               ERROR_SUCCESS;
    }
    return RegOpenKeyExA(root, path.c_str(), 0, access, &opened) == ERROR_SUCCESS;
}

// The data of a value as its type says.
bool EncodeData(const Words& line, DWORD& type, std::string& data)
{
    const std::string& kind = line.words[3];
    std::string rest = line.words.size() > 4 ? line.rest[3] : std::string();
    if (kind == "sz" || kind == "expand") {
        type = kind == "sz" ? REG_SZ : REG_EXPAND_SZ;
        data = rest + '\0';
    } else if (kind == "multi") {
        type = REG_MULTI_SZ;
        for (size_t i = 4; i < line.words.size(); ++i)
            data += line.words[i] + '\0';
        data += '\0';
    } else if (kind == "dword") {
        type = REG_DWORD;
        DWORD value = (DWORD)std::strtoul(rest.c_str(), NULL, 0);
        data.assign((const char*)&value, sizeof value);
    } else if (kind == "binary") {
        type = REG_BINARY;
        for (size_t i = 4; i < line.words.size(); ++i)
            data += (char)std::strtoul(line.words[i].c_str(), NULL, 16);
    } else {
        return false;
    }
    return true;
}

LONG DeleteTree(HKEY parent, const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return RegDeleteKeyA(parent, path.c_str());
    char name[256];
    while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS)
        if (DeleteTree(key, name) != ERROR_SUCCESS)
            break;
    RegCloseKey(key);
    return RegDeleteKeyA(parent, path.c_str());
}

std::string TypeName(DWORD type)
{
    switch (type) {
    case REG_SZ: return "sz";
    case REG_EXPAND_SZ: return "expand";
    case REG_MULTI_SZ: return "multi";
    case REG_DWORD: return "dword";
    case REG_BINARY: return "binary";
    default: return std::to_string(type);
    }
}

std::string HexBytes(const std::string& data)
{
    std::string hex;
    for (unsigned char c : data) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%s%02x", hex.empty() ? "" : " ", c);
        hex += byte;
    }
    return hex;
}

// The text of string data: a terminating zero is not part of it, but one
// that is missing is no reason to hide the data.
std::string WithoutTerminator(const std::string& data)
{
    return !data.empty() && data.back() == '\0' ? data.substr(0, data.size() - 1) : data;
}

// A multi-string's strings as a JSON array.
std::string StringList(const std::string& strings)
{
    std::string json = "[";
    size_t start = 0;
    while (start < strings.size()) {
        size_t end = strings.find('\0', start);
        if (end == std::string::npos)
            end = strings.size();
        json += (json.size() > 1 ? "," : "") + JsonString(strings.substr(start, end - start));
        start = end + 1;
    }
    return json + "]";
}

void DumpValues(HKEY key, const std::string& keyName)
{
    for (DWORD i = 0;; ++i) {
        char name[16384];
        DWORD nameLength = sizeof name;
        DWORD type, size = 0;
        if (RegEnumValueA(key, i, name, &nameLength, NULL, &type, NULL, &size) != ERROR_SUCCESS)
            break;
        std::string data(size, '\0');
        nameLength = sizeof name;
        RegEnumValueA(key, i, name, &nameLength, NULL, &type, (BYTE*)&data[0], &size);
        data.resize(size);
        Record record("reg-value");
        record.Text("key", keyName).Text("name", name).Text("type", TypeName(type));
        if (type == REG_DWORD && size == 4)
            record.Number("data", *(const DWORD*)data.data());
        else if (type == REG_SZ || type == REG_EXPAND_SZ)
            record.Text("data", WithoutTerminator(data));
        else if (type == REG_MULTI_SZ)
            record.Raw("data", StringList(WithoutTerminator(WithoutTerminator(data))));
        else
            record.Text("data", HexBytes(data));
        Write(record);
    }
}

void DumpKey(const std::string& keyName)
{
    HKEY key;
    if (!OpenKey(keyName, KEY_READ, key, false)) {
        Write(Record("reg-key").Text("key", keyName).Flag("exists", false));
        return;
    }
    Write(Record("reg-key").Text("key", keyName).Flag("exists", true));
    DumpValues(key, keyName);
    char name[256];
    for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i)
        DumpKey(keyName + "\\" + name);
    RegCloseKey(key);
}

}

bool RegSet(Driver&, const Words& line)
{
    DWORD type;
    std::string data;
    HKEY key;
    if (!EncodeData(line, type, data)) {
        Write(Record("error").Text("unknown-value-type", line.words[3]));
        return false;
    }
    if (!OpenKey(line.words[1], KEY_WRITE, key, true)) {
        Write(Record("error").Text("cannot-create-key", line.words[1]));
        return false;
    }
    LONG result = RegSetValueExA(key, line.words[2].c_str(), 0, type, (const BYTE*)data.data(), (DWORD)data.size());
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) {
        Write(Record("error").Text("cannot-set-value", line.words[2]).Number("code", result));
        return false;
    }
    return true;
}

bool RegDelete(Driver&, const Words& line)
{
    HKEY root;
    std::string path;
    if (!SplitKey(line.words[1], root, path)) {
        Write(Record("error").Text("unknown-root-key", line.words[1]));
        return false;
    }
    // What is not there is deleted already.
    if (line.words.size() > 2) {
        HKEY key;
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, line.words[2].c_str());
            RegCloseKey(key);
        }
    } else {
        DeleteTree(root, path);
    }
    return true;
}

bool RegDump(Driver&, const Words& line)
{
    DumpKey(line.words[1]);
    return true;
}
