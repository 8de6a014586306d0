#include "Command.h"

#include "BrandingBlock.h"
#include "WholeFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

int Block(const std::vector<std::string>& arguments)
{
    if (arguments.empty() || arguments.size() > 2)
        throw UsageError("an output file and at most one branding file are needed");
    unsigned char block[BRANDING_BLOCK_SIZE];
    if (arguments.size() == 1) {
        FillUnbrandedBlock(block);
    } else {
        std::vector<unsigned char> file = ReadWholeFile(arguments[1]);
        if (!FillBrandedBlock(block, file.data(), file.size()))
            throw std::runtime_error("The branding file '" + arguments[1] + "' has " +
                                     std::to_string(file.size()) + " bytes; a block holds at most " +
                                     std::to_string(BRANDING_MAX_FILE) + ".");
    }
    const std::string& out = arguments[0];
    std::ofstream stream(out, std::ios::binary | std::ios::trunc);
    if (stream)
        stream.write((const char*)block, sizeof block);
    if (!stream || !stream.flush()) {
        stream.close();
        std::remove(out.c_str());
        throw std::runtime_error("Couldn't write the file '" + out + "': " + std::strerror(errno));
    }
    return EXIT_DONE;
}

}

extern const Command blockCommand = {
    "block", "OUT [BRANDING_FILE]",
    "Writes the 8,192-byte branding block (data resource 129): unfilled, or carrying the branding file.",
    Block};
