// For tests only: the stamp filter's process-wide state goes back to its
// start (searching, nothing matched). The installer never resets it.
#pragma once

void ResetStampFilterForTesting();
