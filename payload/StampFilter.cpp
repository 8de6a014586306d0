// The stamp filter: the bytes that follow the first stamp marker decoded in
// the process are overwritten with the stamp text and its zero. Its state is
// shared by every reader and carries over between chunks, entries and
// archives, so a marker split across any of them is found, and once done,
// it stays done.
#include "PayloadArchiveReader.h"
#include "StampFilterTesting.h"

#include "Trace.h"

#include <string.h>

namespace {

enum { STAMP_MARKER_SIZE = 9 };

// "K..*K..*" and its zero. A program built with this reader carries these
// bytes itself; the zero bytes after the marker are what an empty stamp
// text overwrites, so such a program is written out unchanged.
const char stampMarker[12] = "K..*K..*\0\0";

enum StampState { STAMP_SEARCHING, STAMP_WRITING, STAMP_DONE };

StampState stampState = STAMP_SEARCHING;
unsigned stampPos = 0;

}

void ResetStampFilterForTesting()
{
    stampState = STAMP_SEARCHING;
    stampPos = 0;
}

void PayloadArchiveReader::SetStampText(const char* text)
{
    // The zero fill keeps a text's last byte zero, so that writing, which
    // may go on in another reader, always ends within stampText.
    strncpy(stampText, text, STAMP_TEXT_SIZE - 1);
    stampText[STAMP_TEXT_SIZE - 1] = 0;
}

void PayloadArchiveReader::ApplyStampFilter(unsigned char* bytes, unsigned long count)
{
    unsigned char* end = bytes + count;
    for (unsigned char* p = bytes; p < end && stampState != STAMP_DONE; ++p) {
        if (stampState == STAMP_WRITING) {
            *p = (unsigned char)stampText[stampPos++];
            if (*p == 0)
                stampState = STAMP_DONE;
            continue;
        }
        if (stampPos == 0) {
            // Only a 'K' can start the marker.
            p = (unsigned char*)memchr(p, 'K', (size_t)(end - p));
            if (!p)
                return;
        }
        // A byte that breaks a partial match is not tried as a new start.
        if (*p != (unsigned char)stampMarker[stampPos]) {
            stampPos = 0;
        } else if (++stampPos == STAMP_MARKER_SIZE) {
            TRACE("Found it\n");
            stampState = STAMP_WRITING;
            stampPos = 0;
        }
    }
}
