#include "picker_geometry.h"

namespace talvek {

namespace nes_color_picker {

SquareRect colorSquare(int color)
{
    return {8 + 16 * (color % 16), 40 + 16 * (color / 16)};
}

std::optional<int> colorAt(int x, int y)
{
    if (x < 8 || x > 263 || y < 40 || y > 103)
        return std::nullopt;
    return 16 * ((y - 40) / 16) + (x - 8) / 16;
}

} // namespace nes_color_picker

namespace battle_palette_picker {

SquareRect colorSquare(int palette, int color)
{
    const int column = palette / 16;
    const int row = palette % 16;
    return {40 + 64 * column + 16 * (color - 1), 72 + 16 * row};
}

SquareRect originalSquare(int color)
{
    return {128 + 16 * (color - 1), 8};
}

SquareRect currentSquare(int color)
{
    return {128 + 16 * (color - 1), 40};
}

std::optional<int> paletteAt(int x, int y)
{
    if (x < 40 || x >= 552 || y < 72 || y >= 328)
        return std::nullopt;
    const int slot = (x - 40) / 16;
    if (slot % 4 == 3)
        return std::nullopt;
    return 16 * (slot / 4) + (y - 72) / 16;
}

} // namespace battle_palette_picker

} // namespace talvek
