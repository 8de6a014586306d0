#pragma once

#include "String.h"

// The path of name inside folder: one backslash between them unless folder
// already ends in one. Nothing else is normalised, so an empty folder gives
// a backslash followed by name.
CString JoinPath(const char* folder, const char* name);
