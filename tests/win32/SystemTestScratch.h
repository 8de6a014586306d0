// Scratch places of the system tests: a registry key under
// HKLM\Software and a folder in the temporary folder, unique to the
// process, removed with everything in them.
#pragma once

#include <windows.h>

#include <shlwapi.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

inline std::string UniqueName(const char* prefix)
{
    static int made = 0;
    return std::string(prefix) + "." + std::to_string(GetCurrentProcessId()) + "."
        + std::to_string(++made);
}

class ScratchKey {
public:
    ScratchKey() : path("Software\\" + UniqueName("SystemTest")) {}
    ~ScratchKey() { SHDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str()); }

    // Relative to HKEY_LOCAL_MACHINE.
    const std::string& Path() const { return path; }

    void SetValue(const char* name, DWORD type, const void* data, DWORD size) const
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, NULL, 0,
                                                 KEY_WRITE, NULL, &key, NULL))
            << "creating " << path;
        EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, (const BYTE*)data, size))
            << "setting " << name;
        RegCloseKey(key);
    }

private:
    std::string path;
};

class ScratchFolder {
public:
    ScratchFolder()
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        path = std::string(temp) + UniqueName("SystemTest");
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }

    // A Windows path, without a trailing backslash.
    const std::string& Path() const { return path; }

    void AddFile(const std::string& name, const std::string& content = "") const
    {
        std::filesystem::create_directories(std::filesystem::path(path + "\\" + name).parent_path());
        std::ofstream(path + "\\" + name, std::ios::binary) << content;
    }
    void AddFolder(const std::string& name) const { std::filesystem::create_directories(path + "\\" + name); }

private:
    std::string path;
};

// The folder of the running test executable, where its helper programs
// are built.
inline std::string TestProgramFolder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, sizeof path);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}
