#pragma once

#include <array>
#include <string>

namespace talvek {

class RomImage;
class TextTable;

// The dictionary of the dialogue keyword code 0x18: entry k is name k of the name pointer table.
// Entry 0 holds a placeholder that edited text never contains, so ordinary text never encodes to 18 00.
class KeywordList {
public:
    static constexpr int kEntryCount = 256;
    static constexpr char kPlaceholder[] = "GJGIDOJGIDOJGIMFKLSEWRMOIEWRIU";

    KeywordList();
    [[nodiscard]] const std::string &operator[](std::uint8_t index) const { return entries_[index]; }
    void set(std::uint8_t index, std::string text) { entries_[index] = std::move(text); }
    [[nodiscard]] std::size_t longestEntry() const;

    // Entry 0 the placeholder, entries 1 to 255 the names decoded with the DTE table.
    [[nodiscard]] static KeywordList build(const RomImage &image, const TextTable &dteTable);

private:
    std::array<std::string, kEntryCount> entries_;
};

} // namespace talvek
