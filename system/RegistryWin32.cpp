#include "Registry.h"

#include "Handles.h"

#include <stdlib.h>

bool ReadMachineString(const char* subKey, const char* name, CString& value)
{
    RegistryKey key;
    if (!key.OpenExisting(HKEY_LOCAL_MACHINE, subKey, KEY_READ))
        return false;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, NULL, NULL, NULL, &size) != ERROR_SUCCESS)
        return false;
    // One byte more than the data, zeroed, ends the text when the data has
    // no zero of its own. The buffer starts zeroed and the second read's
    // size is kept, so a value that changed in between never yields bytes
    // that were not read from the registry.
    char* buffer = (char*)calloc((size_t)size + 1, 1);
    if (!buffer)
        return false;
    DWORD got = size;
    if (RegQueryValueExA(key, name, NULL, NULL, (BYTE*)buffer, &got) != ERROR_SUCCESS)
        got = 0;
    buffer[got < size ? got : size] = 0;
    value = buffer;
    free(buffer);
    return true;
}

bool WriteMachineDword(const char* subKey, const char* name, unsigned long value)
{
    RegistryKey key;
    if (!key.CreateOrOpen(HKEY_LOCAL_MACHINE, subKey, KEY_WRITE))
        return false;
    DWORD data = value;
    return RegSetValueExA(key, name, 0, REG_DWORD, (const BYTE*)&data, sizeof data) == ERROR_SUCCESS;
}
