#include "battle_palettes.h"

#include "rom/rom_image.h"

namespace talvek {

std::int64_t battlePaletteOffset(int palette, int color)
{
    return kBattlePaletteArrays[static_cast<std::size_t>(color - 1)] + palette;
}

std::array<std::uint8_t, 3> readBattlePalette(const RomImage &image, int palette)
{
    return {image.game(battlePaletteOffset(palette, 1)), image.game(battlePaletteOffset(palette, 2)),
            image.game(battlePaletteOffset(palette, 3))};
}

bool writeBattlePaletteColor(RomImage &image, int palette, int color, std::uint8_t nesColor)
{
    if (palette < 0 || palette >= kBattlePaletteCount || color < 1 || color > 3)
        return false;
    image.setGame(battlePaletteOffset(palette, color), nesColor);
    return true;
}

} // namespace talvek
