#pragma once

#include <array>
#include <cstdint>

namespace talvek {

class RomImage;

// 128 battle palettes of three NES colours, in three parallel arrays: colour c of palette p is the byte
// at kBattlePaletteArrays[c - 1] + p. A palette number of 128 or more reads past the arrays, as the game
// data may ask for.
inline constexpr int kBattlePaletteCount = 128;
inline constexpr std::array<std::int64_t, 3> kBattlePaletteArrays{0x1710, 0x1790, 0x1810};

[[nodiscard]] std::int64_t battlePaletteOffset(int palette, int color);
[[nodiscard]] std::array<std::uint8_t, 3> readBattlePalette(const RomImage &image, int palette);
// Writes colour c of a palette; refused (false, nothing written) for a palette number of 128 or more,
// whose bytes lie in the data after the arrays.
[[nodiscard]] bool writeBattlePaletteColor(RomImage &image, int palette, int color, std::uint8_t nesColor);

} // namespace talvek
