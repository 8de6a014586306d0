#include "BrandingFileCheck.h"

#include <stdexcept>

void ReadBrandingFileInto(BrandingProfile& profile, const std::string& path, std::vector<unsigned char> bytes)
{
    const std::string file = "'" + path + "'";
    switch (profile.ReadBrandingBytes(bytes.data(), bytes.size())) {
    case BRANDING_FILE_READ:
        return;
    case BRANDING_FILE_NOT_BRANDING:
        throw std::runtime_error(file + " is not a branding file: it does not start with \"KK\".");
    case BRANDING_FILE_CUT_SHORT:
        throw std::runtime_error("The branding file " + file + " is damaged: its last entry is cut short.");
    case BRANDING_FILE_BAD_LENGTH:
        throw std::runtime_error("The branding file " + file + " is damaged: an entry's length has its top bit set.");
    case BRANDING_FILE_NO_MEMORY:
        break;
    }
    throw std::runtime_error("Couldn't read the branding file " + file + ": out of memory.");
}
