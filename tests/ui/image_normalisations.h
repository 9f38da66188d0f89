#pragma once

#include <cstdint>
#include <vector>

#include "rom/rom_image.h"

namespace talvek::test {

// Whether the byte at a buffer index changed only by one of the normalisations the editors make on purpose
// (the README lists them): every other byte an untouched Save writes must stay as it was.
inline bool isNormalisation(const RomImage &image, const std::vector<std::uint8_t> &before,
                            const std::vector<std::uint8_t> &after, std::size_t at)
{
    const std::int64_t game = static_cast<std::int64_t>(at) - image.romBase();
    const std::uint8_t was = before[at];
    const std::uint8_t now = after[at];
    const auto inTable = [&](std::int64_t table, int count, int size, int byte) {
        return game >= table && game < table + count * size && (game - table) % size == byte;
    };
    if (inTable(0x30106, 64, 9, 7)) // weapon added effect: 0x40 or 0x80 alone shows "Nothing"
        return (was == 0x40 || was == 0x80) && now == 0x00;
    if (inTable(0x30106, 64, 9, 8)) // weapon cast spell past the AI list
        return was >= 0x87 && was <= 0xFE && now == 0xFF;
    if (inTable(0x17810, 60 * 8, 1, 0)) // gil drops are written 0xF0 | amount
        return was >= 0xC0 && was <= 0xEF && now == (0xF0 | (was & 0x0F));
    if (inTable(0x305E9, 70, 7, 4)) // spell status: no box carries bit 0
        return now == (was & 0xFE);
    if (inTable(0x30346, 135, 5, 0)) // AI spell byte 0 reads "Unused" like 0xFF
        return was == 0x00 && now == 0xFF;
    if (game == 0xF90 + 0x75) // the party row rule moves character 0 to the front
        return now == 1;
    return false;
}

} // namespace talvek::test
