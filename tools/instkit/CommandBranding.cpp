#include "Command.h"

#include "BrandingFileCheck.h"
#include "BrandingFormat.h"
#include "BrandingProfile.h"
#include "WholeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Stores one KEY=VALUE pair; the text of what is wrong with it, or empty
// text when it was stored. A branding file holds no empty value, and its
// entries are zero-free text, so neither is accepted.
std::string StorePair(BrandingProfile& profile, const std::string& pair)
{
    size_t equals = pair.find('=');
    if (equals == std::string::npos)
        return "'" + pair + "' is not KEY=VALUE";
    std::string key = pair.substr(0, equals), value = pair.substr(equals + 1);
    if (key.size() != 2)
        return "the key '" + key + "' is not exactly two characters";
    if (pair.find('\0') != std::string::npos)
        return "the pair of the key '" + key + "' holds a zero byte";
    if (value.empty())
        return "the value of " + key + " is empty";
    profile.SetValue(key.c_str(), value.c_str());
    return std::string();
}

// One pair a line; CR LF line ends and blank lines are fine.
void StorePairsOfFile(BrandingProfile& profile, const std::string& path)
{
    std::vector<unsigned char> bytes = ReadWholeFile(path);
    std::string text(bytes.begin(), bytes.end());
    size_t start = 0;
    for (int line = 1; start < text.size(); ++line) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string pair = text.substr(start, end - start);
        start = end + 1;
        if (!pair.empty() && pair.back() == '\r')
            pair.pop_back();
        if (pair.empty())
            continue;
        std::string fault = StorePair(profile, pair);
        if (!fault.empty())
            throw std::runtime_error("'" + path + "', line " + std::to_string(line) + ": " + fault + ".");
    }
}

int Write(const std::vector<std::string>& arguments)
{
    if (arguments.size() < 3)
        throw UsageError("write needs a file and at least one KEY=VALUE or --from PAIRS.txt");
    const std::string& path = arguments[1];
    BrandingProfile profile;
    for (size_t i = 2; i < arguments.size(); ++i) {
        if (arguments[i] == "--from") {
            if (++i == arguments.size())
                throw UsageError("--from needs a file of KEY=VALUE lines");
            StorePairsOfFile(profile, arguments[i]);
            continue;
        }
        std::string fault = StorePair(profile, arguments[i]);
        if (!fault.empty())
            throw UsageError(fault);
    }
    if (profile.GetSavedSize() > BRANDING_WRITER_BUFFER)
        throw std::runtime_error("The branding file '" + path + "' would have " +
                                 std::to_string(profile.GetSavedSize()) + " bytes; a branding file has at most " +
                                 std::to_string(BRANDING_WRITER_BUFFER) + ".");
    errno = 0;
    if (!profile.SaveBrandingFile(path.c_str()))
        throw std::runtime_error("Couldn't write the branding file '" + path + "': " +
                                 (errno ? std::strerror(errno) : "out of memory"));
    return EXIT_DONE;
}

int Show(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 2)
        throw UsageError("show needs one branding file");
    BrandingProfile profile;   // empty: only the file's own entries show
    ReadBrandingFileInto(profile, arguments[1], ReadWholeFile(arguments[1]));
    for (int i = 0; i < profile.GetCount(); ++i) {
        const CString& key = profile.KeyAt(i);
        const CString& value = profile.ValueAt(i);
        std::fwrite(key.GetString(), 1, (size_t)key.GetLength(), stdout);
        std::fputc('=', stdout);
        std::fwrite(value.GetString(), 1, (size_t)value.GetLength(), stdout);
        std::fputc('\n', stdout);
    }
    return EXIT_DONE;
}

int Branding(const std::vector<std::string>& arguments)
{
    if (!arguments.empty() && arguments[0] == "write")
        return Write(arguments);
    if (!arguments.empty() && arguments[0] == "show")
        return Show(arguments);
    throw UsageError("write or show is needed");
}

}

extern const Command brandingCommand = {
    "branding", "write FILE (KEY=VALUE | --from PAIRS.txt)... | show FILE",
    "Writes a branding file of the given entries (keys of two characters; PAIRS.txt holds one KEY=VALUE a "
    "line), or shows a branding file's entries as KEY=VALUE lines, as the installer reads them: the last of "
    "a key's entries, none with an empty value.",
    Branding};
