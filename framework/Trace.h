// The diagnostic trace: OutputDebugStringA in debug builds, nothing at all
// in release builds (the arguments are not even evaluated).
#pragma once

#if defined(_WIN32) && !defined(NDEBUG)
void Trace(const char* format, ...);
#define TRACE(...) Trace(__VA_ARGS__)
#else
#define TRACE(...) ((void)0)
#endif
