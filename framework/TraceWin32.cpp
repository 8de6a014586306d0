#include "Trace.h"

#if !defined(NDEBUG)
#include "String.h"

#include <windows.h>

void Trace(const char* format, ...)
{
    CString text;
    va_list args;
    va_start(args, format);
    text.FormatV(format, args);
    va_end(args);
    OutputDebugStringA(text);
}
#endif
