// Whole files in memory, for the commands that read or rewrite one.
#pragma once

#include <string>
#include <vector>

// The file's bytes; throws std::runtime_error naming the file.
std::vector<unsigned char> ReadWholeFile(const std::string& path);

// Replaces the file with bytes through a temporary file beside it that is
// renamed over it, so a failure leaves the file as it was. The file keeps
// its permissions. Throws std::runtime_error naming the file.
void ReplaceWholeFile(const std::string& path, const std::vector<unsigned char>& bytes);
