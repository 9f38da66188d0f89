#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "rom/rom_image.h"

namespace talvek::formation {

// 128 formations of 8 bytes at 0x2C630: byte 0 bits 7 to 4 "palette 2" for enemies 1 to 4, bytes 3 and 4
// the two battle palettes, byte 5 a monster set, bytes 6 and 7 two quantity sets; one extra byte each at 0x2CA30.
inline constexpr std::int64_t kTableOffset = 0x2C630;
inline constexpr int kRecordSize = 8;
inline constexpr int kRecordCount = 128;
inline constexpr std::int64_t kExtraBytes = 0x2CA30;
// 64 monster sets of four monster ids; 122 quantity sets of four (max << 4 | min) counts.
inline constexpr std::int64_t kMonsterSets = 0x2CAB0;
inline constexpr int kMonsterSetCount = 64;
inline constexpr std::int64_t kQuantitySets = 0x2CBB0;
inline constexpr int kQuantitySetCount = 122;
inline constexpr int kEnemyCount = 4;
inline constexpr int kMonsterCount = 128;
inline constexpr std::uint8_t kNoMonster = 0xFF; // an empty enemy slot
enum Byte { Flags = 0, Palette1 = 3, Palette2 = 4, MonsterSet = 5, QuantitySet1 = 6, QuantitySet2 = 7 };

[[nodiscard]] constexpr std::int64_t recordOffset(int f) { return kTableOffset + kRecordSize * f; }
[[nodiscard]] int usersOfMonsterSet(const RomImage &image, int set);
[[nodiscard]] int usersOfQuantitySet(const RomImage &image, int set);

struct Count {
    std::int64_t min = 0;
    std::int64_t max = 0;
};

struct FormationForm {
    std::optional<int> monsterSet;  // none: a number past the table, kept
    std::optional<int> quantitySet; // of the variant shown ("Formation 2" chooses byte 7)
    int palette1 = 0;
    int palette2 = 0;
    std::array<bool, kEnemyCount> palette2Enemies{};
    // Drop-down positions: 0 "--none--" (byte 0xFF), n + 1 monster n; none: an id past the list, kept.
    std::array<std::optional<int>, kEnemyCount> monsters{};
    std::array<Count, kEnemyCount> counts{};
    std::optional<std::int64_t> extra; // none: no hexadecimal number typed, kept
};

void readMonsterSet(const RomImage &image, FormationForm &form);
void readQuantitySet(const RomImage &image, FormationForm &form);
[[nodiscard]] FormationForm read(const RomImage &image, int f, bool secondQuantitySet);
// The record, then the quantity set (counts clamped to 0..15), the monster set and the extra byte.
void store(RomImage &image, int f, const FormationForm &form, bool secondQuantitySet);

} // namespace talvek::formation

namespace talvek::formation_swatches {
// The six colour squares: palettes 1 and 2 at y = 62 and 94, colours 1 to 3 at x = 456, 472, 488.
inline constexpr int kLeft = 456;
inline constexpr int kTopPalette1 = 62;
inline constexpr int kTopPalette2 = 94;
struct Square {
    int palette; // 1 or 2
    int color;   // 1 to 3
    friend bool operator==(const Square &, const Square &) = default;
};
[[nodiscard]] std::optional<Square> squareAt(int x, int y);
} // namespace talvek::formation_swatches
