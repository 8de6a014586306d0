#include "PayloadTestFiles.h"

#include "BrandingBlock.h"

#include <cstdio>
#include <sys/wait.h>

namespace {

// instkit stands at the top of the build folder, above this test program.
std::string InstkitPath()
{
    std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    for (; folder != folder.root_path(); folder = folder.parent_path())
        if (std::filesystem::exists(folder / "instkit"))
            return (folder / "instkit").string();
    return "instkit-not-built";
}

struct InstkitRun {
    int status;
    std::string output;   // standard output and standard error together
};

InstkitRun Instkit(const std::string& arguments)
{
    std::string command = "'" + InstkitPath() + "' " + arguments + " 2>&1";
    InstkitRun run{-1, ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}

TEST(Instkit, ExitStatusAndMessagesNameTheFile)
{
    ScratchFolder scratch;
    WriteFile(scratch.File("damaged"), Bytes{3, 'a', 'b', 'c', 0x12});
    WriteFile(scratch.File("big.lib"), Bytes(BRANDING_MAX_FILE + 1, 'K'));
    struct Case {
        std::string arguments;
        int status;
        std::string shown;   // part of the output
    } cases[] = {
        {"", 2, "Usage: instkit"},
        {"--help", 0, "extract ARCHIVE FOLDER [--server-name NAME]"},
        {"pack --help", 0, "Usage: instkit pack ARCHIVE FILE..."},
        {"frobnicate", 2, "unknown command 'frobnicate'"},
        {"pack " + scratch.File("x"), 2, "Usage: instkit pack"},
        {"extract " + scratch.File("x"), 2, "Usage: instkit extract"},
        {"extract a b --server-name", 2, "--server-name needs a name"},
        {"block", 2, "Usage: instkit block"},
        {"pack " + scratch.File("x") + " " + scratch.File("absent"), 1, scratch.File("absent")},
        {"list " + scratch.File("absent"), 1, "Couldn't find the file '" + scratch.File("absent") + "'"},
        {"list " + scratch.File("damaged"), 1, "The archive '" + scratch.File("damaged") + "' is damaged"},
        {"extract " + scratch.File("damaged") + " " + scratch.File("out"), 1, scratch.File("damaged")},
        {"block " + scratch.File("block") + " " + scratch.File("big.lib"), 1, scratch.File("big.lib")},
    };
    for (const Case& c : cases) {
        InstkitRun run = Instkit(c.arguments);
        EXPECT_EQ(c.status, run.status) << "instkit " << c.arguments << "\n" << run.output;
        EXPECT_NE(std::string::npos, run.output.find(c.shown)) << "instkit " << c.arguments << "\n" << run.output;
    }
    EXPECT_FALSE(std::filesystem::exists(scratch.File("x"))) << "a failed pack leaves no archive";
}

TEST(Instkit, PackListExtract)
{
    ScratchFolder scratch;
    std::filesystem::create_directory(scratch.File("in"));
    WriteFile(scratch.File("in/MailWarden.exe"), BytesOf("MZ server"));
    WriteFile(scratch.File("in/index.html"), Bytes(100000, '<'));
    WriteFile(scratch.File("in/empty"), Bytes());
    std::string files = scratch.File("in/MailWarden.exe") + " " + scratch.File("in/index.html") + " " + scratch.File("in/empty");

    EXPECT_EQ(0, Instkit("pack " + scratch.File("a.z") + " " + files).status);
    InstkitRun list = Instkit("list " + scratch.File("a.z"));
    EXPECT_EQ(0, list.status);
    EXPECT_EQ("MailWarden.exe\t9\nindex.html\t100000\nempty\t0\n", list.output);

    EXPECT_EQ(0, Instkit("extract " + scratch.File("a.z") + " " + scratch.File("plain")).status);
    EXPECT_EQ(BytesOf("MZ server"), ReadFile(scratch.File("plain/MailWarden.exe")));
    EXPECT_EQ(Bytes(100000, '<'), ReadFile(scratch.File("plain/index.html")));
    EXPECT_TRUE(std::filesystem::exists(scratch.File("plain/empty")));

    EXPECT_EQ(0, Instkit("extract " + scratch.File("a.z") + " " + scratch.File("renamed/") + " --server-name Relay").status);
    EXPECT_EQ(BytesOf("MZ server"), ReadFile(scratch.File("renamed/Relay.exe")));
    EXPECT_FALSE(std::filesystem::exists(scratch.File("renamed/MailWarden.exe")));
}

TEST(Instkit, BlockIsUnfilledOrCarriesTheBrandingFile)
{
    ScratchFolder scratch;
    unsigned char expected[BRANDING_BLOCK_SIZE];
    FillUnbrandedBlock(expected);
    EXPECT_EQ(0, Instkit("block " + scratch.File("unfilled")).status);
    EXPECT_EQ(Bytes(expected, expected + sizeof expected), ReadFile(scratch.File("unfilled")));

    Bytes branding = BytesOf("K branding bytes");
    WriteFile(scratch.File("mw3ras.lib"), branding);
    FillBrandedBlock(expected, branding.data(), branding.size());
    EXPECT_EQ(0, Instkit("block " + scratch.File("filled") + " " + scratch.File("mw3ras.lib")).status);
    EXPECT_EQ(Bytes(expected, expected + sizeof expected), ReadFile(scratch.File("filled")));
}
