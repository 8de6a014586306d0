#pragma once

#include "CommandLine.h"

// The installer's two switches: s (unattended upgrade) and x (keep the
// temporary files of a fresh setup). Only the first character after the
// '-' or '/' counts, and its case matters; anything else is ignored.
class InstallerCommandLine : public CCommandLineInfo {
public:
    InstallerCommandLine() : silent(false), keepTemp(false) {}
    void ParseParam(const char* text, bool isFlag, bool isLast) override;

    bool silent;
    bool keepTemp;
};
