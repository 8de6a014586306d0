// The branding commands of the built instkit, run as a release engineer
// runs them: exit status, messages, and the files they write or leave alone.
#include "BrandingBlock.h"
#include "BrandingTestFiles.h"

#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes UnfilledBlock()
{
    Bytes block(BRANDING_BLOCK_SIZE);
    FillUnbrandedBlock(block.data());
    return block;
}

Bytes FilledBlock(const Bytes& file)
{
    Bytes block(BRANDING_BLOCK_SIZE);
    EXPECT_TRUE(FillBrandedBlock(block.data(), file.data(), file.size()));
    return block;
}

// A branding file of exactly size bytes: one PN entry.
Bytes BrandingFileOfSize(size_t size) { return BrandingFile({Entry("PN", std::string(size - 6, 'v'))}); }

// Bytes around the block, as code and other resources stand around it in a
// real executable.
const Bytes before = Concat({Bytes{'M', 'Z'}, Bytes(998, 0x90)});
const Bytes after(300, 0xCC);

std::string ReadText(const std::string& path)
{
    Bytes bytes = ReadFile(path);
    return std::string(bytes.begin(), bytes.end());
}

// Runs the instkit of this build, which stands at the top of the build
// folder, two levels above this test program.
Result RunInstkit(const std::vector<std::string>& arguments)
{
    ScratchFolder outputs;
    fs::path instkit = fs::read_symlink("/proc/self/exe").parent_path().parent_path().parent_path() / "instkit";
    std::string command = Quote(instkit.string());
    for (const std::string& argument : arguments)
        command += " " + Quote(argument);
    command += " >" + Quote(outputs.File("out")) + " 2>" + Quote(outputs.File("err"));
    int status = std::system(command.c_str());
    return Result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(outputs.File("out")),
                  ReadText(outputs.File("err"))};
}

using InstkitBrandingTest = BrandingScratchTest;

}

TEST_F(InstkitBrandingTest, BrandReplaceAndClear)
{
    const Bytes unbranded = Concat({before, UnfilledBlock(), after});
    std::string installer = Write("Installer.exe", unbranded);
    fs::permissions(installer, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);

    BrandingProfile profile;
    profile.SetPN("Relay");
    profile.SetEX("relay");
    std::string first = PathOf("first.lib");
    ASSERT_TRUE(profile.SaveBrandingFile(first.c_str()));
    std::string second = Write("second.lib", BrandingFileOfSize(BRANDING_MAX_FILE));

    Result result = RunInstkit({"brand", installer, first});
    EXPECT_EQ(0, result.status) << result.err;
    EXPECT_EQ("", result.err);
    Bytes branded = ReadFile(installer);
    ASSERT_EQ(Concat({before, FilledBlock(ReadFile(first)), after}), branded);
    const unsigned char* carried;
    size_t length;
    ASSERT_TRUE(FindBrandingFile(branded.data() + before.size(), BRANDING_BLOCK_SIZE, &carried, &length));
    EXPECT_EQ(ReadFile(first), Bytes(carried, carried + length)) << "the installer writes exactly the file";
    EXPECT_EQ(fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec,
              fs::status(installer).permissions());

    result = RunInstkit({"brand", installer, second});
    EXPECT_EQ(0, result.status) << result.err;
    EXPECT_EQ(Concat({before, FilledBlock(ReadFile(second)), after}), ReadFile(installer)) << "a largest file replaces";

    result = RunInstkit({"brand", "--clear", installer});
    EXPECT_EQ(0, result.status) << result.err;
    EXPECT_EQ(unbranded, ReadFile(installer));
    result = RunInstkit({"brand", "--clear", installer});
    EXPECT_EQ(0, result.status) << "clearing an unfilled block: " << result.err;
    EXPECT_EQ(unbranded, ReadFile(installer));
    EXPECT_EQ(std::vector<std::string>({"Installer.exe", "first.lib", "second.lib"}), scratch.Names());
}

TEST_F(InstkitBrandingTest, BrandRefusesAndLeavesTheInstallerUnchanged)
{
    const Bytes good = BrandingFile({Entry("PN", "abc")});
    Bytes altered = UnfilledBlock();
    altered[100] = '-';
    Bytes cut = UnfilledBlock();
    cut.resize(4000);
    struct Case {
        const char* description;
        Bytes installer;
        Bytes branding;
        const char* message;
    } cases[] = {
        {"no marker", Concat({before, after}), good, "0 times"},
        {"two markers", Concat({before, UnfilledBlock(), UnfilledBlock()}), good, "2 times"},
        {"block cut short", Concat({before, cut}), good,
         "cut short by the end of the file"},
        {"block neither unfilled nor filled", Concat({before, altered, after}), good, "neither unfilled nor filled"},
        {"not a branding file", Concat({before, UnfilledBlock(), after}), {'k', 'k'}, "is not a branding file"},
        {"empty branding file", Concat({before, UnfilledBlock(), after}), {}, "is not a branding file"},
        {"damaged branding file", Concat({before, UnfilledBlock(), after}), BrandingFile({Entry("PN", 9, "a")}),
         "its last entry is cut short"},
        {"branding file too large", Concat({before, UnfilledBlock(), after}),
         BrandingFileOfSize(BRANDING_MAX_FILE + 1), "has 8174 bytes; a branding block holds at most 8173"},
    };
    for (const Case& c : cases) {
        std::string installer = Write("Installer.exe", c.installer);
        std::string branding = Write("mw3ras.lib", c.branding);
        Result result = RunInstkit({"brand", installer, branding});
        EXPECT_EQ(1, result.status) << c.description;
        EXPECT_NE(std::string::npos, result.err.find(c.message)) << c.description << ": " << result.err;
        bool namesFile = result.err.find(installer) != std::string::npos || result.err.find(branding) != std::string::npos;
        EXPECT_TRUE(namesFile) << c.description << ": " << result.err;
        EXPECT_EQ(c.installer, ReadFile(installer)) << c.description;
        EXPECT_EQ(std::vector<std::string>({"Installer.exe", "mw3ras.lib"}), scratch.Names()) << c.description;
    }

    std::string installer = Write("Installer.exe", Concat({before, UnfilledBlock(), after}));
    Write("mw3ras.lib", good);
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"brand", installer, PathOf("missing.lib")}, {"brand", PathOf("missing.exe"), PathOf("mw3ras.lib")}}) {
        Result result = RunInstkit(arguments);
        EXPECT_EQ(1, result.status) << arguments[2];
        EXPECT_NE(std::string::npos, result.err.find("Couldn't open the file '" + PathOf("missing."))) << result.err;
    }
    EXPECT_EQ(Concat({before, UnfilledBlock(), after}), ReadFile(installer));
}

TEST_F(InstkitBrandingTest, WrongArgumentsAreUsageErrors)
{
    std::vector<std::vector<std::string>> cases = {
        {"brand"},
        {"brand", "a.exe"},
        {"brand", "--clear"},
        {"brand", "a.exe", "b.lib", "c"},
        {"brand", "--clear", "a.exe", "b.lib"},
        {"branding"},
        {"branding", "read", "f.lib"},
        {"branding", "show"},
        {"branding", "show", "a.lib", "b.lib"},
        {"branding", "write", "f.lib"},
        {"branding", "write", "f.lib", "--from"},
        {"branding", "write", "f.lib", "PNX=x"},
        {"branding", "write", "f.lib", "P=x"},
        {"branding", "write", "f.lib", "PN"},
        {"branding", "write", "f.lib", "PN="},
    };
    for (const auto& arguments : cases) {
        std::string label;
        for (const std::string& argument : arguments)
            label += argument + " ";
        Result result = RunInstkit(arguments);
        EXPECT_EQ(2, result.status) << label;
        EXPECT_NE(std::string::npos, result.err.find("Usage: instkit " + arguments[0])) << label << result.err;
    }
    EXPECT_EQ(std::vector<std::string>(), scratch.Names());
    EXPECT_NE(std::string::npos, RunInstkit({"branding", "write", "f.lib", "PNX=x"}).err.find("'PNX' is not exactly two"));
}

TEST_F(InstkitBrandingTest, WriteThenShow)
{
    std::string file = PathOf("mw3ras.lib");
    Result result = RunInstkit({"branding", "write", file, "PN=abc"});
    EXPECT_EQ(0, result.status) << result.err;
    EXPECT_EQ(Bytes({0x4B, 0x4B, 0x05, 0xE5, 0x32, 0x03, 0x12, 0x23, 0x30}), ReadFile(file));

    std::string pairs = Write("pairs.txt", BytesOf("PN=Relay\r\n\r\nWS=https://relay.example.org/?a=b\nZZ=  kept \nEX=one"));
    result = RunInstkit({"branding", "write", file, "HN=Relay Server", "--from", pairs, "EX=two"});
    EXPECT_EQ(0, result.status) << result.err;
    result = RunInstkit({"branding", "show", file});
    EXPECT_EQ(0, result.status) << result.err;
    EXPECT_EQ("HN=Relay Server\nPN=Relay\nWS=https://relay.example.org/?a=b\nZZ=  kept\nEX=two\n", result.out)
        << "the file's own entries, as the installer reads them";

    BrandingProfile loaded;
    ASSERT_TRUE(loaded.LoadBrandingFile(file.c_str()));
    EXPECT_STREQ("Relay", loaded.GetPN());
    EXPECT_STREQ("two.exe", loaded.GetEX());

    Write("mw3ras.lib", BrandingFile({Entry("PN", "One"), Entry("HN", ""), Entry("PN", "Two")}));
    result = RunInstkit({"branding", "show", file});
    EXPECT_EQ("PN=Two\n", result.out) << "an empty value and an overridden entry do not show";
}

TEST_F(InstkitBrandingTest, BrandingCommandFailures)
{
    std::string notBranding = Write("notes.txt", BytesOf("Kk"));
    std::string damaged = Write("damaged.lib", BrandingFile({Entry("PN", 0x8001, "x")}));
    std::string badPairs = Write("pairs.txt", BytesOf("PN=Relay\nPNX=x\n"));
    std::string out = PathOf("out.lib");
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{"show", notBranding}, "'" + notBranding + "' is not a branding file"},
        {{"show", damaged}, "'" + damaged + "' is damaged: an entry's length has its top bit set"},
        {{"show", PathOf("missing.lib")}, "Couldn't open the file '" + PathOf("missing.lib") + "'"},
        {{"write", out, "--from", badPairs}, "'" + badPairs + "', line 2: the key 'PNX' is not exactly two"},
        {{"write", out, "--from", PathOf("missing.txt")}, "Couldn't open the file '" + PathOf("missing.txt") + "'"},
        {{"write", out, "PN=" + std::string(8192 - 6, 'v'), "EX=x"},
         "The branding file '" + out + "' would have 8197 bytes; a branding file has at most 8192"},
        {{"write", PathOf("no/such/folder.lib"), "PN=x"},
         "Couldn't write the branding file '" + PathOf("no/such/folder.lib") + "': No such file"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = {"branding"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        Result result = RunInstkit(arguments);
        EXPECT_EQ(1, result.status) << c.message;
        EXPECT_NE(std::string::npos, result.err.find(c.message)) << result.err;
        EXPECT_EQ("", result.out) << c.message;
        EXPECT_FALSE(fs::exists(out)) << c.message;
    }
}
