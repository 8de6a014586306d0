// The server's message files: ".msg" files become ".wmm" files.
#pragma once

// Walks folder and every folder below it and gives each file whose name
// ends in ".msg" (in any case) the extension ".wmm"; in count-only mode
// renames nothing. Returns the number of such files, renamed or not: a
// rename that fails (a ".wmm" file of that name exists) still counts. A
// folder that cannot be searched counts 0.
int MigrateMessageFiles(bool countOnly, const char* folder);
