#include <gtest/gtest.h>

#include "graphics/battle_palettes.h"
#include "graphics/picker_geometry.h"
#include "graphics/tile_canvas.h"
#include "graphics/viewer_pictures.h"
#include "rom/rom_image.h"
#include "test_support.h"

namespace talvek {
namespace {

using Tile = std::array<std::uint8_t, kTileBytes>;

Tile tileOf(std::uint8_t plane0, std::uint8_t plane1)
{
    Tile tile{};
    std::fill(tile.begin(), tile.begin() + 8, plane0);
    std::fill(tile.begin() + 8, tile.end(), plane1);
    return tile;
}

TEST(DrawTile, PlaneCombinationsGiveTheFourValues)
{
    const struct {
        std::uint8_t plane0, plane1, value;
    } cases[] = {{0x00, 0x00, 0}, {0xFF, 0x00, 1}, {0x00, 0xFF, 2}, {0xFF, 0xFF, 3}};
    for (const auto &c : cases) {
        TileCanvas canvas(16, 16);
        std::fill(canvas.pixels.begin(), canvas.pixels.end(), 9);
        drawTile(canvas.pixels, 16, 16, 8, 8, tileOf(c.plane0, c.plane1), 0);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(canvas.pixel(x, y), (x >= 8 && y >= 8) ? c.value : 9) << x << "," << y;
    }
}

TEST(DrawTile, BitSevenIsTheLeftmostPixel)
{
    Tile tile{};
    tile[0] = 0x80;
    tile[8] = 0x01;
    TileCanvas canvas(8, 8);
    drawTile(canvas.pixels, 8, 8, 0, 0, tile, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(canvas.pixel(x, y), (x == 0 && y == 0) ? 1 : (x == 7 && y == 0) ? 2 : 0);
}

TEST(DrawTile, CanvasRowsAreStoredBottomUp)
{
    TileCanvas canvas(128, 80);
    drawTile(canvas.pixels, 128, 80, 0, 0, tileOf(0xFF, 0xFF), 0);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(canvas.pixels[79 * 128 + static_cast<std::size_t>(x)], 3);
    EXPECT_EQ(canvas.pixels[79 * 128 + 8], 0);
    EXPECT_EQ(canvas.pixels[0], 0);
}

TEST(DrawTile, PaletteNumberAndSquaresOutsideTheCanvas)
{
    TileCanvas canvas(16, 16);
    drawTile(canvas.pixels, 16, 16, 0, 0, tileOf(0xFF, 0x00), 2);
    EXPECT_EQ(canvas.pixel(0, 0), 1 + 8);
    TileCanvas untouched(16, 16);
    for (auto [x, y] : {std::pair{9, 0}, std::pair{0, 9}, std::pair{-1, 0}, std::pair{16, 16}})
        drawTile(untouched.pixels, 16, 16, x, y, tileOf(0xFF, 0xFF), 0);
    EXPECT_EQ(std::count(untouched.pixels.begin(), untouched.pixels.end(), 0), 256);
}

TEST(ViewerPictures, FontComesFromTheComboImagesUpperHalf)
{
    auto bytes = test::sampleBytes(SampleKind::Combo);
    std::fill(bytes.begin() + 0x64A10, bytes.begin() + 0x64A20, 0xFF); // tile 0: all value 3
    std::fill(bytes.begin() + 0x24A10, bytes.begin() + 0x24A20, 0x00); // the lower half is not read
    const RomImage image(std::move(bytes), "c.nes");
    const TileCanvas font = fontPicture(image);
    EXPECT_EQ(font.width, 128);
    EXPECT_EQ(font.height, 80);
    EXPECT_EQ(font.colorSlots, (std::array<std::uint8_t, 4>{0x0F, 0x10, 0x01, 0x20}));
    EXPECT_EQ(font.pixel(0, 0), 3);
    EXPECT_EQ(font.pixel(7, 7), 3);
}

TEST(ViewerPictures, FontRowsAndTheShortTenthRow)
{
    auto bytes = test::sampleBytes();
    std::fill(bytes.begin() + 0x24A10, bytes.begin() + 0x25330, 0xFF); // every font tile solid
    const RomImage image(std::move(bytes), "s.nes");
    const TileCanvas font = fontPicture(image);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(font.pixel(x, y), (y < 72 || x < 16) ? 3 : 0) << x << "," << y;
}

TEST(ViewerPictures, SpriteBlockAndAFullBlock)
{
    const RomImage image(test::sampleBytes(), "s.nes");
    const TileCanvas sprite = blockPicture(image, characterSpriteBlock(image));
    const auto palette = readBattlePalette(image, 0x17);
    EXPECT_EQ(sprite.colorSlots, (std::array<std::uint8_t, 4>{0x0F, palette[0], palette[1], palette[2]}));
    int covered = 0;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            if (x >= 32 || y >= 32) {
                ASSERT_EQ(sprite.pixel(x, y), 0);
            }
            covered += sprite.pixel(x, y) != 0;
        }
    EXPECT_GT(covered, 100) << "the sample hero is drawn";

    auto bytes = test::sampleBytes();
    std::fill(bytes.begin() + 0x10000, bytes.begin() + 0x11000, 0xFF);
    const RomImage solid(std::move(bytes), "s.nes");
    const TileCanvas full = blockPicture(solid, {0x10000, 16, 16, 256});
    EXPECT_EQ(std::count(full.pixels.begin(), full.pixels.end(), 3), 128 * 128);
}

TEST(ViewerPictures, BlocksReadingPastTheBufferShowZero)
{
    const RomImage tiny(std::vector<std::uint8_t>(40, 0xFF), "t.nes");
    const TileCanvas picture = blockPicture(tiny, {24, 2, 1, 0});
    EXPECT_EQ(picture.pixel(0, 0), 3);
    EXPECT_EQ(picture.pixel(8, 0), 0) << "tile bytes past the end read 0";
}

TEST(PickerGeometry, NesColorGrid)
{
    using namespace nes_color_picker;
    EXPECT_EQ(colorAt(8, 40), 0x00);
    EXPECT_EQ(colorAt(263, 103), 0x3F);
    EXPECT_EQ(colorAt(24, 56), 0x11);
    EXPECT_FALSE(colorAt(100, 20));
    EXPECT_FALSE(colorAt(7, 40));
    EXPECT_FALSE(colorAt(264, 40));
    EXPECT_FALSE(colorAt(8, 104));
    EXPECT_EQ(colorSquare(0x3F), (SquareRect{248, 88}));
}

TEST(PickerGeometry, BattlePaletteGrid)
{
    using namespace battle_palette_picker;
    EXPECT_EQ(paletteAt(40, 72), 0);
    EXPECT_EQ(paletteAt(535, 327), 0x7F);
    EXPECT_EQ(paletteAt(104, 72), 0x10);
    EXPECT_FALSE(paletteAt(90, 100)) << "the gap of column 0";
    EXPECT_FALSE(paletteAt(551, 327)) << "the gap of column 7";
    EXPECT_FALSE(paletteAt(552, 72));
    EXPECT_FALSE(paletteAt(39, 72));
    EXPECT_FALSE(paletteAt(40, 328));
    EXPECT_EQ(colorSquare(0x10, 1), (SquareRect{104, 72}));
    EXPECT_EQ(colorSquare(0x7F, 3), (SquareRect{520, 312}));
    EXPECT_EQ(originalSquare(3), (SquareRect{160, 8}));
    EXPECT_EQ(currentSquare(1), (SquareRect{128, 40}));
}

TEST(BattlePalettes, ArraysAndNumbersPastThem)
{
    RomImage image(test::sampleBytes(SampleKind::Combo), "c.nes");
    EXPECT_TRUE(writeBattlePaletteColor(image, 5, 2, 0x2C));
    EXPECT_EQ(image.bytes()[0x40000 + 0x1795], 0x2C);
    const auto before = image.bytes();
    EXPECT_FALSE(writeBattlePaletteColor(image, 0x90, 2, 0x2C)) << "colour 2 of 0x90 is colour 2 of palette 0x10";
    EXPECT_FALSE(writeBattlePaletteColor(image, 0xF0, 3, 0x2C)) << "past the arrays, in other data";
    EXPECT_EQ(image.bytes(), before);
    EXPECT_EQ(readBattlePalette(image, 5)[1], 0x2C);
    // Palette 0x90 reads the bytes at the same offsets past the 128-entry arrays.
    EXPECT_EQ(readBattlePalette(image, 0x90)[0], image.bytes()[0x40000 + 0x1710 + 0x90]);
    EXPECT_EQ(readBattlePalette(image, 0x90)[2], image.bytes()[0x40000 + 0x1810 + 0x90]);
}

} // namespace
} // namespace talvek
