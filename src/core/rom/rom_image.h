#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "size_class.h"

namespace talvek {

// The whole ROM file in memory, with the offset at which the Final Fantasy II data starts.
// Game offsets are offsets into a plain 262,160-byte image; add romBase() to reach the buffer.
class RomImage {
public:
    RomImage() = default;
    RomImage(std::vector<std::uint8_t> bytes, std::string path);

    [[nodiscard]] bool isLoaded() const { return loaded_; }
    [[nodiscard]] const std::string &path() const { return path_; }
    [[nodiscard]] std::int64_t size() const { return static_cast<std::int64_t>(bytes_.size()); }
    [[nodiscard]] std::int64_t romBase() const { return romBase_; }
    [[nodiscard]] bool isPrototype() const { return prototypeFlag_; }
    [[nodiscard]] SizeClass sizeClass() const { return classifySize(size()); }

    [[nodiscard]] std::vector<std::uint8_t> &bytes() { return bytes_; }
    [[nodiscard]] const std::vector<std::uint8_t> &bytes() const { return bytes_; }

    // True when every fixed game offset the editors use (up to 0x3FFFF + RomBase) lies inside the buffer.
    [[nodiscard]] bool holdsGameLayout() const;

    // Bounds-checked access by buffer index; reads past the end give 0 and writes there are ignored.
    [[nodiscard]] std::uint8_t at(std::int64_t index) const;
    // Byte at game offset + RomBase.
    [[nodiscard]] std::uint8_t game(std::int64_t gameOffset) const { return at(gameOffset + romBase_); }
    void setGame(std::int64_t gameOffset, std::uint8_t value);

    // Releases the buffer (the main window's Exit does this before closing).
    void release();

private:
    void detectPrototype();

    std::vector<std::uint8_t> bytes_;
    std::string path_;
    std::int64_t romBase_ = 0;
    bool prototypeFlag_ = false;
    bool loaded_ = false;
};

// The 16 bytes at RomBase + 0x3FFF0 that mark the prototype release.
inline constexpr char kPrototypeSignature[] = " FINAL FANTASY 2";
inline constexpr std::int64_t kPrototypeSignatureOffset = 0x3FFF0;

} // namespace talvek
