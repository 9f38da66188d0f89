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
inline constexpr std::array<std::string_view, 7> kWeaponKinds{
    {" Knife", " Sword", " Axe", " Spear", " Staff", " Bow", " Shield"}};

inline constexpr std::array<std::string_view, 8> kArmorMaterials{
    {"Leather", "Bronze", "Iron", "Silver", "Mythril", "Gold", "Diamond", "Crystal"}};
inline constexpr std::array<std::string_view, 5> kArmorKinds{{" Cap", " Mail", " Gloves", " Belt", " Ring"}};

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

} // namespace talvek::sample
