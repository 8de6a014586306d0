#include "WaitCursor.h"

CWaitCursor::CWaitCursor() : previous(nullptr) {}

CWaitCursor::~CWaitCursor() {}
