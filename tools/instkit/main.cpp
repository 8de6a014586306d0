// instkit: packs, lists and extracts payload archives, makes branding
// blocks, writes and shows branding files and brands built installers, with
// the very readers the installer uses.
#include "Command.h"

#include "Message.h"

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

const Command* const commands[] = {
    &packCommand,
    &listCommand,
    &extractCommand,
    &blockCommand,
    &brandingCommand,
    &brandCommand,
};

void PrintUsage(FILE* out)
{
    std::fprintf(out, "Usage: instkit COMMAND ARGUMENTS...\n\nCommands:\n");
    for (const Command* command : commands)
        std::fprintf(out, "  %s %s\n      %s\n", command->name, command->arguments, command->summary);
    std::fprintf(out, "\nExit status: 0 done, 1 failed, 2 wrong arguments.\n");
}

// The reader shows its messages here, as the installer would in a box.
void PrintMessage(const char* text) { std::fprintf(stderr, "instkit: %s\n", text); }

bool IsHelp(const char* argument)
{
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

}

int main(int argc, char** argv)
{
    if (argc < 2) {
        PrintUsage(stderr);
        return EXIT_USAGE;
    }
    if (IsHelp(argv[1])) {
        PrintUsage(stdout);
        return EXIT_DONE;
    }
    for (const Command* command : commands) {
        if (std::strcmp(argv[1], command->name) != 0)
            continue;
        std::vector<std::string> arguments(argv + 2, argv + argc);
        if (!arguments.empty() && IsHelp(arguments[0].c_str())) {
            std::printf("Usage: instkit %s %s\n  %s\n", command->name, command->arguments, command->summary);
            return EXIT_DONE;
        }
        SetMessageHook(PrintMessage);
        try {
            return command->run(arguments);
        } catch (const UsageError& error) {
            std::fprintf(stderr, "instkit %s: %s\nUsage: instkit %s %s\n", command->name, error.what(),
                         command->name, command->arguments);
            return EXIT_USAGE;
        } catch (const std::exception& error) {
            std::fprintf(stderr, "instkit %s: %s\n", command->name, error.what());
            return EXIT_FAILED;
        }
    }
    std::fprintf(stderr, "instkit: unknown command '%s'\n", argv[1]);
    PrintUsage(stderr);
    return EXIT_USAGE;
}
