// The steps of the sample setup, each small enough to name what it does.
#pragma once

#include "String.h"

// Creates folder and every missing folder above it; true when it exists.
bool CreateFolderPath(const char* folder);

// A few message files of the server's store, ".msg", one in a sub-folder,
// so that an upgrade has something to convert.
bool WriteMessageStore(const char* cacheFolder);

// Stores a string value under HKEY_LOCAL_MACHINE, creating the key path.
bool WriteMachineString(const char* subKey, const char* name, const char* text);

// Registers the server to start with the system: the NT service (with the
// server's -service switch) on the NT family, the RunServices value on the
// 9x family. Returns which one
// ("service", "runservices"), or null when it failed (GetLastError says
// why).
const char* RegisterServerAutostart(const char* serverPath, const char* displayName);
