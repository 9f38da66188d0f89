#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace talvek {

// A 64-bit fingerprint of a whole image, to tell whether a file is still what a restore point left.
[[nodiscard]] std::uint64_t imageHash(std::span<const std::uint8_t> bytes);

// What one save replaced: the bytes that differ, before and after, so the save can be undone and redone
// from either image alone. A range may be longer on one side where the save changed the file's size.
struct RestorePoint {
    struct Range {
        std::int64_t offset = 0;
        std::vector<std::uint8_t> before;
        std::vector<std::uint8_t> after;
    };
    std::int64_t time = 0; // seconds since 1970
    std::string summary;   // the first change, then "(+K more)"
    std::int64_t beforeSize = 0;
    std::int64_t afterSize = 0;
    std::uint64_t beforeHash = 0;
    std::uint64_t afterHash = 0;
    std::vector<Range> ranges;

    [[nodiscard]] static RestorePoint between(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                                              std::int64_t time, std::string summary);

    // The image before this save from the image after it, and the other way round. Ranges are written
    // whatever the image holds; compare the hashes first to know the result is exact.
    [[nodiscard]] std::vector<std::uint8_t> undo(std::vector<std::uint8_t> after) const;
    [[nodiscard]] std::vector<std::uint8_t> redo(std::vector<std::uint8_t> before) const;

    // The file form: a magic, the fields, the ranges and a CRC-32 of it all. decode refuses (nullopt)
    // anything truncated, damaged or inconsistent.
    [[nodiscard]] std::vector<std::uint8_t> encode() const;
    [[nodiscard]] static std::optional<RestorePoint> decode(std::span<const std::uint8_t> file);
};

} // namespace talvek
