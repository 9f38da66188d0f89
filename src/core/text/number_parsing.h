#pragma once

#include <cstdint>
#include <string_view>

namespace talvek {

// The leading decimal integer of typed text ("%d" scanning): leading blanks skipped, an optional sign,
// then digits; text with no number reads 0. Saturates at the int64 range instead of overflowing.
[[nodiscard]] std::int64_t parseLeadingDecimal(std::string_view text);

// Hexadecimal scanning: leading blanks skipped, an optional sign, then hexadecimal digits up to the
// first other character; no digit reads 0. Saturates instead of overflowing.
[[nodiscard]] std::int64_t parseLeadingHex(std::string_view text);

[[nodiscard]] constexpr std::int64_t clampTo(std::int64_t value, std::int64_t low, std::int64_t high)
{
    return value < low ? low : (value > high ? high : value);
}

} // namespace talvek
