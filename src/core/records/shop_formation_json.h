#pragma once

#include "json_support.h"
#include "rom/rom_image.h"
#include "text/text_table.h"

namespace talvek::shop {

// "shops", "buy_prices", "sell_prices" and "formations", "monster_sets", "quantity_sets".
void exportJson(const RomImage &image, const TextTable &table, json_support::Json &document);
// Imports one of those keys; false when the key is not one of them.
bool importJson(RomImage &image, const std::string &key, const json_support::Json &value,
                const json_support::Json &current, const TextTable &table);

} // namespace talvek::shop
