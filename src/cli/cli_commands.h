#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace talvek::cli {

// A failure the command line reports as one line on standard error, exiting non-zero.
class CommandError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Options {
    std::optional<std::filesystem::path> dataDirectory; // --data DIR
    bool recordHistory = true;                          // off with --no-history
};

// Writes the font viewer's ("font") or the graphics viewer's ("sprite") picture as a PNG.
void renderPicture(const Options &options, const std::string &what, const std::string &romPath,
                   const std::string &outPath);
// Prints the groups of the text editor, one group's entries ("n: text", line breaks as \n), or one entry.
void printText(const Options &options, const std::string &romPath, const std::string &group, const std::string &entry,
               std::ostream &out);
// IPS patches: create one from two files, or apply one to a ROM and write the result to OUT.
// BPS patches: create one from two files, or apply one (checked against its CRC-32s) and write OUT.
void createBpsPatch(const std::string &originalPath, const std::string &modifiedPath, const std::string &patchPath);
void applyBpsPatch(const std::string &romPath, const std::string &patchPath, const std::string &outPath);
void createIpsPatch(const std::string &originalPath, const std::string &modifiedPath, const std::string &patchPath);
void applyIpsPatch(const std::string &romPath, const std::string &patchPath, const std::string &outPath);
void writeSample(const Options &options, const std::string &outPath, const std::string &kindName);
// Prints what differs between two images, one line per change (or one JSON array); true when they differ.
bool printDiff(const Options &options, const std::string &beforePath, const std::string &afterPath, bool asJson,
               std::ostream &out);
// Lists the restore points of a ROM, oldest first: "N  YYYY-MM-DD HH:MM:SS  SUMMARY".
void printHistory(const std::string &romPath, std::ostream &out);
// Puts a ROM back to its content just before restore point number (from 1), as a save of its own.
void revertRom(const Options &options, const std::string &romPath, const std::string &number, bool force);
// Prints every record name and text entry containing query, case-insensitively, one per line.
void printMatches(const Options &options, const std::string &romPath, const std::string &query, std::ostream &out);
// Prints where an item id, an AI record or a monster ("item", "ai", "monster") is used, one place per line.
void printUses(const Options &options, const std::string &romPath, const std::string &what, const std::string &number,
               std::ostream &out);
void printInfo(const std::string &romPath, std::ostream &out);
// Writes the JSON document of every record kind to outPath, or to out when outPath is empty.
void exportRecords(const Options &options, const std::string &romPath, const std::string &outPath, std::ostream &out);
// Applies a JSON document and saves the whole image to outPath (the ROM itself when empty).
void importRecords(const Options &options, const std::string &romPath, const std::string &jsonPath,
                   const std::string &outPath);

} // namespace talvek::cli
