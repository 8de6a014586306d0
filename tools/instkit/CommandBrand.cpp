#include "Command.h"

#include "BrandingBlock.h"
#include "BrandingFileCheck.h"
#include "WholeFile.h"

#include <algorithm>
#include <cstring>

namespace {

// The offset of the installer's one branding block. Refuses a marker that
// is missing or found more than once, a block that the file's end cuts
// short, and a block that is neither unfilled nor filled as FillBrandedBlock
// fills it: whatever the marker was found in, it is not ours to overwrite.
size_t FindBrandingBlock(const std::vector<unsigned char>& installer, const std::string& path)
{
    const unsigned char* marker = (const unsigned char*)brandingMarker;
    std::vector<size_t> found;
    for (auto at = installer.begin();
         (at = std::search(at, installer.end(), marker, marker + BRANDING_MARKER_SIZE)) != installer.end(); ++at)
        found.push_back((size_t)(at - installer.begin()));
    if (found.size() != 1)
        throw std::runtime_error("'" + path + "' holds the branding block's marker \"" + brandingMarker + "\" " +
                                 std::to_string(found.size()) + " times; it must hold it exactly once.");
    size_t offset = found[0];
    if (installer.size() - offset < BRANDING_BLOCK_SIZE)
        throw std::runtime_error("The branding block of '" + path + "' is cut short by the end of the file.");

    const unsigned char* block = installer.data() + offset;
    unsigned char expected[BRANDING_BLOCK_SIZE];
    const unsigned char* file;
    size_t length;
    if (FindBrandingFile(block, BRANDING_BLOCK_SIZE, &file, &length))
        FillBrandedBlock(expected, file, length);
    else
        FillUnbrandedBlock(expected);
    if (std::memcmp(block, expected, BRANDING_BLOCK_SIZE) != 0)
        throw std::runtime_error("The branding block of '" + path + "' is neither unfilled nor filled by instkit.");
    return offset;
}

int Brand(const std::vector<std::string>& arguments)
{
    bool clear = !arguments.empty() && arguments[0] == "--clear";
    if (arguments.size() != 2)
        throw UsageError("an installer and a branding file, or --clear and an installer, are needed");
    const std::string& installerPath = arguments[clear ? 1 : 0];

    std::vector<unsigned char> branding;
    if (!clear) {
        const std::string& brandingPath = arguments[1];
        branding = ReadWholeFile(brandingPath);
        BrandingProfile profile;
        ReadBrandingFileInto(profile, brandingPath, branding);
        if (branding.size() > BRANDING_MAX_FILE)
            throw std::runtime_error("The branding file '" + brandingPath + "' has " +
                                     std::to_string(branding.size()) + " bytes; a branding block holds at most " +
                                     std::to_string(BRANDING_MAX_FILE) + ".");
    }

    std::vector<unsigned char> installer = ReadWholeFile(installerPath);
    unsigned char* block = installer.data() + FindBrandingBlock(installer, installerPath);
    if (clear)
        FillUnbrandedBlock(block);
    else
        FillBrandedBlock(block, branding.data(), branding.size());
    ReplaceWholeFile(installerPath, installer);
    return EXIT_DONE;
}

}

extern const Command brandCommand = {
    "brand", "INSTALLER.exe BRANDING_FILE | --clear INSTALLER.exe",
    "Fills the branding block of a built installer with the branding file, in place; --clear restores the "
    "unfilled block.",
    Brand};
