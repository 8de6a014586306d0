// A scenario line split into words: blanks separate them, double quotes
// group blanks into one word (the quotes themselves are dropped). Backslashes
// have no special meaning, so Windows paths are written as they are.
#pragma once

#include <string>
#include <vector>

struct Words {
    std::vector<std::string> words;
    // The text of the line after word i, as written (for command lines).
    std::vector<std::string> rest;
};

Words SplitWords(const std::string& line);
