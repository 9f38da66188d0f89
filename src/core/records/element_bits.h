#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvek {

// The eight elements, by bit (0x01 first); armour, weapons, spells and monsters share them.
inline constexpr std::array<std::string_view, 8> kElementLabels{
    {"Dimension", "Fire", "Mind", "Lightning", "Insta death", "Poison", "Body", "Ice"}};

// Labels of the set bits, in bit order.
[[nodiscard]] std::vector<std::string> labelsOfBits(std::uint8_t bits, const std::array<std::string_view, 8> &labels);
// The bits named by labels; nothing when a label is unknown.
[[nodiscard]] std::optional<std::uint8_t> bitsOfLabels(const std::vector<std::string> &names,
                                                       const std::array<std::string_view, 8> &labels);

} // namespace talvek
