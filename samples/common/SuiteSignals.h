// How the programs of the product and their installer signal each other.
#pragma once

// Registered window message, posted to every top-level window: wParam 1
// announces an installer run, wParam 2 asks the programs to end.
#define SUITE_MESSAGE_NAME "MailWardenSuiteMsg"
// Held by the server while it runs; the installer probes it.
#define RUNNING_MUTEX_NAME "MailWardenIsRunning"
