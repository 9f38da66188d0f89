#pragma once

#include <cstdint>
#include <vector>

namespace talvek {

class NesPalette;
struct TileCanvas;

// An indexed-colour PNG of the canvas (top row first) whose colour table holds its four NES colours.
// Written with stored deflate blocks: no compression library needed, and the pictures are small.
[[nodiscard]] std::vector<std::uint8_t> encodePng(const TileCanvas &canvas, const NesPalette &palette);

} // namespace talvek
