#include "nes_palette.h"

#include <fstream>

namespace talvek {

bool NesPalette::loadFromFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    char rgb[3];
    for (int index = 0; index < kColorCount && file.read(rgb, 3); ++index)
        setColor(index, {static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                         static_cast<std::uint8_t>(rgb[2])});
    return true;
}

void NesPalette::setColor(int index, RgbColor color)
{
    if (index < 0 || index >= kColorCount)
        return;
    entries_[static_cast<std::size_t>(index)] = {color.blue, color.green, color.red, 0};
}

RgbColor NesPalette::rgb(std::uint8_t colorByte) const
{
    const Entry &e = entry(colorByte);
    return {e[2], e[1], e[0]};
}

} // namespace talvek
