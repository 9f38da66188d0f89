#pragma once

#include "json_support.h"
#include "rom/rom_image.h"
#include "text/text_table.h"

namespace talvek::character {

// "characters": index, name, hp, mp, str, agi, vit, int, soul, mag, eva, m_def, skills, spells,
// equipment, back_row, left_handed.
[[nodiscard]] json_support::Json exportJson(const RomImage &image, const TextTable &table);
// Writes the fields that differ, then the party row rule when anything changed.
bool importJson(RomImage &image, const json_support::Json &records, const json_support::Json &current,
                const TextTable &table);

[[nodiscard]] json_support::Json exportGil(const RomImage &image);
bool importGil(RomImage &image, const json_support::Json &gil);

} // namespace talvek::character
