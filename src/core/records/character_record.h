#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "id_list.h"
#include "record_fields.h"
#include "rom/rom_image.h"

namespace talvek {
class TextTable;
}

namespace talvek::character {

// Nine records of 0x80 bytes at 0xF90; the party's gil is 3 bytes at 0xB0C.
inline constexpr std::int64_t kTableOffset = 0xF90;
inline constexpr int kRecordSize = 0x80;
inline constexpr int kRecordCount = 9;
inline constexpr std::int64_t kGilOffset = 0xB0C;
inline constexpr std::int64_t kMaxGil = 9999999;

// Record offsets.
inline constexpr int kNumber = 0x00;   // the row, plus 0x80 when left-handed
inline constexpr int kName = 0x02;     // six text bytes
inline constexpr int kHpLeft = 0x08, kHpRight = 0x0A, kMpLeft = 0x0C, kMpRight = 0x0E;
inline constexpr int kStrength = 0x10; // Str, Agi, Vit, Int, Soul follow
inline constexpr int kMagic = 0x25;
inline constexpr int kEquipment = 0x19; // head, body, glove, right hand, left hand, belt 1, belt 2
inline constexpr int kSpells = 0x30;
inline constexpr int kSkills = 0x40;    // level - 1, exp; 8 pairs
inline constexpr int kSpellLevels = 0x50; // level - 1, exp; 16 pairs
inline constexpr int kEvadeLeft = 0x70, kEvadeRight = 0x71, kMagDefLeft = 0x72, kMagDefRight = 0x73;
inline constexpr int kRow = 0x75;       // 0 is the back row
inline constexpr std::uint8_t kLeftHandedBit = 0x80;

inline constexpr int kSkillCount = 8;
inline constexpr int kSpellSlotCount = 16;
inline constexpr int kStatCount = 5;

inline constexpr std::array<std::string_view, kRecordCount> kBuiltInNames{
    {"Frionel", "Maria", "Guy", "Minh", "Josef", "Gordon", "Layla", "Richard", "Lionheart"}};
inline constexpr std::array<std::string_view, kSkillCount> kSkillLabels{
    {"Fist:", "Shield:", "Knife:", "Cane:", "Spear:", "Sword:", "Axe:", "Bow:"}};
inline constexpr std::array<std::string_view, kStatCount> kStatLabels{{"Str:", "Agi:", "Vit:", "Int:", "Soul:"}};

// The seven equipment slots in record order, with the item ids each list offers.
enum Slot { Head, Body, Glove, RightHand, LeftHand, Belt1, Belt2 };
inline constexpr int kSlotCount = 7;
// The slots' keys in the export's "equipment" object.
inline constexpr std::string_view kSlotKeys[kSlotCount] = {"head", "body", "glove", "right_hand", "left_hand", "belt_1", "belt_2"};
inline constexpr IdList kHandList{0, 0x31, 63};
inline constexpr IdList kHeadList{0, 0x70, 10};
inline constexpr IdList kBodyList{0, 0x7A, 20};
inline constexpr IdList kGloveList{0, 0x8E, 10};
inline constexpr IdList kBeltList{0, 0x01, 191};
inline constexpr IdList kSpellList{0, 0xC0, 40};
inline constexpr std::array<IdList, kSlotCount> kSlotLists{
    {kHeadList, kBodyList, kGloveList, kHandList, kHandList, kBeltList, kBeltList}};
// Two-handed weapons: hand list positions 56 to 63 (ids 0x68 to 0x6F).
inline constexpr int kFirstTwoHandedPosition = 56;

[[nodiscard]] constexpr std::int64_t recordOffset(int i) { return kTableOffset + kRecordSize * i; }

struct LevelExp {
    Typed level; // as shown: stored byte + 1
    Typed exp;
};

// The values as the dialog shows them; list choices are positions (none: no entry, byte kept). Numbers and
// boxes left empty (none) keep their stored bytes.
struct CharacterForm {
    std::array<Typed, 4> hpMp{};           // HP left, HP right, MP left, MP right
    std::array<Typed, kStatCount> stats{};
    Typed magic;
    LevelExp evade;                        // left as shown (byte + 1), right plain
    LevelExp magicDefense;
    std::array<LevelExp, kSkillCount> skills{};
    std::array<LevelExp, kSpellSlotCount> spellLevels{};
    std::array<std::optional<int>, kSpellSlotCount> spells{};
    std::array<std::optional<int>, kSlotCount> equipment{};
    std::optional<bool> backRow;           // read: none for a row byte other than 0 and 1
    // True when byte 0 is row + 0x80, false when it is the row; none for any other byte, which is kept.
    std::optional<bool> leftHanded;
};

// The list text of character i: its six name bytes, or the built-in name when they read six spaces.
[[nodiscard]] std::string displayName(const RomImage &image, int i, const TextTable &table);

[[nodiscard]] CharacterForm read(const RomImage &image, int i);
// Stores every given field of character i, then applies the party row rule.
void store(RomImage &image, int i, const CharacterForm &form);

[[nodiscard]] std::int64_t readGil(const RomImage &image);
void storeGil(RomImage &image, std::int64_t gil); // clamped to 0..9,999,999

// When characters 0, 1 and 2 are all in the back row and so is one of 3 to 8, character 0 moves to the front.
void applyPartyRowRule(RomImage &image);

// The hand rule: after one hand changed, the other hand's new position (0 when a two-handed weapon is
// involved on either side), or its old position.
[[nodiscard]] int otherHandAfterChange(int changedHandPosition, int otherHandPosition);

} // namespace talvek::character
