// The service control's diagnostic trace, recorded: the tests build the
// service module with the trace on and this recorder in place of the
// debugger output.
#pragma once

#include <string>
#include <vector>

// Every text traced since the last call, oldest first.
std::vector<std::string> TakeTraces();
