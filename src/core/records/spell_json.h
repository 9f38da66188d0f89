#pragma once

#include "json_support.h"
#include "rom/rom_image.h"
#include "text/text_table.h"

namespace talvek::spell {

// "spells": index, name, type, accuracy_modifier, power, element, status_ailment, palette, animation.
[[nodiscard]] json_support::Json exportJson(const RomImage &image, const TextTable &table);
bool importJson(RomImage &image, const json_support::Json &records, const json_support::Json &current);

// "ai_list": index, spell, level, accuracy, targeting, consumption_rate.
[[nodiscard]] json_support::Json exportAiJson(const RomImage &image, const TextTable &table);
bool importAiJson(RomImage &image, const json_support::Json &records, const json_support::Json &current,
                  const TextTable &table);

// "battle_palettes": 128 entries of three colour numbers.
[[nodiscard]] json_support::Json exportBattlePalettes(const RomImage &image);
bool importBattlePalettes(RomImage &image, const json_support::Json &palettes, const json_support::Json &current);

} // namespace talvek::spell
