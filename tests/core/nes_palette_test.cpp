#include <gtest/gtest.h>

#include "rom/nes_palette.h"
#include "test_support.h"

namespace talvek {
namespace {

TEST(NesPalette, EntriesAreInColourTableOrder)
{
    test::TempDir dir;
    NesPalette palette;
    ASSERT_TRUE(palette.loadFromFile(dir.write("p.pal", {0xFF, 0x00, 0x00, 0x01, 0x02, 0x03})));
    EXPECT_EQ(palette.rgb(0x00), (RgbColor{0xFF, 0, 0})) << "FF 00 00 is pure red";
    EXPECT_EQ(palette.entry(0x00), (NesPalette::Entry{0, 0, 0xFF, 0})) << "blue, green, red, reserved";
    EXPECT_EQ(palette.rgb(0x01), (RgbColor{1, 2, 3}));
    EXPECT_EQ(palette.rgb(0x02), (RgbColor{})) << "entries past a short file stay black";
}

TEST(NesPalette, HighColourBytesAreMaskedToSixBits)
{
    NesPalette palette;
    palette.setColor(0x01, {10, 20, 30});
    EXPECT_EQ(palette.rgb(0x41), (RgbColor{10, 20, 30}));
    EXPECT_EQ(palette.rgb(0xC1), (RgbColor{10, 20, 30}));
}

TEST(NesPalette, ShippedFileAndMissingFile)
{
    NesPalette palette;
    EXPECT_FALSE(palette.loadFromFile("/nonexistent/NESPalette.pal"));
    ASSERT_TRUE(palette.loadFromFile(std::string(TALVEK_DATA_DIR) + "/NESPalette.pal"));
    EXPECT_EQ(palette.rgb(0x20), (RgbColor{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(palette.rgb(0x3D), (RgbColor{0xB8, 0xB8, 0xB8}));
}

} // namespace
} // namespace talvek
