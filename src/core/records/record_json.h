#pragma once

#include <string_view>
#include <vector>

#include "json_support.h"
#include "rom/rom_image.h"
#include "text/text_table.h"

namespace talvek {

// The export in parts that each add one or more keys to a document, in the document's order; a part can be
// run again alone (the diff does, on a changed copy of an image).
struct ExportGroup {
    using Write = void (*)(const RomImage &image, const TextTable &table, json_support::Json &document);
    std::vector<std::string_view> keys; // the keys it adds
    Write write;
    void operator()(const RomImage &image, const TextTable &table, json_support::Json &document) const
    {
        write(image, table, document);
    }
};
[[nodiscard]] const std::vector<ExportGroup> &exportGroups();

// One document with a key per record kind and per shared table; names decoded with table.
[[nodiscard]] json_support::Json exportAllRecords(const RomImage &image, const TextTable &table);

// Applies a document: only values that differ from the image are written, through the editors' own clamps
// and rules. Only the kinds the document names are read from the image to compare. Throws ImportError (and may have changed the image) when the document is not valid.
void importAllRecords(RomImage &image, const json_support::Json &document, const TextTable &table);

} // namespace talvek
