// A command of instkit: one source file each (Command*.cpp), listed in the
// table of main.cpp.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

struct Command {
    const char* name;
    const char* arguments;   // as the usage line shows them
    const char* summary;     // one line for --help
    // Runs with the arguments after the command's name; returns the exit
    // status. Throws UsageError for wrong arguments (exit 2) and
    // std::runtime_error, with a text that names the file, for a failure
    // (exit 1).
    int (*run)(const std::vector<std::string>& arguments);
};

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum { EXIT_DONE = 0, EXIT_FAILED = 1, EXIT_USAGE = 2 };

extern const Command packCommand;
extern const Command listCommand;
extern const Command extractCommand;
extern const Command blockCommand;
extern const Command brandingCommand;
extern const Command brandCommand;
