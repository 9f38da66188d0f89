#include "tile_canvas.h"

#include "rom/rom_image.h"

namespace talvek {

void drawTile(std::span<std::uint8_t> pixels, int width, int height, int x, int y,
              std::span<const std::uint8_t, kTileBytes> tile, int paletteNumber)
{
    if (x < 0 || y < 0 || x + 8 > width || y + 8 > height
        || pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return;
    for (int r = 0; r < 8; ++r) {
        const std::uint8_t lo = tile[static_cast<std::size_t>(r)];
        const std::uint8_t hi = tile[static_cast<std::size_t>(r + 8)];
        const std::size_t row = static_cast<std::size_t>(height - 1 - (y + r)) * static_cast<std::size_t>(width);
        for (int k = 0; k < 8; ++k)
            pixels[row + static_cast<std::size_t>(x + k)] =
                static_cast<std::uint8_t>(((hi >> (7 - k)) & 1) * 2 + ((lo >> (7 - k)) & 1) + 4 * paletteNumber);
    }
}

std::array<std::uint8_t, kTileBytes> tileAt(const RomImage &image, std::int64_t index)
{
    std::array<std::uint8_t, kTileBytes> tile{};
    for (int b = 0; b < kTileBytes; ++b)
        tile[static_cast<std::size_t>(b)] = image.at(index + b);
    return tile;
}

void drawSingleTile(TileCanvas &canvas, const RomImage &image, std::int64_t index, int x, int y)
{
    const auto tile = tileAt(image, index);
    drawTile(canvas.pixels, canvas.width, canvas.height, x, y, tile, 0);
}

void drawBlock(TileCanvas &canvas, const RomImage &image, const TileBlock &block)
{
    for (int j = 0; j < block.rows; ++j)
        for (int i = 0; i < block.columns; ++i)
            drawSingleTile(canvas, image, block.start + kTileBytes * i + block.stride * j, 8 * i, 8 * j);
}

} // namespace talvek
