#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "text/text_table.h"

namespace talvek {

// Hands out room for encoded strings in one bank of the sample image and writes the pointers to them.
class SampleTextArea {
public:
    SampleTextArea(std::vector<std::uint8_t> &bytes, std::int64_t romBase, std::int64_t bankBase,
                   std::int64_t begin, std::int64_t end, const TextTable &table);

    // Encodes text (terminated) at the next free game offset and returns that offset.
    std::int64_t write(std::string_view text);
    std::int64_t writeBytes(const std::vector<std::uint8_t> &encoded);
    // Writes text and stores its 16-bit pointer at tableOffset + 2 * index.
    void writePointed(std::int64_t tableOffset, int index, std::string_view text);
    // Already encoded bytes at the next free offset, with their pointer.
    void writePointedBytes(std::int64_t tableOffset, int index, const std::vector<std::uint8_t> &encoded);
    void writeRaw(std::int64_t at, std::uint8_t byte);

private:
    std::vector<std::uint8_t> &bytes_;
    std::int64_t romBase_;
    std::int64_t bankBase_;
    std::int64_t next_;
    std::int64_t end_;
    const TextTable &table_;
};

} // namespace talvek
