#pragma once

// Starts file through the shell's "open" verb, with parameters (may be
// null) and, when wait is set, waits for the process to end. Nonzero when
// the program was started; otherwise shows the message "Error launching
// command: <file> <parameters>" and returns 0.
int LaunchProgram(const char* file, const char* parameters, bool wait);
