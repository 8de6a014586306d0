// Reading a branding file for a command, with the one parser the installer
// uses: a file that the installer would not read through is refused.
#pragma once

#include "BrandingProfile.h"

#include <string>
#include <vector>

// Lays the entries of the branding file bytes (read from path) over
// profile. Throws std::runtime_error naming the file when it is not a
// branding file or is damaged.
void ReadBrandingFileInto(BrandingProfile& profile, const std::string& path, std::vector<unsigned char> bytes);
