#include "WaitCursor.h"

#include <windows.h>

CWaitCursor::CWaitCursor() : previous(SetCursor(LoadCursorA(NULL, (LPCSTR)IDC_WAIT))) {}

CWaitCursor::~CWaitCursor() { SetCursor((HCURSOR)previous); }
