#include "checksum.h"

#include <algorithm>

#include <zlib.h>

namespace talvek {

std::uint32_t crc32Of(std::span<const std::uint8_t> bytes)
{
    uLong crc = ::crc32(0L, nullptr, 0);
    // zlib takes at most 4 GiB per call.
    while (!bytes.empty()) {
        const auto chunk = bytes.first(std::min<std::size_t>(bytes.size(), 1u << 30));
        crc = ::crc32(crc, chunk.data(), static_cast<uInt>(chunk.size()));
        bytes = bytes.subspan(chunk.size());
    }
    return static_cast<std::uint32_t>(crc);
}

std::uint32_t crc32WithoutHeader(std::span<const std::uint8_t> file)
{
    return crc32Of(file.size() > kInesHeaderSize ? file.subspan(kInesHeaderSize) : std::span<const std::uint8_t>());
}

} // namespace talvek
