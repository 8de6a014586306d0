#include "Words.h"

Words SplitWords(const std::string& line)
{
    Words result;
    size_t i = 0;
    for (;;) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i == line.size())
            break;
        std::string word;
        bool quoted = false;
        while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
            if (line[i] == '"')
                quoted = !quoted;
            else
                word += line[i];
            ++i;
        }
        result.words.push_back(word);
        size_t restStart = i < line.size() ? i + 1 : i;
        result.rest.push_back(line.substr(restStart));
    }
    return result;
}
