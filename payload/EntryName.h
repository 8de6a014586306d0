// Names and paths of the files that an archive's entries become.
#pragma once

#include "String.h"

// True for a plain file name: not empty, no '\', '/', ':' or zero byte, and
// neither "." nor "..", so that it stays inside the destination folder.
bool IsPlainFileName(const CString& name);

// Turns an entry's name into the name its file is written under: the
// server executable "MailWarden.exe" (any case) takes serverName, with
// ".exe" added when it lacks that ending (any case); a null serverName
// renames nothing. False, with name holding the refused name, when the
// entry's name or the result is not a plain file name.
bool OutputFileName(CString& name, const char* serverName);

// The destination folder with a separator at its end: a backslash is added
// unless it ends in one ("" becomes "\"). Host builds also take a trailing
// '/' as a separator, since a POSIX path has no backslash separator.
CString FolderPrefix(const char* folder);
