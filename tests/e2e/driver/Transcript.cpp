#include "Transcript.h"

#include <cstdio>
#include <windows.h>

namespace {

FILE* transcript = nullptr;

}

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += (char)c;
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += (char)c;
        }
    }
    return out + "\"";
}

Record::Record(const char* event)
{
    json = "{\"t\":" + std::to_string(GetTickCount()) + ",\"event\":" + JsonString(event);
}

Record& Record::Text(const char* name, const std::string& value) { return Raw(name, JsonString(value)); }

Record& Record::Number(const char* name, long long value) { return Raw(name, std::to_string(value)); }

Record& Record::Flag(const char* name, bool value) { return Raw(name, value ? "true" : "false"); }

Record& Record::Raw(const char* name, const std::string& value)
{
    json += "," + JsonString(name) + ":" + value;
    return *this;
}

bool OpenTranscript(const char* path)
{
    transcript = std::fopen(path, "w");
    return transcript != nullptr;
}

void Write(const Record& record)
{
    std::fputs((record.Json() + "\n").c_str(), transcript);
    std::fflush(transcript);
}
