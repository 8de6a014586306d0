// Waiting while the scenario's programs run: the driver's own messages are
// dispatched (its broadcast listener), and every window that appears on the
// screen is recorded and handled by the window rules.
#pragma once

#include "Driver.h"

typedef bool (*Condition)(Driver& driver, void* context);

// Waits until condition holds or ten minutes pass; false on the time limit,
// which is recorded with what was waited for.
bool WaitUntil(Driver& driver, Condition condition, void* context, const std::string& waitingFor);

// Marks the windows on the screen now as not the scenario's.
void IgnoreExistingWindows(Driver& driver);
