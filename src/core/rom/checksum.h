#pragma once

#include <cstdint>
#include <span>

namespace talvek {

// The CRC-32 (zlib's, the one ROM lists and patch formats quote) of bytes.
[[nodiscard]] std::uint32_t crc32Of(std::span<const std::uint8_t> bytes);

} // namespace talvek
