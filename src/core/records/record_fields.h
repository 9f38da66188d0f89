#pragma once

#include <cstdint>
#include <optional>

#include "rom/rom_image.h"
#include "text/number_parsing.h"

namespace talvek {

// Small clamped stores shared by the editors and the JSON import; offsets are game offsets.

inline void storeClampedByte(RomImage &image, std::int64_t offset, std::int64_t value, std::int64_t low = 0,
                             std::int64_t high = 0xFF)
{
    image.setGame(offset, static_cast<std::uint8_t>(clampTo(value, low, high)));
}

// A value shown as stored byte + 1 (levels 1 to 16): clamped to 1..16, stored minus one.
inline void storeLevel(RomImage &image, std::int64_t offset, std::int64_t shown)
{
    image.setGame(offset, static_cast<std::uint8_t>(clampTo(shown, 1, 16) - 1));
}

[[nodiscard]] inline int shownLevel(const RomImage &image, std::int64_t offset)
{
    return image.game(offset) + 1;
}

[[nodiscard]] inline int readU16(const RomImage &image, std::int64_t offset)
{
    return image.game(offset) | (image.game(offset + 1) << 8);
}

inline void storeClampedU16(RomImage &image, std::int64_t offset, std::int64_t value)
{
    const auto clamped = static_cast<std::uint16_t>(clampTo(value, 0, 0xFFFF));
    image.setGame(offset, static_cast<std::uint8_t>(clamped & 0xFF));
    image.setGame(offset + 1, static_cast<std::uint8_t>(clamped >> 8));
}

[[nodiscard]] inline std::int64_t readU24(const RomImage &image, std::int64_t offset)
{
    return image.game(offset) | (image.game(offset + 1) << 8) | (image.game(offset + 2) << 16);
}

inline void storeClampedU24(RomImage &image, std::int64_t offset, std::int64_t value, std::int64_t high)
{
    const auto clamped = clampTo(value, 0, high);
    for (int i = 0; i < 3; ++i)
        image.setGame(offset + i, static_cast<std::uint8_t>((clamped >> (8 * i)) & 0xFF));
}

// A number as an editor's form holds it: what the user typed, or nothing where the stored value is kept.
// Only typed numbers are clamped, so Save never changes a value the user did not touch.
using Typed = std::optional<std::int64_t>;

inline void storeTypedByte(RomImage &image, std::int64_t offset, const Typed &value, std::int64_t low = 0,
                           std::int64_t high = 0xFF)
{
    if (value)
        storeClampedByte(image, offset, *value, low, high);
}

inline void storeTypedLevel(RomImage &image, std::int64_t offset, const Typed &shown)
{
    if (shown)
        storeLevel(image, offset, *shown);
}

inline void storeTypedU16(RomImage &image, std::int64_t offset, const Typed &value)
{
    if (value)
        storeClampedU16(image, offset, *value);
}

} // namespace talvek
