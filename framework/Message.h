// Messages the user must see: a string-table text, formatted printf-style
// with its arguments, shown in a modal box with an OK button, the
// exclamation icon and the application's name as its title. Host builds
// send the text to a sink instead.
#pragma once

void ShowMessage(unsigned textId, ...);

// Shows an already formatted text the same way.
void ShowMessageText(const char* text);

#ifndef _WIN32
// Host sink: every shown text is recorded, and passed to the hook when one
// is set (instkit prints it).
typedef void (*MessageHook)(const char* text);
void SetMessageHook(MessageHook hook);
int MessageCount();
const char* LastMessage();   // "" when none was shown
void ClearMessages();
#endif
