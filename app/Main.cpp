#include "InstallerApp.h"

// The one application object; the entry point runs it.
InstallerApp theApp;
