#pragma once

#include <vector>

#include "json_support.h"
#include "rom/rom_image.h"
#include "text/text_table.h"

namespace talvek {

// The export in parts that each add one or more keys to a document, in the document's order; a part can be
// run again alone (the diff does, on a changed copy of an image).
using ExportGroup = void (*)(const RomImage &image, const TextTable &table, json_support::Json &document);
[[nodiscard]] const std::vector<ExportGroup> &exportGroups();

// One document with a key per record kind and per shared table; names decoded with table.
[[nodiscard]] json_support::Json exportAllRecords(const RomImage &image, const TextTable &table);

// Applies a document: only values that differ from the image are written, through the editors' own clamps
// and rules. Throws ImportError (and may have changed the image) when the document is not valid.
void importAllRecords(RomImage &image, const json_support::Json &document, const TextTable &table);

} // namespace talvek
