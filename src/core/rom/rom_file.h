#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "rom_image.h"

namespace talvek {

inline constexpr char kOpenFailedMessage[] = "Failed to open a ROM.";
inline constexpr char kSaveFailedMessage[] = "Unable to save to ROM.";

// Reads a whole ROM file. Fails (nullopt) when the file cannot be opened, is not a regular file,
// is larger than any ROM this program knows, or cannot be read completely.
[[nodiscard]] std::optional<RomImage> readRomFile(const std::string &path);

// The steps of a save that can fail on a real system, replaceable so tests can make them fail: making the
// temporary file (mkstemp's contract), writing the bytes to an open file, syncing it (fsync), renaming
// the temporary file over the ROM, and syncing the folder so that the rename itself is on disk.
struct SaveSteps {
    std::function<int(char *pathTemplate)> makeTemporary;
    std::function<bool(int fd, std::span<const std::uint8_t> bytes)> write;
    std::function<bool(int fd)> sync;
    std::function<bool(const std::string &from, const std::string &to)> rename;
    std::function<bool(const std::string &folder)> syncFolder;
};

// Replaces the file at path with bytes, atomically: a temporary file beside it is written, flushed and
// renamed over it, keeping the file's permissions, and the folder is synced, so that a power cut after the
// save cannot bring the old file back. A folder that refuses to be synced (some network file systems do)
// does not fail the save: the file already holds the new bytes. A read-only ROM is refused and left untouched.
// Returns false on any failure; the file is then exactly as it was. Where no temporary file can be made
// beside a writable ROM (a folder the user may not write in), the ROM is written in place instead, as
// QSaveFile falls back to: not atomic, but the save is not lost.
[[nodiscard]] bool saveRomFile(const std::string &path, std::span<const std::uint8_t> bytes,
                               const SaveSteps &steps = {});

} // namespace talvek
