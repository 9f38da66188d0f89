#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "added_effect.h"
#include "ai_list.h"
#include "record_fields.h"
#include "rom/rom_image.h"

namespace talvek {
class TextTable;
}

namespace talvek::weapon {

// 64 records of 9 bytes at 0x30106: position 0 "Unarmed", position i the weapon name i (entries 49 to 111).
inline constexpr std::int64_t kTableOffset = 0x30106;
inline constexpr int kRecordSize = 9;
inline constexpr int kRecordCount = 64;
inline constexpr int kFirstNameId = 49;
enum Byte { Type = 0, Accuracy, AttackPower, Evade, IntSoulPenalty, Elements, Races, Effect, CastSpell };

inline constexpr std::array<std::string_view, 8> kTypeLabels{
    {"Fist", "Shield", "Dagger", "Cane", "Spear", "Sword", "Axe", "Bow"}};
inline constexpr int kShieldType = 1;

// One battle palette number per list position at 0x2CD8E; only positions 10 and up own theirs (the first
// ten bytes are also the end of the quantity sets).
inline constexpr std::int64_t kPaletteNumbers = 0x2CD8E;
inline constexpr int kFirstOwnPalette = 10;
// "Cast spell": entry 0 "--none--" (0xFF), entry e + 1 names AI record e.
inline constexpr int kCastSpellEntries = 136;

[[nodiscard]] constexpr std::int64_t recordOffset(int i) { return kTableOffset + kRecordSize * i; }
// The item id of a row; 0 for the first row, which stands for no item.
[[nodiscard]] constexpr int itemIdOf(int row) { return row == 0 ? 0 : kFirstNameId + row - 1; }
[[nodiscard]] std::string rowName(const RomImage &image, int i, const TextTable &table);
[[nodiscard]] int paletteOf(const RomImage &image, int i);
[[nodiscard]] std::string_view elementGroupCaption(std::optional<int> typePosition);

// The "Cast spell" entries: "--none--", then the AI records, with "!" for spell byte 0.
[[nodiscard]] ai_list::RecordLabels castSpellList(const RomImage &image, const TextTable &table);

struct WeaponForm {
    std::optional<int> type; // none: the byte has no entry and is kept
    Typed accuracy;       // none: the stored byte is kept
    Typed attackPower;
    Typed evade;
    Typed intSoulPenalty;
    std::uint8_t elements = 0;
    std::uint8_t races = 0;
    // None: the stored effect byte is kept, but for 0x40 or 0x80 alone, which shows as "Nothing" and is
    // saved as 0x00.
    std::optional<int> addedEffect;
    std::array<bool, kAilmentBoxCount> ailments{};
    std::optional<int> castSpellEntry; // none or 0: 0xFF
    int palette = 0;                   // stored for positions 10 and up
};

[[nodiscard]] WeaponForm read(const RomImage &image, int i);
// Accuracy and evade clamped to 0..100, attack power and penalty to 0..255; what the form leaves empty is kept.
void store(RomImage &image, int i, const WeaponForm &form);

} // namespace talvek::weapon
