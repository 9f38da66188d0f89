#pragma once

#include <array>
#include <string_view>

namespace talvek::sample {

// Our own names for the synthetic sample image, by index range of the name pointer table.
inline constexpr std::array<std::string_view, 47> kItemNames{{
    "Potion", "Hi-Potion", "Ether", "Elixir", "Antidote", "Eye Drops", "Gold Needle", "Echo Herb",
    "Phoenix Down", "Tent", "Cottage", "Cross", "Mallet", "Soft", "Smoke Ball", "Magic Key",
    "Fire Vial", "Frost Vial", "Thunder Vial", "Healing Herb", "Sleep Dust", "Bitter Root", "Star Dust",
    "Old Map", "Wind Chime", "Lamp Oil", "Iron Key", "Sun Stone", "Moon Stone", "Feather", "Silk Rope",
    "Bone Dice", "Salt", "Honey", "Candle", "Chalk", "Bell", "Mirror", "Compass", "Whistle", "Lantern",
    "Torch", "Flint", "Pebble", "Sand Glass", "Spare Cog", "Lost Letter"}};

inline constexpr std::array<std::string_view, 9> kMaterials{
    {"Bronze", "Iron", "Steel", "Silver", "Mythril", "Gold", "Rune", "Crystal", "Dragon"}};
// Weapons by kind; the bows come last, as the game's two-handed weapons do.
inline constexpr std::array<std::string_view, 7> kWeaponKinds{
    {" Knife", " Sword", " Axe", " Spear", " Staff", " Shield", " Bow"}};

// Armour in the game's order: 10 helmets, 20 body armours, 10 gloves.
inline constexpr std::array<std::string_view, 10> kArmorMaterials{
    {"Leather", "Bronze", "Iron", "Steel", "Silver", "Mythril", "Gold", "Diamond", "Crystal", "Dragon"}};
inline constexpr std::array<std::string_view, 4> kArmorKinds{{" Helm", " Mail", " Robe", " Gloves"}};

inline constexpr std::array<std::string_view, 40> kSpellNames{{
    "Fire", "Ice", "Bolt", "Cure", "Life", "Warp", "Exit", "Sleep", "Blind", "Mute",
    "Stun", "Slow", "Haste", "Shell", "Wall", "Barrier", "Aura", "Berserk", "Bless", "Drain",
    "Osmose", "Toad", "Mini", "Stone", "Death", "Ultima", "Flare", "Holy", "Quake", "Gale",
    "Scan", "Float", "Light", "Peace", "Swap", "Charm", "Fear", "Purge", "Mend", "Dispel"}};

inline constexpr std::array<std::string_view, 9> kMiscNames{
    {"Attack", "Defend", "Flee", "Item", "Magic", "Equip", "Status", "Save", "Rest"}};

inline constexpr std::array<std::string_view, 15> kKeywordNames{{
    "Wild Rose", "Mythril", "Goddess", "Airship", "Sunfire", "Ring", "Pass", "Canoe", "Snowcraft",
    "Torch", "Pendant", "Crystal Rod", "Wyvern", "Tome", "Ice Lord"}};

inline constexpr std::string_view kUnusedNameAt48 = "Spare";

// Monster names: 16 kinds in 8 variants.
inline constexpr std::array<std::string_view, 16> kMonsterKinds{
    {"Goblin", "Imp", "Wolf", "Bat", "Slime", "Toad", "Hornet", "Lizard", "Ogre", "Golem", "Wraith", "Drake", "Mage",
     "Knight", "Spider", "Worm"}};
inline constexpr std::array<std::string_view, 8> kMonsterVariants{
    {"", " Lord", " Chief", " Elder", " Shade", " Brute", " Queen", " King"}};

// Spells 2 (bank 0xC010): the 40 spells, then 30 monster skills.
inline constexpr std::array<std::string_view, 30> kMonsterSkills{{
    "Tackle", "Bite", "Claw", "Sting", "Gaze", "Howl", "Roar", "Spit", "Kick", "Punch",
    "Whirl", "Drain Touch", "Web", "Acid", "Blaze", "Frost", "Spark", "Glare", "Charge", "Crush",
    "Rend", "Swipe", "Slam", "Lunge", "Screech", "Stomp", "Tail", "Horn", "Flash", "Mist"}};

inline constexpr std::array<std::string_view, 12> kBattleMessages{{
    "Critical hit!", "Missed!", "Ineffective", "Ran away!", "Can't escape!", "Back attack!",
    "Preemptive strike!", "Level up!", "Learned a skill!", "Gil found!", "Poisoned!", "Fell asleep!"}};

inline constexpr std::string_view kStandardPrologue =
    "The year is long forgotten.\\nAn emperor rose from the west\\nand marched on the free towns.\\n\\n"
    "Four young friends fled\\nwhen their home burned.\\nThis is their story.";
inline constexpr std::string_view kPrototypePrologue =
    "A test prologue\\n\\nfor the prototype,\\n\\nwith double spacing.";

// The nine characters: byte 0, name (six spaces: the editor lists a built-in name), equipment by slot
// (head, body, glove, right hand, left hand, belt 1, belt 2), back row.
struct SampleCharacter {
    int number;
    std::string_view name;
    std::array<int, 7> equipment;
    bool backRow;
};
inline constexpr std::array<SampleCharacter, 9> kCharacters{{
    {0x00, "Aldo", {0x70, 0x7A, 0x8E, 0x31, 0x00, 0x01, 0x00}, true},
    {0x81, "Mira", {0x79, 0x8D, 0x97, 0x00, 0x6F, 0xBF, 0x2F}, true},   // left-handed, two-handed bow
    {0x02, "Gunn", {0x74, 0x80, 0x90, 0x40, 0x41, 0x10, 0x11}, true},
    {0x03, "      ", {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, false},
    {0x04, "Jory", {0x75, 0x85, 0x92, 0x68, 0x00, 0x20, 0x30}, false},
    {0x05, "Gord", {0x9A, 0x7C, 0x95, 0x50, 0x51, 0x60, 0x70}, true},   // a head byte the list cannot show
    {0x06, "Lyla", {0x71, 0x7B, 0x8F, 0x55, 0x33, 0x05, 0x06}, false},
    {0x42, "Rikard", {0x72, 0x88, 0x91, 0x6A, 0x00, 0x99, 0xA0}, false}, // byte 0 neither row nor row + 0x80
    {0x08, "Leon", {0x78, 0x8A, 0x93, 0x3C, 0x3D, 0xB0, 0xB1}, false},
}};

} // namespace talvek::sample
