// write-file <path> <text>    creates or replaces the file with the text
// delete-file <path>
// hold-file <path>            keeps the file open without sharing until
//                             release-file or the end of the scenario
// release-file <path>
// file-info <path>            records its presence, size and CRC-32
// processes                   records the names of the running programs
// service-delete <name>       removes a service's registration
#include "Driver.h"

#include "Transcript.h"

#include <tlhelp32.h>

#include <algorithm>

namespace {

std::map<std::string, HANDLE> heldFiles;

// The CRC-32 of zlib and of Python's zlib.crc32.
unsigned long Crc32(unsigned long crc, const unsigned char* bytes, DWORD length)
{
    crc = ~crc;
    for (DWORD i = 0; i < length; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320UL & (0UL - (crc & 1)));
    }
    return ~crc & 0xFFFFFFFFUL;
}

bool Fail(const char* what, const std::string& subject)
{
    Write(Record("error").Text(what, subject).Number("code", GetLastError()));
    return false;
}

}

bool WriteFileCommand(Driver&, const Words& line)
{
    const std::string text = line.words.size() > 2 ? line.rest[1] : std::string();
    HANDLE file = CreateFileA(line.words[1].c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return Fail("cannot-write", line.words[1]);
    DWORD written = 0;
    BOOL wrote = WriteFile(file, text.data(), (DWORD)text.size(), &written, NULL);
    CloseHandle(file);
    return wrote && written == text.size() ? true : Fail("cannot-write", line.words[1]);
}

bool DeleteFileCommand(Driver&, const Words& line)
{
    return DeleteFileA(line.words[1].c_str()) ? true : Fail("cannot-delete", line.words[1]);
}

bool HoldFile(Driver&, const Words& line)
{
    HANDLE file = CreateFileA(line.words[1].c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return Fail("cannot-hold", line.words[1]);
    heldFiles[line.words[1]] = file;
    return true;
}

bool ReleaseFile(Driver&, const Words& line)
{
    auto held = heldFiles.find(line.words[1]);
    if (held == heldFiles.end())
        return Fail("not-held", line.words[1]);
    CloseHandle(held->second);
    heldFiles.erase(held);
    return true;
}

bool FileInfo(Driver&, const Words& line)
{
    Record record("file");
    record.Text("path", line.words[1]);
    HANDLE file = CreateFileA(line.words[1].c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    record.Flag("exists", file != INVALID_HANDLE_VALUE);
    if (file != INVALID_HANDLE_VALUE) {
        unsigned long crc = 0;
        long long size = 0;
        unsigned char buffer[4096];
        DWORD got;
        while (ReadFile(file, buffer, sizeof buffer, &got, NULL) && got > 0) {
            crc = Crc32(crc, buffer, got);
            size += got;
        }
        CloseHandle(file);
        record.Number("size", size).Number("crc32", (long long)crc);
    }
    Write(record);
    return true;
}

bool Processes(Driver&, const Words&)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return Fail("processes", "no snapshot");
    std::vector<std::string> names;
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        std::string name = entry.szExeFile;
        size_t slash = name.find_last_of("\\/");
        names.push_back(slash == std::string::npos ? name : name.substr(slash + 1));
    }
    CloseHandle(snapshot);
    std::sort(names.begin(), names.end());
    std::string json = "[";
    for (const std::string& name : names)
        json += (json.size() > 1 ? "," : "") + JsonString(name);
    Write(Record("processes").Raw("names", json + "]"));
    return true;
}

bool ServiceDelete(Driver&, const Words& line)
{
    SC_HANDLE manager = OpenSCManagerA(NULL, NULL, SC_MANAGER_ALL_ACCESS);
    SC_HANDLE service = manager ? OpenServiceA(manager, line.words[1].c_str(), DELETE) : NULL;
    BOOL deleted = service && DeleteService(service);
    DWORD error = GetLastError();
    if (service)
        CloseServiceHandle(service);
    if (manager)
        CloseServiceHandle(manager);
    SetLastError(error);
    return deleted ? true : Fail("cannot-delete-service", line.words[1]);
}
