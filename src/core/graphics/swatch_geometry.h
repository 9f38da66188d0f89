#pragma once

#include <optional>

namespace talvek {

// The battle-palette colour squares of the editors, in each dialog's own client pixels. Each returns the
// colour (1 to 3) under a click, or nothing.
namespace weapon_swatches {
// Squares at x = 140, 156, 172, y = 248; both edges inclusive.
inline constexpr int kLeft = 140, kTop = 248;
[[nodiscard]] std::optional<int> colorAt(int x, int y);
} // namespace weapon_swatches

namespace spell_swatches {
// Squares at x = 286, 302, 318, y = 28.
inline constexpr int kLeft = 286, kTop = 28;
[[nodiscard]] std::optional<int> colorAt(int x, int y);
} // namespace spell_swatches

} // namespace talvek
