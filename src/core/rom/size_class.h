#pragma once

#include <cstdint>

namespace talvek {

// The image sizes the editor knows. Everything else is "unrecognised but editable".
inline constexpr std::int64_t kFf2ImageSize = 0x40010;    // 16-byte iNES header + 256 KiB
inline constexpr std::int64_t kComboImageSize = 0x80010;  // FF1 + FF2 combo cart, FF2 in the upper half
inline constexpr std::int64_t kGbaImageSize = 0x1000000;  // Dawn of Souls, held but never edited
inline constexpr std::int64_t kComboRomBase = 0x40000;
// No ROM this program knows is larger than 32 MiB; bigger files are refused at open.
inline constexpr std::int64_t kMaxRomFileSize = 32 * 1024 * 1024;

enum class SizeClass { Ff2, Combo, Gba, Unknown };

[[nodiscard]] constexpr SizeClass classifySize(std::int64_t size)
{
    switch (size) {
    case kFf2ImageSize: return SizeClass::Ff2;
    case kComboImageSize: return SizeClass::Combo;
    case kGbaImageSize: return SizeClass::Gba;
    default: return SizeClass::Unknown;
    }
}

[[nodiscard]] constexpr std::int64_t romBaseFor(std::int64_t size)
{
    return classifySize(size) == SizeClass::Combo ? kComboRomBase : 0;
}

[[nodiscard]] const char *sizeClassName(SizeClass sizeClass);

} // namespace talvek
