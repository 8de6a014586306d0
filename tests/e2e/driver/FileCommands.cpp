// dir <folder>   records the names in the folder, at this moment
#include "Driver.h"

#include "Transcript.h"

#include <algorithm>

bool ListFolder(Driver&, const Words& line)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((line.words[1] + "\\*").c_str(), &found);
    std::vector<std::string> names;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    std::sort(names.begin(), names.end());
    std::string json = "[";
    for (const std::string& name : names)
        json += (json.size() > 1 ? "," : "") + JsonString(name);
    Write(Record("dir").Text("folder", line.words[1]).Flag("exists", search != INVALID_HANDLE_VALUE).Raw("names", json + "]"));
    return true;
}
