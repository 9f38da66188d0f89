#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace talvek::ips {

// A patch that cannot be applied: bad header, a record past the patch's end, no "EOF" marker.
class PatchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest file offset an IPS record can name, plus one.
inline constexpr std::int64_t kMaxTarget = 0x1000000;
// A record may not start at 0x454F46: its offset bytes would read "EOF".
inline constexpr std::int64_t kEofOffset = 0x454F46;

// A standard IPS patch turning original into modified: "PATCH", records of at most 0xFFFF bytes (runs of one
// byte as run-length records), "EOF", and the truncation size when modified is shorter. Throws PatchError when
// modified changes bytes past 16 MiB, which IPS cannot address.
[[nodiscard]] std::vector<std::uint8_t> createPatch(std::span<const std::uint8_t> original,
                                                    std::span<const std::uint8_t> modified);

struct Applied {
    std::vector<std::uint8_t> bytes;
    int records = 0;
    std::int64_t bytesWritten = 0;
};
// Applies a patch to a copy of rom; throws PatchError, leaving nothing half-applied, when the patch is damaged.
[[nodiscard]] Applied applyPatch(std::span<const std::uint8_t> rom, std::span<const std::uint8_t> patch);

} // namespace talvek::ips
