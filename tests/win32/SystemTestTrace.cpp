#include "SystemTestTrace.h"

#include "Trace.h"

#include <stdarg.h>
#include <stdio.h>

namespace {

std::vector<std::string> traces;

}

void Trace(const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    traces.push_back(text);
}

std::vector<std::string> TakeTraces()
{
    std::vector<std::string> taken;
    taken.swap(traces);
    return taken;
}
