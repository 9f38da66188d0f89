#pragma once

#include "json_support.h"
#include "rom/rom_image.h"
#include "text/text_table.h"

namespace talvek::monster {

// "monsters" and the shared tables they index, each under its own key (see kTableKeys).
void exportJson(const RomImage &image, const TextTable &table, json_support::Json &document);
// Imports one of the monster keys; false when the key is not one of them.
bool importJson(RomImage &image, const std::string &key, const json_support::Json &value,
                const json_support::Json &current, const TextTable &table);

} // namespace talvek::monster
