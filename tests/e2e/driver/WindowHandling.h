// Recording a dialog or message box and acting on it.
#pragma once

#include "Driver.h"

// Records the window with its controls, then acts as the first matching
// window rule says; a window that no rule expects is closed, so that an
// unexpected message cannot hold the scenario up.
void HandleWindow(Driver& driver, HWND window);
