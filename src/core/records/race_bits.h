#pragma once

#include <array>
#include <string_view>

namespace talvek {

// The eight races, by bit (0x01 first); weapons and monsters share them.
inline constexpr std::array<std::string_view, 8> kRaceLabels{
    {"Air", "Water", "Earth", "Giant", "Magic", "Dragon", "Were", "Undead"}};

} // namespace talvek
