#include "viewer_pictures.h"

#include "battle_palettes.h"
#include "rom/rom_image.h"

namespace talvek {

TileCanvas fontPicture(const RomImage &image)
{
    TileCanvas canvas(128, 80);
    canvas.colorSlots = {0x0F, 0x10, 0x01, 0x20};
    const std::int64_t start = kFontTiles + image.romBase();
    drawBlock(canvas, image, {start, 16, 9, 256});
    drawSingleTile(canvas, image, start + 144 * kTileBytes, 0, 72);
    drawSingleTile(canvas, image, start + 145 * kTileBytes, 8, 72);
    return canvas;
}

std::array<std::uint8_t, 4> blockPictureSlots(const RomImage &image)
{
    const auto colors = readBattlePalette(image, kGraphicViewerPalette);
    return {0x0F, colors[0], colors[1], colors[2]};
}

TileCanvas blockPicture(const RomImage &image, const TileBlock &block, const std::array<std::uint8_t, 4> &colorSlots)
{
    TileCanvas canvas(128, 128);
    canvas.colorSlots = colorSlots;
    drawBlock(canvas, image, block);
    return canvas;
}

TileCanvas blockPicture(const RomImage &image, const TileBlock &block)
{
    return blockPicture(image, block, blockPictureSlots(image));
}

TileBlock characterSpriteBlock(const RomImage &image)
{
    return {kCharacterSpriteTiles + image.romBase(), 4, 4, 0x40};
}

} // namespace talvek
