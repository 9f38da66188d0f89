#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "id_list.h"
#include "record_fields.h"
#include "rom/rom_image.h"

namespace talvek {
class TextTable;
}

namespace talvek::ai_list {

// 135 records of 5 bytes at 0x30346, right after the weapons and right before the spells:
// spell (0xFF none; v names spell record v - 1), level, accuracy, targeting (1 to 6), consumption rate.
inline constexpr std::int64_t kTableOffset = 0x30346;
inline constexpr int kRecordSize = 5;
inline constexpr int kRecordCount = 135;
enum Byte { Spell = 0, Level = 1, Accuracy = 2, Targeting = 3, ConsumptionRate = 4 };

// The spells editor's "Spell:" drop-down: "Unused" (0xFF) then spells 1 to 70.
inline constexpr IdList kSpellList{0xFF, 1, 70};
inline constexpr std::array<std::string_view, 6> kTargetingLabels{
    {"Enemy party", "Single target", "???", "???", "Self", "Caster party"}};

[[nodiscard]] constexpr std::int64_t recordOffset(int j) { return kTableOffset + kRecordSize * j; }

// The 70 spell names (bank 0xC010 pointers at 0x170CB).
inline constexpr std::int64_t kSpellNamePointers = 0x170CB;
inline constexpr std::int64_t kSpellNameBank = 0xC010;
inline constexpr int kSpellNameCount = 70;
[[nodiscard]] std::vector<std::string> spellNames(const RomImage &image, const TextTable &table);

// "%s %d" of the spell's name and the level; nothing for a spell byte that names no spell.
// firstName is the name the editor puts at index 0 ("!" in the weapon editor, "Unused" in the spells editor).
[[nodiscard]] std::optional<std::string> rowText(const std::vector<std::string> &names, std::string_view firstName,
                                                 std::uint8_t spellByte, std::int64_t level);
// The label of a spell byte that names nothing, so the user can see it.
[[nodiscard]] std::string invalidRowText(std::uint8_t spellByte, std::int64_t level);

// The labels of the 135 records as the editors list them: "Unused" for spell byte 0xFF, "%s %d" of the name
// (firstName for spell byte 0) and the level, or the label of a byte that names nothing (counted).
struct RecordLabels {
    std::vector<std::string> labels;
    int invalidRecords = 0;
};
[[nodiscard]] RecordLabels recordLabels(const RomImage &image, const TextTable &table, std::string_view firstName);
// A drop-down over the AI records: entry0 ("--none--", "Attack"), then entry e + 1 for record e.
[[nodiscard]] RecordLabels choiceLabels(const RomImage &image, const TextTable &table, std::string_view entry0,
                                        std::string_view firstName);

struct AiForm {
    std::optional<int> spellPosition; // none: the byte names nothing and is kept
    Typed level;                      // none: the stored byte is kept, as for the numbers below
    Typed accuracy;
    std::optional<int> targetingRow;  // none: the byte has no row and is kept
    Typed consumptionRate;
};
[[nodiscard]] AiForm read(const RomImage &image, int j);
// Level clamped to 1..16, accuracy and consumption rate to 0..100.
void store(RomImage &image, int j, const AiForm &form);

} // namespace talvek::ai_list
