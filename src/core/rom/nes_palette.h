#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace talvek {

struct RgbColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const RgbColor &, const RgbColor &) = default;
};

// The NES master palette: 64 entries of blue, green, red, reserved (bitmap colour-table order).
// Entries a short or missing palette file does not fill stay black.
class NesPalette {
public:
    static constexpr int kColorCount = 64;
    using Entry = std::array<std::uint8_t, 4>;

    // Reads the first 192 bytes (64 x red, green, blue) of a .pal file. False when it cannot be opened;
    // a short file fills only the entries it holds.
    bool loadFromFile(const std::string &path);
    void setColor(int index, RgbColor color);

    // Colour-table entry of an NES colour byte. Bytes of 0x40 and up are masked to their low six bits,
    // as the picture unit does, so the table is never read past its end.
    [[nodiscard]] const Entry &entry(std::uint8_t colorByte) const { return entries_[colorByte & 0x3F]; }
    // Solid-fill colour of an NES colour byte.
    [[nodiscard]] RgbColor rgb(std::uint8_t colorByte) const;

private:
    std::array<Entry, kColorCount> entries_{};
};

inline constexpr char kPaletteFileName[] = "NESPalette.pal";
inline constexpr char kPaletteLoadFailedMessage[] = "Could not load the palette file. Colors will not display properly.";

} // namespace talvek
