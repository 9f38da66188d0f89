#pragma once

#include <cstdint>
#include <optional>

namespace talvek {

// A drop-down that stands for a byte: position 0 is the fixed "--none--"-style entry for noneByte,
// positions 1 to count stand for firstId to firstId + count - 1.
struct IdList {
    std::uint8_t noneByte;
    std::uint8_t firstId;
    int count;

    // The list position that shows a stored byte; nothing for a byte the list has no entry for.
    [[nodiscard]] constexpr std::optional<int> positionOf(std::uint8_t byte) const
    {
        if (byte == noneByte)
            return 0;
        if (byte >= firstId && byte - firstId < count)
            return byte - firstId + 1;
        return std::nullopt;
    }

    [[nodiscard]] constexpr std::uint8_t byteAt(int position) const
    {
        return position <= 0 ? noneByte : static_cast<std::uint8_t>(firstId + position - 1);
    }

    // The id the entry at position p (1 to count) stands for; used to fill lists with item names.
    [[nodiscard]] constexpr int idAt(int position) const { return firstId + position - 1; }
};

} // namespace talvek
