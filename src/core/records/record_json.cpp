#include "record_json.h"

#include <algorithm>

#include "armor_json.h"
#include "character_json.h"
#include "monster_json.h"
#include "shop_formation_json.h"
#include "spell_json.h"
#include "weapon_json.h"

namespace talvek {

using json_support::Json;

const std::vector<ExportGroup> &exportGroups()
{
    static const std::vector<ExportGroup> groups{
        {{"armor"},
         [](const RomImage &image, const TextTable &table, Json &document) {
             document["armor"] = armor::exportJson(image, table);
         }},
        {{"characters", "gil"},
         [](const RomImage &image, const TextTable &table, Json &document) {
             document["characters"] = character::exportJson(image, table);
             document["gil"] = character::exportGil(image);
         }},
        {{"weapons"},
         [](const RomImage &image, const TextTable &table, Json &document) {
             document["weapons"] = weapon::exportJson(image, table);
         }},
        {{"spells"},
         [](const RomImage &image, const TextTable &table, Json &document) {
             document["spells"] = spell::exportJson(image, table);
         }},
        {{"ai_list"},
         [](const RomImage &image, const TextTable &table, Json &document) {
             document["ai_list"] = spell::exportAiJson(image, table);
         }},
        {{"battle_palettes"},
         [](const RomImage &image, const TextTable &, Json &document) {
             document["battle_palettes"] = spell::exportBattlePalettes(image);
         }},
        {{"monsters", "hp_mp_values", "hits_blocks_mdef_values", "accuracy_evade_meva_values",
          "strength_defense_morale_values", "added_effects", "race_sets", "resist_sets", "absorb_weakness_sets",
          "ai_scripts", "spoils_sets", "gil_amounts"},
         [](const RomImage &image, const TextTable &table, Json &document) { monster::exportJson(image, table, document); }},
        {{"shops", "buy_prices", "sell_prices", "formations", "monster_sets", "quantity_sets"},
         [](const RomImage &image, const TextTable &table, Json &document) { shop::exportJson(image, table, document); }},
    };
    return groups;
}

Json exportAllRecords(const RomImage &image, const TextTable &table)
{
    if (!image.holdsGameLayout())
        throw ImportError("the image is too small to hold the Final Fantasy II data");
    Json document = Json::object();
    for (const ExportGroup &group : exportGroups())
        group(image, table, document);
    return document;
}

void importAllRecords(RomImage &image, const Json &document, const TextTable &table)
{
    if (!image.holdsGameLayout())
        throw ImportError("the image is too small to hold the Final Fantasy II data");
    json_support::asObject(document, "document");
    // Each kind compares against the image as it was before the import: the kinds' bytes do not overlap,
    // and the export lists weapons (whose cast-spell labels name AI records) before the AI list.
    Json current = Json::object();
    for (const ExportGroup &group : exportGroups())
        if (std::ranges::any_of(group.keys, [&](std::string_view key) { return document.contains(key); }))
            group(image, table, current);
    for (const auto &[key, value] : document.items()) {
        const Json &now = current.contains(key) ? current.at(key) : Json();
        if (key == "armor")
            armor::importJson(image, value, now);
        else if (key == "characters")
            character::importJson(image, value, now, table);
        else if (key == "gil")
            character::importGil(image, value);
        else if (key == "weapons")
            weapon::importJson(image, value, now, table);
        else if (key == "spells")
            spell::importJson(image, value, now);
        else if (key == "ai_list")
            spell::importAiJson(image, value, now, table);
        else if (key == "battle_palettes")
            spell::importBattlePalettes(image, value, now);
        else if (!monster::importJson(image, key, value, current, table) && !shop::importJson(image, key, value, current, table))
            throw ImportError("unknown record kind \"" + key + "\"");
    }
}

} // namespace talvek
