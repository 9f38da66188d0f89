#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <unistd.h>

#include "records/record_json.h"
#include "rom/editor_contract.h"
#include "rom/nes_palette.h"
#include "rom/release_identifier.h"
#include "rom/rom_file.h"
#include "test_support.h"
#include "text/keyword_list.h"
#include "text/text_codec.h"
#include "text/text_groups.h"

namespace talvek {
namespace {

TEST(HostileInput, FilesTooSmallForTheLayoutOpenButEditorsAndExportRefuse)
{
    test::TempDir dir;
    for (std::size_t size : {std::size_t(0), std::size_t(1), std::size_t(0x40010 - 1)}) {
        const auto image = readRomFile(dir.write("small.nes", std::vector<std::uint8_t>(size, 0x12)));
        ASSERT_TRUE(image) << size;
        EXPECT_EQ(identifyRelease(*image)->text.rfind("Well, whatever you loaded isn't FF2.", 0), 0u) << size;
        for (const auto &editor : kEditors)
            EXPECT_TRUE(editorRefusal(editor.kind, *image)) << size;
        EXPECT_THROW((void)exportAllRecords(*image, test::shippedDteTable()), ImportError) << size;
    }
}

TEST(HostileInput, UnreadableFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    test::TempDir dir;
    const auto path = dir.write("locked.nes", test::sampleBytes());
    std::filesystem::permissions(path, std::filesystem::perms::none);
    EXPECT_FALSE(readRomFile(path));
}

TEST(HostileInput, GarbledTables)
{
    test::TempDir dir;
    std::string garbage(65536, '\0');
    std::mt19937 random(7);
    for (auto &c : garbage)
        c = static_cast<char>(random());
    const std::string nuls = std::string("4\0=1\n", 5) + std::string(100, '\0') + "8A=\0A\n";
    const std::string longLine = "8A=" + std::string(10 * 1024 * 1024, 'x') + "\n8B=B\n";
    for (const auto &contents : {garbage, nuls, longLine}) {
        const auto table = TextTable::loadFromFile(dir.writeText("t.tbl", contents));
        ASSERT_TRUE(table);
        const auto bytes = encodeText("AB", *table, nullptr, 0, true);
        EXPECT_EQ(bytes.back(), 0);
    }
    const auto table = TextTable::loadFromFile(dir.writeText("t.tbl", longLine));
    EXPECT_EQ((*table)[0x8A].size(), 10u * 1024 * 1024);
    EXPECT_EQ((*table)[0x8B], "B");
}

TEST(HostileInput, ShortPaletteFile)
{
    test::TempDir dir;
    NesPalette palette;
    ASSERT_TRUE(palette.loadFromFile(dir.write("p.pal", {1, 2, 3, 4, 5})));
    EXPECT_EQ(palette.rgb(0), (RgbColor{1, 2, 3}));
    EXPECT_EQ(palette.rgb(1), (RgbColor{})) << "a partial entry is not filled";
}

TEST(HostileInput, ImagesWithoutTerminatorsOrWithWildPointers)
{
    std::mt19937 random(11);
    std::vector<std::uint8_t> noise(0x40010);
    for (auto &byte : noise)
        byte = static_cast<std::uint8_t>(random());
    for (const auto &bytes : {std::vector<std::uint8_t>(0x40010, 0x8A), std::vector<std::uint8_t>(0x40010, 0xFF), noise}) {
        RomImage image(bytes, "x.nes");
        const auto &dte = test::shippedDteTable();
        const auto keywords = KeywordList::build(image, dte);
        for (int group = 0; group < static_cast<int>(kTextGroups.size()); ++group) {
            const int entries = std::max(kTextGroups[static_cast<std::size_t>(group)].entries, 1);
            for (int n = 0; n < entries; ++n) {
                const auto location = locateTextEntry(image, group, n);
                const auto text = readTextEntry(image, group, location, dte, keywords).text;
                EXPECT_LE(text.size(), static_cast<std::size_t>(kMaxDecodedBytes) * 30);
                (void)storedTextLength(image, group, location);
            }
        }
        const auto document = exportAllRecords(image, dte);
        importAllRecords(image, document, dte);
        EXPECT_EQ(image.bytes(), bytes) << "export then import changes nothing, whatever the image holds";
    }
}

} // namespace
} // namespace talvek
