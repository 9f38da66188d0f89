#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace talvek::bps {

// A patch that cannot be applied: damaged, truncated, for another source, or with actions out of bounds.
class PatchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether bytes start with the "BPS1" magic.
[[nodiscard]] bool looksLikeBps(std::span<const std::uint8_t> patch);

// A beat patch turning source into target: "BPS1", the sizes, the metadata, SourceRead, TargetRead,
// SourceCopy and TargetCopy actions, then the CRC-32s of source, target and the patch.
[[nodiscard]] std::vector<std::uint8_t> createPatch(std::span<const std::uint8_t> source,
                                                    std::span<const std::uint8_t> target,
                                                    std::string_view metadata = {});

// Applies a patch to source. Throws PatchError, naming the values, when the patch's own CRC-32 is wrong,
// when source is not the image the patch was made for, or when the patch is malformed.
[[nodiscard]] std::vector<std::uint8_t> applyPatch(std::span<const std::uint8_t> source,
                                                   std::span<const std::uint8_t> patch);

} // namespace talvek::bps
