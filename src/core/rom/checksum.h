#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace talvek {

// The iNES header in front of every cartridge image.
inline constexpr std::size_t kInesHeaderSize = 16;

// The CRC-32 (zlib's, the one ROM lists and patch formats quote) of bytes.
[[nodiscard]] std::uint32_t crc32Of(std::span<const std::uint8_t> bytes);
// The same of the file without its iNES header (of nothing for a file no longer than the header).
[[nodiscard]] std::uint32_t crc32WithoutHeader(std::span<const std::uint8_t> file);

} // namespace talvek
