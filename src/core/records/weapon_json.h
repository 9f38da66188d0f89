#pragma once

#include "json_support.h"
#include "rom/rom_image.h"
#include "text/text_table.h"

namespace talvek::weapon {

// "weapons": index, name, type, accuracy, attack_power, evade, int_soul_penalty, elements, added_damage_to,
// added_effect, ailments, cast_spell, palette (positions 10 to 63; null below).
[[nodiscard]] json_support::Json exportJson(const RomImage &image, const TextTable &table);
bool importJson(RomImage &image, const json_support::Json &records, const json_support::Json &current,
                const TextTable &table);

} // namespace talvek::weapon
