#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

#include "test_support.h"

namespace talvek {
namespace {

struct CliRun {
    int status;
    std::string out;
};

// Runs talvek-cli with arguments (shell-quoted by the caller), capturing standard output and error.
CliRun cli(const std::string &arguments)
{
    const std::string command = std::string("'") + TALVEK_CLI + "' " + arguments + " 2>&1";
    FILE *pipe = ::popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> chunk{};
    while (std::size_t got = std::fread(chunk.data(), 1, chunk.size(), pipe))
        out.append(chunk.data(), got);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

std::string quoted(const std::string &path)
{
    return "'" + path + "'";
}

TEST(CliSample, WritesEachKindAndInfoDescribesIt)
{
    test::TempDir dir;
    const struct {
        const char *kind;
        std::size_t size;
        const char *info;
    } cases[] = {
        {"standard", 262160,
         "size: 262160\nclass: ff2\nrom_base: 0x0\nprototype: 0\nrelease: This looks like Varn's translation, "
         "v1.03.\n\nEverything is supported for this version.\n"},
        {"combo", 524304, "size: 524304\nclass: combo\nrom_base: 0x40000\nprototype: 0\n"},
        {"prototype", 262160,
         "size: 262160\nclass: ff2\nrom_base: 0x0\nprototype: 1\nrelease: This looks like the prototype cart. "
         "Everything is supported for this version.\n"},
        {"gba", 16777216, "size: 16777216\nclass: gba\nrom_base: 0x0\nprototype: 0\nrelease: Ahhh,"},
    };
    for (const auto &c : cases) {
        const auto path = dir.file(std::string(c.kind) + ".nes");
        const auto written = cli("sample " + quoted(path) + " --kind " + c.kind);
        ASSERT_EQ(written.status, 0) << written.out;
        EXPECT_EQ(test::readFile(path).size(), c.size);
        const auto info = cli("info " + quoted(path));
        EXPECT_EQ(info.status, 0);
        EXPECT_EQ(info.out.substr(0, std::string(c.info).size()), c.info) << c.kind;
    }
    EXPECT_EQ(test::readFile(dir.file("standard.nes")), test::sampleBytes()) << "the CLI writes the tested sample";
}

TEST(CliSample, DefaultMessageAndNoMessage)
{
    test::TempDir dir;
    EXPECT_EQ(cli("info " + quoted(dir.write("odd.nes", std::vector<std::uint8_t>(1000)))).out,
              "size: 1000\nclass: unknown\nrom_base: 0x0\nprototype: 0\nrelease: Well, whatever you loaded isn't "
              "FF2.\n\nSAVE AT YOUR OWN RISK!\n");
    const auto other = dir.file("other.gba");
    std::filesystem::resize_file(dir.write("other.gba", {}), 0x1000000);
    EXPECT_NE(cli("info " + quoted(other)).out.find("release: none\n"), std::string::npos);
}

TEST(CliErrors, FailuresExitNonZeroWithOneLine)
{
    test::TempDir dir;
    const CliRun cases[] = {
        cli("info " + quoted(dir.file("missing.nes"))),
        cli("info " + quoted(dir.path().string())),
        cli("sample " + quoted(dir.file("x.nes")) + " --kind nonsense"),
        cli("sample " + quoted(dir.file("no/such/dir/x.nes"))),
        cli("--data " + quoted(dir.path().string()) + " sample " + quoted(dir.file("y.nes"))),
    };
    for (const auto &run : cases) {
        EXPECT_NE(run.status, 0) << run.out;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.nes")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("y.nes"))) << "no table found: nothing written";
}

TEST(CliExportImport, RoundTripAndOneChange)
{
    test::TempDir dir;
    const auto rom = dir.write("rom.nes", test::sampleBytes());
    const auto json = dir.file("data.json");
    ASSERT_EQ(cli("export " + quoted(rom) + " -o " + quoted(json)).status, 0);
    const auto copy = dir.file("copy.nes");
    ASSERT_EQ(cli("import " + quoted(rom) + " " + quoted(json) + " -o " + quoted(copy)).status, 0);
    EXPECT_EQ(test::readFile(copy), test::sampleBytes()) << "export then import changes nothing";

    const auto printed = cli("export " + quoted(rom));
    EXPECT_EQ(printed.status, 0);
    const auto written = test::readFile(json);
    EXPECT_EQ(printed.out, std::string(written.begin(), written.end()));

    dir.writeText("change.json", R"({"armor": [{"index": 2, "defense": 300}]})");
    ASSERT_EQ(cli("import " + quoted(rom) + " " + quoted(dir.file("change.json"))).status, 0);
    auto expected = test::sampleBytes();
    expected[0x30010 + 12] = 255;
    EXPECT_EQ(test::readFile(rom), expected) << "saved over the ROM, clamped as the editor does";
}

TEST(CliExportImport, BadDocumentsFailWithoutWriting)
{
    test::TempDir dir;
    const auto rom = dir.write("rom.nes", test::sampleBytes());
    const char *documents[] = {"{not json", R"({"armor": [{"index": 1, "defense": "x"}]})", R"({"shoes": 1})"};
    for (const char *document : documents) {
        dir.writeText("bad.json", document);
        const auto run = cli("import " + quoted(rom) + " " + quoted(dir.file("bad.json")));
        EXPECT_NE(run.status, 0);
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    }
    EXPECT_EQ(test::readFile(rom), test::sampleBytes());
    EXPECT_NE(cli("export " + quoted(dir.write("small.nes", std::vector<std::uint8_t>(100)))).status, 0);
}

TEST(CliRender, FontAndSpritePictures)
{
    test::TempDir dir;
    const auto rom = dir.write("rom.nes", test::sampleBytes());
    const std::pair<const char *, std::uint32_t> cases[] = {{"font", 80}, {"sprite", 128}};
    for (const auto &[what, height] : cases) {
        const auto png = dir.file(std::string(what) + ".png");
        const auto run = cli("render " + std::string(what) + " " + quoted(rom) + " " + quoted(png));
        ASSERT_EQ(run.status, 0) << run.out;
        const auto bytes = test::readFile(png);
        ASSERT_GT(bytes.size(), 33u);
        EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "PNG");
        const std::uint32_t pngHeight = (bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23];
        EXPECT_EQ(pngHeight, height) << what;
    }
    EXPECT_NE(cli("render tiles " + quoted(rom) + " " + quoted(dir.file("x.png"))).status, 0);
    EXPECT_NE(cli("render font " + quoted(dir.write("small.nes", std::vector<std::uint8_t>(10))) + " " +
                  quoted(dir.file("y.png"))).status, 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.png")));
}

TEST(CliText, GroupsEntriesAndOneEntry)
{
    test::TempDir dir;
    const auto rom = quoted(dir.write("rom.nes", test::sampleBytes()));
    const auto groups = cli("text " + rom);
    EXPECT_EQ(groups.status, 0);
    EXPECT_EQ(groups.out.rfind("0: Items (46)\n1: Weapons (63)\n", 0), 0u);
    EXPECT_EQ(std::count(groups.out.begin(), groups.out.end(), '\n'), 16);

    const auto items = cli("text " + rom + " Items");
    EXPECT_EQ(items.out.rfind("0: Potion\n1: Hi-Potion\n", 0), 0u);
    EXPECT_EQ(std::count(items.out.begin(), items.out.end(), '\n'), 46);
    EXPECT_EQ(cli("text " + rom + " 11 1").out, "C1*: We need the Mythril.\nWhere is it?\n") << "real line breaks";
    EXPECT_NE(cli("text " + rom + " 'dialogue 1'").out.find("1: C1*: We need the Mythril.\\nWhere is it?\n"),
              std::string::npos) << "one entry a line";
    EXPECT_EQ(cli("text " + rom + " prologue").out.rfind("0: The year is long forgotten.\\n", 0), 0u);
    EXPECT_NE(cli("text " + rom + " Nonsense").status, 0);
    EXPECT_NE(cli("text " + rom + " Items 46").status, 0);
}

TEST(CliIps, CreateAndApply)
{
    test::TempDir dir;
    const auto original = dir.write("original.nes", test::sampleBytes());
    auto changed = test::sampleBytes();
    changed[0x30010] = 99;
    changed[0x3FFFF] ^= 1;
    const auto modified = dir.write("modified.nes", changed);
    const auto patch = dir.file("change.ips");
    ASSERT_EQ(cli("ips create " + quoted(original) + " " + quoted(modified) + " " + quoted(patch)).status, 0);
    const auto out = dir.file("out.nes");
    ASSERT_EQ(cli("ips apply " + quoted(original) + " " + quoted(patch) + " " + quoted(out)).status, 0);
    EXPECT_EQ(test::readFile(out), changed);

    dir.write("bad.ips", {'P', 'A', 'T', 'C', 'H', 0, 0, 1, 0, 9, 1});
    const auto bad = cli("ips apply " + quoted(original) + " " + quoted(dir.file("bad.ips")) + " " + quoted(dir.file("x.nes")));
    EXPECT_NE(bad.status, 0);
    EXPECT_EQ(std::count(bad.out.begin(), bad.out.end(), '\n'), 1) << bad.out;
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.nes"))) << "nothing written";
}

TEST(CliData, DataOptionPointsAtAnotherTableDirectory)
{
    test::TempDir dir;
    const auto out = dir.file("s.nes");
    const auto run = cli("--data " + quoted(TALVEK_DATA_DIR) + " sample " + quoted(out));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(test::readFile(out), test::sampleBytes());
}

} // namespace
} // namespace talvek
