// The string table: every text the installer can show, by id. The resource
// script builds its STRINGTABLE from this list and host builds look texts up
// in it, so the two can never differ.
#pragma once

#define INSTALLER_TEXTS(TEXT) \
    TEXT(1, IDS_FILES_IN_USE, "Access denied to file(s) %s.  Please the ensure the file(s) are not in use") \
    TEXT(2, IDS_LAUNCH_FAILED, "Error launching command: %s %s") \
    TEXT(3, IDS_ARCHIVE_NOT_FOUND, "Couldn't find the file '%s'") \
    TEXT(4, IDS_CANNOT_CREATE, "Couldn't create the file '%s'\nMake sure that the file is not in use, and/or that the disk is not write protected.") \
    TEXT(5, IDS_ARCHIVE_DAMAGED, "The archive '%s' is damaged and cannot be unpacked.") \
    TEXT(6, IDS_BAD_ENTRY_NAME, "The archive '%s' holds the entry '%s', which is not a plain file name.") \
    TEXT(7, IDS_READ_FAILED, "Couldn't read the file '%s'\n%s") \
    TEXT(8, IDS_WRITE_FAILED, "Couldn't write the file '%s'\n%s")

#ifndef RC_INVOKED
#define INSTALLER_TEXT_ID(number, name, text) name = number,
enum TextId { INSTALLER_TEXTS(INSTALLER_TEXT_ID) };
#undef INSTALLER_TEXT_ID

// The text of an id, or null when the table has none.
const char* FindText(unsigned id);
#endif
