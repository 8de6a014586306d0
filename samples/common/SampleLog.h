// The one log of every sample program: C:\mw_log.txt, one line per event,
// "<tick> <program> <event>", where tick is GetTickCount() in ms, the same
// clock in every process of the machine, so lines of different programs can
// be compared with each other and with the test driver's transcript.
#pragma once

extern const char* const sampleLogPath;

// Appends one line; format is printf-style (wvsprintfA: at most 1,000
// characters in all). Waits while another program holds the file.
void LogEvent(const char* program, const char* format, ...);

// Logs "started [words ]<the program's own path>".
void LogStarted(const char* program, const char* words);
