#pragma once

#include "String.h"

// The temporary folder "mw_tmp" at the root of the Windows directory's
// drive: C:\WINDOWS gives C:\mw_tmp. A Windows directory that could not be
// read (empty) or that does not begin with a drive root such as "D:\" (no
// backslash, a UNC path) gives C:\mw_tmp, so the folder is always absolute
// and at a drive's root.
CString TempDirFor(const char* windowsDirectory);
