// Values under HKEY_LOCAL_MACHINE.
#pragma once

#include "String.h"

// The product registry key and its values.
#define PRODUCT_KEY "Software\\Keltermax\\MailWarden"

// Reads a value's data as text, up to its first zero byte, whatever its
// type. False when the key or the value cannot be read; value is then left
// untouched.
bool ReadMachineString(const char* subKey, const char* name, CString& value);

// Stores a REG_DWORD value, creating the key path when it is missing.
bool WriteMachineDword(const char* subKey, const char* name, unsigned long value);
