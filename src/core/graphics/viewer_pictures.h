#pragma once

#include "tile_canvas.h"

namespace talvek {

class RomImage;

// The font viewer's picture: the 146 font tiles at 0x24A10 on a 128 x 80 canvas in colours 0F 10 01 20,
// 16 per row for nine rows, the last two starting a tenth row.
inline constexpr std::int64_t kFontTiles = 0x24A10;
[[nodiscard]] TileCanvas fontPicture(const RomImage &image);

// The graphics viewer's picture: a tile block on a 128 x 128 canvas, slot 0 NES colour 0x0F and slots
// 1 to 3 the colours of battle palette 0x17.
inline constexpr int kGraphicViewerPalette = 0x17;
[[nodiscard]] TileCanvas blockPicture(const RomImage &image, const TileBlock &block);
// The same with colour slots read earlier (the viewer reads them once, when it opens).
[[nodiscard]] std::array<std::uint8_t, 4> blockPictureSlots(const RomImage &image);
[[nodiscard]] TileCanvas blockPicture(const RomImage &image, const TileBlock &block,
                                      const std::array<std::uint8_t, 4> &colorSlots);

// The character sprite the character editor hands the graphics viewer: 4 x 4 tiles at 0x1C010, rows 0x40 apart.
inline constexpr std::int64_t kCharacterSpriteTiles = 0x1C010;
[[nodiscard]] TileBlock characterSpriteBlock(const RomImage &image);

} // namespace talvek
