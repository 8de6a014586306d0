// The driver's transcript: one JSON object per line, each with the tick
// ("t", GetTickCount in ms, the clock of the sample log) and the event's
// name. Every line is on disk before the next step runs, so that a run cut
// short still tells how far it came.
#pragma once

#include <string>

class Record {
public:
    explicit Record(const char* event);
    Record& Text(const char* name, const std::string& value);
    Record& Number(const char* name, long long value);
    Record& Flag(const char* name, bool value);
    // A field whose value is JSON already (an array of records, say).
    Record& Raw(const char* name, const std::string& json);
    std::string Json() const { return json + "}"; }

private:
    std::string json;
};

std::string JsonString(const std::string& text);

bool OpenTranscript(const char* path);
void Write(const Record& record);
