#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "id_list.h"
#include "rom/rom_image.h"

namespace talvek::armor {

// 41 records of 6 bytes at 0x30010: record 0 is "Unequipped", record r is armour name r - 1.
inline constexpr std::int64_t kTableOffset = 0x30010;
inline constexpr int kRecordSize = 6;
inline constexpr int kRecordCount = 41;
// The armour names: 40 pointers of the name table, item ids 0x70 to 0x97.
inline constexpr int kFirstNameId = 0x70;
inline constexpr int kNameCount = 40;

enum Byte { Defense = 0, EvadePenalty = 1, IntSoulPenalty = 2, ElementalDefense = 3, StatBoost = 4, MagicDefense = 5 };

// Stat boost: "--none--" is 0xFF, then Strength (0) to Magic power (5).
inline constexpr IdList kStatBoostList{0xFF, 0x00, 6};
inline constexpr std::array<std::string_view, 7> kStatBoostLabels{
    {"--none--", "Strength", "Agility", "Vitality", "Intelligence", "Soul", "Magic power"}};
inline constexpr int kMagicPowerPosition = 6;
inline constexpr char kMagicPowerWarning[] =
    "Magic Power seems to have an error, and it could go either way. It'll either add 10 or subtract 10, and "
    "it's not reversable. Use at your own risk.";

[[nodiscard]] constexpr std::int64_t recordOffset(int k) { return kTableOffset + kRecordSize * k; }
// The item id of a row; 0 for the first row, which stands for no item.
[[nodiscard]] constexpr int itemIdOf(int row) { return row == 0 ? 0 : kFirstNameId + row - 1; }

// The values as the dialog shows them.
struct ArmorForm {
    std::int64_t defense = 0;
    std::int64_t evadePenalty = 0;
    std::int64_t intSoulPenalty = 0;
    std::uint8_t elementalDefense = 0;
    std::optional<int> statBoostPosition; // none: the stored byte has no entry and is kept
    std::int64_t magicDefense = 0;
};

[[nodiscard]] ArmorForm read(const RomImage &image, int k);
// Stores the form into record k: numbers clamped to 0..255, the stat boost kept when nothing is chosen.
void store(RomImage &image, int k, const ArmorForm &form);

} // namespace talvek::armor
