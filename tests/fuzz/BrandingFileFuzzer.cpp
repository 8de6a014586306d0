// Arbitrary bytes as a branding file: LoadBrandingFile must stay within the
// file's data, store no empty value and no trailing white space, and a
// profile it loaded must save and load back entry for entry.
#include "BrandingProfile.h"

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>

namespace {

std::string scratch;

void RemoveScratch()
{
    unlink((scratch + "/in").c_str());
    unlink((scratch + "/out").c_str());
    rmdir(scratch.c_str());
}

void Check(bool condition, const char* what)
{
    if (!condition) {
        fprintf(stderr, "branding file fuzzer: %s\n", what);
        abort();
    }
}

bool IsTrailingSpace(char c) { return c && strchr(" \t\n\v\f\r", c); }

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (scratch.empty()) {
        // The files are rewritten on every run: a disk would make that
        // the whole cost, a memory file system keeps it cheap.
        std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        pattern += "/branding-fuzz-XXXXXX";
        Check(mkdtemp(pattern.data()) != nullptr, "cannot make a scratch folder");
        scratch = pattern;
        atexit(RemoveScratch);
    }
    std::string in = scratch + "/in", out = scratch + "/out";
    FILE* file = fopen(in.c_str(), "wb");
    Check(file && fwrite(data, 1, size, file) == size && fclose(file) == 0, "cannot write the input file");

    BrandingProfile loaded;
    loaded.LoadBrandingFile(in.c_str());
    for (int i = 0; i < loaded.GetCount(); ++i) {
        const CString& value = loaded.ValueAt(i);
        Check(value.GetLength() > 0, "an empty value was stored");
        Check((int)strlen(value) == value.GetLength(), "a value holds a zero byte");
        Check(!IsTrailingSpace(value.GetAt(value.GetLength() - 1)), "a value ends in white space");
        Check(loaded.KeyAt(i).GetLength() <= 2, "a key is longer than two characters");
    }

    if (!loaded.SaveBrandingFile(out.c_str()))
        return 0;   // more than the writer's 8,192 bytes
    BrandingProfile again;
    Check(again.LoadBrandingFile(out.c_str()), "a saved file does not load");
    Check(again.GetCount() == loaded.GetCount(), "a saved file loads another number of entries");
    for (int i = 0; i < loaded.GetCount(); ++i) {
        Check(again.KeyAt(i).Compare(loaded.KeyAt(i)) == 0, "a saved file loads another key");
        Check(again.ValueAt(i).Compare(loaded.ValueAt(i)) == 0, "a saved file loads another value");
    }
    return 0;
}
