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

namespace talvek::monster {

// 128 records of 10 bytes at 0x307D3: an AI script number, an HP and an MP index, then fourteen 4-bit
// indexes into shared tables. Editing a value edits the shared entry, for every monster that uses it.
inline constexpr std::int64_t kTableOffset = 0x307D3;
inline constexpr int kRecordSize = 10;
inline constexpr int kRecordCount = 128;
inline constexpr std::int64_t kNamePointers = 0x16C54;
inline constexpr std::int64_t kNameBank = 0xC010;

inline constexpr std::int64_t kHpMpValues = 0x30CD3; // 32 x 16-bit
inline constexpr int kHpMpCount = 32;
inline constexpr std::int64_t kHitsBlocksMagDef = 0x30D13;
inline constexpr std::int64_t kAccuracyEvadeMagEva = 0x30D23;
inline constexpr std::int64_t kStrengthDefenseMorale = 0x30D33;
inline constexpr std::int64_t kAddedEffects = 0x30D43;
inline constexpr std::int64_t kRaceSets = 0x30D53;
inline constexpr std::int64_t kResistSets = 0x30D63;
inline constexpr std::int64_t kAbsorbWeaknessSets = 0x30D73;
inline constexpr int kSmallTableCount = 16;
inline constexpr std::int64_t kScripts = 0x30D83; // 58 x 8 attack bytes
inline constexpr int kScriptCount = 58;
inline constexpr int kAttacksPerScript = 8;
inline constexpr int kAttackEntries = 136;        // "Attack" and the 135 AI records

inline constexpr std::int64_t kSpoilsSetNumbers = 0x17790; // one per monster
inline constexpr std::int64_t kSpoilsSets = 0x17810;       // 60 x 8 drops
inline constexpr int kSpoilsSetCount = 60;
inline constexpr int kDropsPerSet = 8;
inline constexpr std::int64_t kGilAmounts = 0x179F0;       // 16 x 16-bit
inline constexpr int kGilAmountCount = 16;
inline constexpr int kItemEntries = 192;                   // "Nothing" and items 1 to 191

// The fourteen 4-bit indexes, in record order: byte 3 high, byte 3 low, byte 4 high, ...
enum Nibble { Hits, Accuracy, Strength, Effect, Blocks, Evade, Defense, MagDef, MagEva, Race, Resist, Weakness, Morale, Absorb };
inline constexpr int kNibbleCount = 14;
inline constexpr std::array<std::string_view, kNibbleCount> kNibbleKeys{
    {"hits_index", "accuracy_index", "strength_index", "added_effect_index", "blocks_index", "evade_index",
     "defense_index", "mag_def_index", "mag_eva_index", "race_index", "resist_index", "weakness_index",
     "morale_index", "absorb_index"}};

// The shared tables the indexes point into.
enum class Table { HpMp, HitsBlocksMagDef, AccuracyEvadeMagEva, StrengthDefenseMorale, AddedEffects, Races, Resists, AbsorbWeakness };

inline constexpr std::array<std::string_view, kScriptCount> kScriptNames{{
    "00 Wizard Ogre", "01 Skull", "02 Borgan", "03 Zombie Borgan", "04 Wolf Devil", "05 Gotus", "06 Beast Demon",
    "07 Chimera", "08 GChimera", "09 Sphinx", "0A Electric Fish", "0B Emperor", "0C Shade", "0D Sea Dragon",
    "0E Changer", "0F Brain", "10 M.Sucker", "11 Vampire Girl", "12 Vampire Lady", "13 Imp", "14 Pit Fiend",
    "15 Basilisk", "16 Ice Lizard", "17 Salamander", "18 Hecteyes", "19 Sand Worm", "1A Abyss Worm", "1B Unused",
    "1C Soul", "1D Green Soul", "1E Red Soul", "1F Ghast", "20 Specter", "21 Ghost", "22 Mantis Devil",
    "23 Stone Golem", "24 Green Goblin", "25 DesAngel", "26 Balloon", "27 Grenade", "28 Mine", "29 Bomb",
    "2A Captain", "2B Fire Gigas", "2C Mage", "2D Sorcerer", "2E Wizard", "2F Krull", "30 Lamia", "31 Queen Lamia",
    "32 Ice Gigas", "33 Thunder Gigas", "34 Green Dragon", "35 Blue Dragon", "36 Tiamat", "37 Beelzebub",
    "38 Astaroth", "39 Emperor"}};

[[nodiscard]] constexpr std::int64_t recordOffset(int m) { return kTableOffset + kRecordSize * m; }
[[nodiscard]] std::string name(const RomImage &image, int m, const TextTable &table);
[[nodiscard]] int nibble(const RomImage &image, int m, Nibble field);
[[nodiscard]] Table tableOf(Nibble field);

// The attack entries: "Attack", then the AI records, with "Attack" for spell byte 0.
[[nodiscard]] ai_list::RecordLabels attackList(const RomImage &image, const TextTable &table);
// "Nothing" and the 191 item names.
[[nodiscard]] std::vector<std::string> itemList(const RomImage &image, const TextTable &table);

// How many monsters reach the table entry: every index field that points into the same table counts.
[[nodiscard]] int usersOf(const RomImage &image, Table table, int entry);
[[nodiscard]] int usersOfScript(const RomImage &image, int script);
[[nodiscard]] int usersOfSpoilsSet(const RomImage &image, int set);

struct Drop {
    bool gil = false;
    int selection = 0;  // item byte, or gil amount number
    Typed gilAmount;    // the typed amount of a gil row; none: the amount is kept
};

// The dialog's view of one monster: indexes as selections (none where the byte has no entry and is kept),
// the shared values as typed, the bit sets, the added effect, the script's attacks and the spoils. A shared
// value or bit set left empty is not written, so a box the user did not change never overwrites an entry
// that another box on screen shares.
struct MonsterForm {
    std::optional<int> aiEntry;   // 0 "--none--", s + 1 script s
    std::optional<int> hpIndex, mpIndex;
    std::array<int, kNibbleCount> nibbles{};
    Typed hp, mp;
    Typed hits, blocks, magDef;
    Typed accuracy, evade, magEva;
    Typed strength, defense, morale;
    std::optional<std::uint8_t> race, resist, weakness, absorb;
    std::optional<int> addedEffect; // none: an effect byte the list cannot show is kept
    std::array<bool, kAilmentBoxCount> ailments{};
    std::array<std::optional<int>, kAttacksPerScript> attacks{};
    std::optional<int> spoilsSet;
    std::array<Drop, kDropsPerSet> drops{};
};

// The values the indexes of a form select, read from the tables (entries past a table read nothing).
void readValues(const RomImage &image, MonsterForm &form);
void readDrops(const RomImage &image, MonsterForm &form);
void readAttacks(const RomImage &image, MonsterForm &form);
[[nodiscard]] MonsterForm read(const RomImage &image, int m);

// Stores in the fixed order where the later write wins when two given values share an entry: record, HP then
// MP, blocks, mag.def then hits, evade, mag.eva then accuracy (1..255), strength, defense then morale, race,
// resist, weakness then absorb, added effect, spoils, script.
void store(RomImage &image, int m, const MonsterForm &form);

} // namespace talvek::monster
