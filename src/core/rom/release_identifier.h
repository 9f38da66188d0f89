#pragma once

#include <optional>
#include <string>

#include "release_signatures.h"
#include "rom_image.h"

namespace talvek {

// What "Check version" shows: a message and its caption (empty caption: the application's title).
struct ReleaseMessage {
    std::string text;
    std::string caption;
};

// The release whose signature the image carries, if any (NES images of at most 0x80010 bytes only).
[[nodiscard]] std::optional<Release> matchRelease(const RomImage &image);

// The message "Check version" shows for the image, or nothing (a 16 MiB image of another game).
[[nodiscard]] std::optional<ReleaseMessage> identifyRelease(const RomImage &image);

} // namespace talvek
