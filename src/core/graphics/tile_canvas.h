#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace talvek {

class RomImage;

// An 8-bit picture stored bottom-up, as a device-independent bitmap with a positive height: the pixel at
// (x, y), counted from the top-left, is pixels[(height - 1 - y) * width + x]. Slots 0 to 3 of its colour
// table are NES colour bytes.
struct TileCanvas {
    TileCanvas(int width, int height) : width(width), height(height), pixels(static_cast<std::size_t>(width * height)) {}

    [[nodiscard]] std::uint8_t pixel(int x, int y) const
    {
        return pixels[static_cast<std::size_t>((height - 1 - y) * width + x)];
    }

    int width;
    int height;
    std::vector<std::uint8_t> pixels;
    std::array<std::uint8_t, 4> colorSlots{};
};

inline constexpr int kTileBytes = 16;

// Decodes one NES tile (plane 0 in bytes 0 to 7, plane 1 in 8 to 15, bit 7 leftmost) into the canvas
// with its top-left pixel at (x, y), writing value + 4 * paletteNumber. A square not wholly inside the
// canvas is not drawn.
void drawTile(std::span<std::uint8_t> pixels, int width, int height, int x, int y,
              std::span<const std::uint8_t, kTileBytes> tile, int paletteNumber);

// A rectangle of tiles: tile (i, j) lies at start + 16 * i + stride * j (a buffer index, RomBase included).
struct TileBlock {
    std::int64_t start;
    int columns;
    int rows;
    std::int64_t stride;
};

// The 16 bytes of a tile at a buffer index; bytes past the end of the buffer read 0.
[[nodiscard]] std::array<std::uint8_t, kTileBytes> tileAt(const RomImage &image, std::int64_t index);

// Draws every tile of the block at (8 * i, 8 * j).
void drawBlock(TileCanvas &canvas, const RomImage &image, const TileBlock &block);
void drawSingleTile(TileCanvas &canvas, const RomImage &image, std::int64_t index, int x, int y);

} // namespace talvek
