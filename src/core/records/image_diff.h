#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "json_support.h"
#include "rom/rom_image.h"
#include "text/text_table.h"

namespace talvek {

// One difference between two images, in the editors' terms.
struct ImageChange {
    enum class Type { Field, Text, Bytes };
    Type type = Type::Bytes;
    std::string kind;             // Field: the export's key ("armor", "gil_amounts", "gil")
    int index = -1;               // Field: the element; -1 for a key holding one value
    std::string name;             // Field: the record's name where the export lists one
    std::string path;             // Field: the value inside the element ("skills.knife.level"); empty for all of it
    json_support::Json before;    // Field and Text: the value as the export (or the text editor) shows it
    json_support::Json after;
    int group = 0;                // Text: the text group's number
    int entry = 0;                // Text: the entry in it
    std::int64_t start = 0;       // Bytes: file offsets, end inclusive
    std::int64_t end = 0;
};

// What differs between two images, every differing byte accounted for once: the export's fields whose own
// bytes differ (kinds in the export's order), then the text entries whose bytes and decoded text differ,
// then the bytes neither shows, as ranges (a longer image's extra bytes included). A field that shows
// another record's name is not listed when only that name changed: the name's text entry is. Names and
// texts are decoded with each image's own DTE table. Nothing is listed for identical images.
[[nodiscard]] std::vector<ImageChange> diffImages(const RomImage &before, const TextTable &beforeNames,
                                                  const RomImage &after, const TextTable &afterNames);

// The DTE tables of both sets: an image's names are decoded with its own set's table.
struct NameTables {
    const TextTable &standard;
    const TextTable &prototype;
    [[nodiscard]] const TextTable &of(const RomImage &image) const { return image.isPrototype() ? prototype : standard; }
};

// A restore point's summary of a save: the first change's line, then "(+K more)".
[[nodiscard]] std::string summarizeDiff(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                                        const NameTables &names);

// One line: `armor 1 "Leather Helm": defense 4 -> 12`, `gil_amounts 7: 640 -> 360`,
// `text 11 3: "old" -> "new"`, `bytes 0x1F-0x22 (4 bytes)`.
[[nodiscard]] std::string describeChange(const ImageChange &change);
// The same as a JSON object: {"kind", "index", "name", "field", "old", "new"}, {"kind": "text", "group",
// "entry", "old", "new"} or {"kind": "bytes", "start", "end", "count"}.
[[nodiscard]] json_support::Json changeToJson(const ImageChange &change);

} // namespace talvek
