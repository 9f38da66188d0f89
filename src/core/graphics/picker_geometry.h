#pragma once

#include <optional>

namespace talvek {

// Geometry of the two pickers in their own client pixels; every square is 16 x 16.
struct SquareRect {
    int x;
    int y;
    static constexpr int kSize = 16;
    friend bool operator==(const SquareRect &, const SquareRect &) = default;
};

namespace nes_color_picker {
// 64 colours in 16 columns by 4 rows from (8, 40); the current colour at (88, 10).
[[nodiscard]] SquareRect colorSquare(int color);
inline constexpr SquareRect kCurrentSquare{88, 10};
// The colour under a click, or nothing outside the grid.
[[nodiscard]] std::optional<int> colorAt(int x, int y);
} // namespace nes_color_picker

namespace battle_palette_picker {
// Palette p = 16 k + j in column k, row j; colour c at (40 + 64 k + 16 (c - 1), 72 + 16 j).
[[nodiscard]] SquareRect colorSquare(int palette, int color);
[[nodiscard]] SquareRect originalSquare(int color); // (128, 144, 160; 8)
[[nodiscard]] SquareRect currentSquare(int color);  // (128, 144, 160; 40)
// The palette under a click, or nothing outside the grid or in a column's gap.
[[nodiscard]] std::optional<int> paletteAt(int x, int y);
} // namespace battle_palette_picker

} // namespace talvek
