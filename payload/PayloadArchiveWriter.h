// Packs files into a payload archive (host only: the packer).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Called as the packing goes on: the file being packed, and the bytes of all
// files read so far against their total.
using PackProgress = std::function<void(const std::string& file, uint64_t done, uint64_t total)>;

// Writes an archive whose entries are the files in the given order, each
// named by its base name. Throws std::runtime_error with a text that names
// the file at fault; no archive is left behind then.
void WritePayloadArchive(const std::string& archivePath, const std::vector<std::string>& files,
                         const PackProgress& progress = PackProgress());
