#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace talvek {

// Where the identification keys lie (file offsets; the title key is shifted by RomBase).
inline constexpr std::int64_t kHeaderKeyOffset = 6;     // iNES header bytes 6 to 15
inline constexpr std::size_t kHeaderKeyLength = 10;
inline constexpr std::int64_t kTitleKeyOffset = 0x3FFF5; // 11 bytes ending at 0x3FFFF
inline constexpr std::size_t kTitleKeyLength = 11;
inline constexpr std::int64_t kGbaKeyOffset = 0xA0;      // cartridge title and game code
inline constexpr std::string_view kGbaSignature = "FF1&2DAWNOFSBFFE";

enum class Release {
    JapaneseCart,
    VarnIncomplete,
    VarnV093,
    VarnV103,
    FinalFantasy1,
    VarnV10,
    Prototype,
    VarnV103Quorin,
    ComboTranslation,
};

struct ReleaseSignature {
    Release release;
    std::uint8_t headerByte6;
    std::string_view headerBytes7to15; // empty: nine zero bytes
    std::string_view titleKey;
};

// Compared in this order; the first full match names the release.
inline constexpr std::array<ReleaseSignature, 9> kReleaseSignatures{{
    {Release::JapaneseCart, 0x12, {}, "L FANTASY 2"},
    {Release::VarnIncomplete, 0x23, "varnguild", "eta03-07-97"},
    {Release::VarnV093, 0x23, {}, "ETAv93-Varn"},
    {Release::VarnV103, 0x12, {}, "ETAv93-Varn"},
    {Release::FinalFantasy1, 0x13, {}, "NAL FANTASY"},
    {Release::VarnV10, 0x23, {}, "1.00 - Varn"},
    {Release::Prototype, 0x13, {}, "L FANTASY 2"},
    {Release::VarnV103Quorin, 0x12, {}, "ETAv93-Quor"},
    {Release::ComboTranslation, 0x13, {}, " FANTASY1/2"},
}};

[[nodiscard]] const ReleaseSignature &signatureOf(Release release);

} // namespace talvek
