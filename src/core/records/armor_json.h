#pragma once

#include "json_support.h"
#include "rom/rom_image.h"
#include "text/text_table.h"

namespace talvek::armor {

// "armor": index, name, defense, evade_penalty, int_soul_penalty, elemental_defense, stat_boost, magic_defense.
[[nodiscard]] json_support::Json exportJson(const RomImage &image, const TextTable &table);
// Writes the fields that differ from the image; true when anything changed.
// current is this kind's export of the image before the import.
bool importJson(RomImage &image, const json_support::Json &records, const json_support::Json &current);

// The list text of armour row r: "Unequipped" or armour name r - 1.
[[nodiscard]] std::string rowName(const RomImage &image, int r, const TextTable &table);

} // namespace talvek::armor
