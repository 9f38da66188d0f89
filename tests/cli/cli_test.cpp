#include <gtest/gtest.h>

#include <array>
#include <algorithm>
#include <cstdio>
#include <regex>
#include <sys/wait.h>

#include "rom/checksum.h"
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

// The two checksum lines of info for a file, from zlib's CRC-32.
std::string crcLines(const std::vector<std::uint8_t> &file)
{
    char lines[64];
    std::snprintf(lines, sizeof lines, "crc32: %08x\ncrc32_no_header: %08x\n", crc32Of(file), crc32WithoutHeader(file));
    return lines;
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
         "size: 262160\nclass: ff2\nrom_base: 0x0\nprototype: 0\n{crc}release: This looks like Varn's translation, "
         "v1.03.\n\nEverything is supported for this version.\n"},
        {"combo", 524304, "size: 524304\nclass: combo\nrom_base: 0x40000\nprototype: 0\n{crc}"},
        {"prototype", 262160,
         "size: 262160\nclass: ff2\nrom_base: 0x0\nprototype: 1\n{crc}release: This looks like the prototype cart. "
         "Everything is supported for this version.\n"},
        {"gba", 16777216, "size: 16777216\nclass: gba\nrom_base: 0x0\nprototype: 0\n{crc}release: Ahhh,"},
    };
    for (const auto &c : cases) {
        const auto path = dir.file(std::string(c.kind) + ".nes");
        const auto written = cli("sample " + quoted(path) + " --kind " + c.kind);
        ASSERT_EQ(written.status, 0) << written.out;
        EXPECT_EQ(test::readFile(path).size(), c.size);
        const auto info = cli("info " + quoted(path));
        EXPECT_EQ(info.status, 0);
        std::string expected = c.info;
        expected.replace(expected.find("{crc}"), 5, crcLines(test::readFile(path)));
        EXPECT_EQ(info.out.substr(0, expected.size()), expected) << c.kind;
    }
    EXPECT_EQ(test::readFile(dir.file("standard.nes")), test::sampleBytes()) << "the CLI writes the tested sample";
}

TEST(CliSample, DefaultMessageAndNoMessage)
{
    test::TempDir dir;
    EXPECT_EQ(cli("info " + quoted(dir.write("odd.nes", std::vector<std::uint8_t>(1000)))).out,
              "size: 1000\nclass: unknown\nrom_base: 0x0\nprototype: 0\ncrc32: 060b1780\ncrc32_no_header: 5401234d\n"
              "release: Well, whatever you loaded isn't FF2.\n\nSAVE AT YOUR OWN RISK!\n");
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

TEST(CliDiff, PrintsEachChangeAndAnswersWithItsExitCode)
{
    test::TempDir dir;
    const auto a = dir.write("a.nes", test::sampleBytes());
    const auto same = dir.write("same.nes", test::sampleBytes());
    const auto identical = cli("diff " + quoted(a) + " " + quoted(same));
    EXPECT_EQ(identical.status, 0);
    EXPECT_EQ(identical.out, "");
    EXPECT_EQ(cli("diff " + quoted(a) + " " + quoted(same) + " --json").out, "[]\n");

    // A record field, a shared-table entry, a text entry and a range no record covers.
    dir.writeText("change.json", R"({"armor": [{"index": 1, "defense": 12}]})");
    const auto b = dir.file("b.nes");
    ASSERT_EQ(cli("import " + quoted(a) + " " + quoted(dir.file("change.json")) + " -o " + quoted(b)).status, 0);
    auto bytes = test::readFile(b);
    test::renameText(bytes, 0, "Echo Herb", "Xcho Herb");
    bytes[0x179F0 + 14] = 360 & 0xFF; // gil amount 7
    bytes[0x179F0 + 15] = 360 >> 8;
    bytes[3] ^= 1;
    dir.write("b.nes", bytes);
    const auto different = cli("diff " + quoted(a) + " " + quoted(b));
    EXPECT_EQ(different.status, 1);
    EXPECT_EQ(different.out, "armor 1 \"Leather Helm\": defense 4 -> 12\n"
                             "gil_amounts 7: 640 -> 360\n"
                             "text 0 7: \"Echo Herb\" -> \"Xcho Herb\"\n"
                             "bytes 0x3-0x3 (1 byte)\n");
    const auto json = cli("diff " + quoted(a) + " " + quoted(b) + " --json");
    EXPECT_EQ(json.status, 1);
    EXPECT_NE(json.out.find("\"field\": \"defense\""), std::string::npos) << json.out;

    const auto missing = cli("diff " + quoted(a) + " " + quoted(dir.file("none.nes")));
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(std::count(missing.out.begin(), missing.out.end(), '\n'), 1) << missing.out;
}

TEST(CliFindXref, FindTextAndNamesAndListWhereIdsAreUsed)
{
    test::TempDir dir;
    const auto rom = quoted(dir.write("s.nes", test::sampleBytes()));
    const auto found = cli("find " + rom + " 'BRONZE kn'");
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.out, "weapons 1 \"Bronze Knife\"\ntext 1 0: Bronze Knife\n");
    const auto nothing = cli("find " + rom + " zzqq");
    EXPECT_EQ(nothing.status, 0);
    EXPECT_EQ(nothing.out, "");

    // Item 0x31 in the sample: equipped by character 0 and sold in shop 6; hexadecimal and decimal alike.
    const auto item = cli("xref " + rom + " item 0x31");
    EXPECT_EQ(item.status, 0);
    EXPECT_EQ(item.out, "characters 0 \"Aldo  \" equipment.right_hand\nshops 6 \"Gatea - Armor\" slots.2.item\n");
    EXPECT_EQ(cli("xref " + rom + " item 49").out, item.out);
    EXPECT_NE(cli("xref " + rom + " monster 1").out.find("monster_sets 18 3 (formations 18, 82)\n"), std::string::npos);

    for (const char *bad : {"item 0", "item 192", "ai 135", "monster x", "spell 1"}) {
        const auto run = cli("xref " + rom + " " + bad);
        EXPECT_NE(run.status, 0) << bad;
        EXPECT_FALSE(run.out.empty()) << bad;
        EXPECT_EQ(run.out.find("characters"), std::string::npos) << bad;
    }
}

TEST(CliHistory, ImportRecordsRevertRestoresAndHistoryListsThem)
{
    test::TempDir dir;
    const auto rom = dir.write("game.nes", test::sampleBytes());
    EXPECT_EQ(cli("history " + quoted(rom)).out, "") << "no saves yet";
    dir.writeText("one.json", R"({"armor": [{"index": 1, "defense": 12}]})");
    dir.writeText("two.json", R"({"armor": [{"index": 1, "defense": 20}, {"index": 2, "defense": 1}]})");
    ASSERT_EQ(cli("import " + quoted(rom) + " " + quoted(dir.file("one.json"))).status, 0);
    const auto afterOne = test::readFile(rom);
    ASSERT_EQ(cli("import " + quoted(rom) + " " + quoted(dir.file("two.json"))).status, 0);
    ASSERT_EQ(cli("import --no-history " + quoted(rom) + " " + quoted(dir.file("one.json"))).status, 0);

    const auto listed = cli("history " + quoted(rom));
    ASSERT_EQ(listed.status, 0);
    const std::regex line(R"(\d  \d{4}-\d\d-\d\d \d\d:\d\d:\d\d  .*\n)");
    std::vector<std::string> lines;
    for (std::sregex_iterator it(listed.out.begin(), listed.out.end(), line), end; it != end; ++it)
        lines.push_back(it->str());
    ASSERT_EQ(lines.size(), 2u) << listed.out;
    EXPECT_TRUE(lines[0].starts_with("1  ")) << lines[0];
    EXPECT_TRUE(lines[0].ends_with("  armor 1 \"Leather Helm\": defense 4 -> 12\n")) << lines[0];
    EXPECT_TRUE(lines[1].ends_with("  armor 1 \"Leather Helm\": defense 12 -> 20 (+1 more)\n")) << lines[1];

    // The import without a point changed the file outside the history: revert refuses unless forced.
    const auto refused = cli("revert " + quoted(rom) + " 2");
    EXPECT_NE(refused.status, 0);
    EXPECT_NE(refused.out.find("--force"), std::string::npos) << refused.out;
    ASSERT_EQ(cli("revert " + quoted(rom) + " 2 --force").status, 0);
    EXPECT_EQ(test::readFile(rom), afterOne);
    // Going back past the outside change needs force as well; the points' bytes then give the original.
    EXPECT_NE(cli("revert " + quoted(rom) + " 1").status, 0);
    EXPECT_EQ(test::readFile(rom), afterOne);
    ASSERT_EQ(cli("revert " + quoted(rom) + " 1 --force").status, 0);
    EXPECT_EQ(test::readFile(rom), test::sampleBytes());

    for (const char *number : {"9", "0", "x"}) {
        const auto bad = cli("revert " + quoted(rom) + " " + number);
        EXPECT_NE(bad.status, 0) << number;
        EXPECT_EQ(std::count(bad.out.begin(), bad.out.end(), '\n'), 1) << bad.out;
    }
    EXPECT_EQ(test::readFile(rom), test::sampleBytes());

    // A history folder that is a file: history fails with one line, a save warns and goes on.
    const auto other = dir.write("other.nes", test::sampleBytes());
    dir.writeText("other.nes.history", "a file");
    const auto history = cli("history " + quoted(other));
    EXPECT_NE(history.status, 0);
    EXPECT_EQ(std::count(history.out.begin(), history.out.end(), '\n'), 1) << history.out;
    const auto saved = cli("import " + quoted(other) + " " + quoted(dir.file("one.json")));
    EXPECT_EQ(saved.status, 0);
    EXPECT_NE(saved.out.find("warning: No restore point was recorded"), std::string::npos) << saved.out;
    EXPECT_EQ(test::readFile(other), afterOne);
}

TEST(CliBps, CreateApplyAndRefuseAnotherRom)
{
    test::TempDir dir;
    const auto original = dir.write("original.nes", test::sampleBytes());
    auto changed = test::sampleBytes();
    changed[0x30010] = 99;
    std::copy_n(changed.begin() + 0x10010, 0x800, changed.begin() + 0x20010); // a moved block
    const auto modified = dir.write("modified.nes", changed);
    const auto patch = dir.file("change.bps");
    ASSERT_EQ(cli("bps create " + quoted(original) + " " + quoted(modified) + " " + quoted(patch)).status, 0);
    EXPECT_LT(test::readFile(patch).size(), 100u);
    const auto out = dir.file("out.nes");
    ASSERT_EQ(cli("bps apply " + quoted(original) + " " + quoted(patch) + " " + quoted(out)).status, 0);
    EXPECT_EQ(test::readFile(out), changed);

    const auto refused = cli("bps apply " + quoted(modified) + " " + quoted(patch) + " " + quoted(dir.file("x.nes")));
    EXPECT_NE(refused.status, 0);
    char both[64];
    std::snprintf(both, sizeof both, "whose CRC32 is %08x; this ROM's CRC32 is %08x", crc32Of(test::sampleBytes()),
                  crc32Of(changed));
    EXPECT_NE(refused.out.find(both), std::string::npos) << refused.out;
    EXPECT_EQ(std::count(refused.out.begin(), refused.out.end(), '\n'), 1) << refused.out;
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
