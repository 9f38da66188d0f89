#include "weapon_json.h"

#include "element_bits.h"
#include "race_bits.h"
#include "record_fields.h"
#include "rom/read_trace.h"
#include "weapon_record.h"

namespace talvek::weapon {

using json_support::asInteger;
using json_support::Json;

Json exportJson(const RomImage &image, const TextTable &table)
{
    const auto castSpells = castSpellList(image, table);
    Json records = Json::array();
    for (int i = 0; i < kRecordCount; ++i) {
        ReadTrace::mark("weapons", i);
        const std::int64_t at = recordOffset(i);
        const std::uint8_t effect = image.game(at + Effect);
        const std::uint8_t cast = image.game(at + CastSpell);
        Json record = {
            {"index", i},
            {"name", rowName(image, i, table)},
            {"type", json_support::labelOrByte(image.game(at + Type), kTypeLabels)},
            {"accuracy", image.game(at + Accuracy)},
            {"attack_power", image.game(at + AttackPower)},
            {"evade", image.game(at + Evade)},
            {"int_soul_penalty", image.game(at + IntSoulPenalty)},
            {"elements", labelsOfBits(image.game(at + Elements), kElementLabels)},
            {"added_damage_to", labelsOfBits(image.game(at + Races), kRaceLabels)},
        };
        // An effect byte the editor would not write back as it is goes out as the number itself.
        if (addedEffectIsCanonical(effect)) {
            record["added_effect"] = std::string(kAddedEffectLabels[static_cast<std::size_t>(decodeAddedEffect(effect).entry)]);
            record["ailments"] = ailmentLabelsOf(effect);
        } else {
            record["added_effect"] = effect;
            record["ailments"] = Json::array();
        }
        if (cast == 0xFF)
            record["cast_spell"] = nullptr;
        else if (cast + 1 < kCastSpellEntries)
            record["cast_spell"] = castSpells.labels[cast + 1u];
        else
            record["cast_spell"] = cast;
        record["palette"] = i >= kFirstOwnPalette ? Json(paletteOf(image, i)) : Json(nullptr);
        records.push_back(record);
    }
    return records;
}

bool importJson(RomImage &image, const Json &records, const Json &currentRecords, const TextTable &table)
{
    const auto castSpells = castSpellList(image, table);
    auto byteField = [&image](std::int64_t offset, std::int64_t high) {
        return [&image, offset, high](const Json &value, const std::string &path) {
            storeClampedByte(image, offset, asInteger(value, path), 0, high);
        };
    };
    return json_support::importRecords(records, currentRecords, "weapons", [&](int i, const Json &current, const Json &element) {
        const std::int64_t at = recordOffset(i);
        auto bits = [&image](std::int64_t offset, const std::array<std::string_view, 8> &labels) {
            return [&image, offset, &labels](const Json &value, const std::string &path) {
                const auto byte = bitsOfLabels(json_support::asStrings(value, path), labels);
                if (!byte)
                    throw ImportError(path + ": unknown label");
                image.setGame(offset, *byte);
            };
        };
        // The effect and its ailments make one byte: either key writes it, the other taken from the document
        // where present, else from the image's current export.
        auto effect = [&image, &current, &element, at](const Json &, const std::string &path) {
            const Json &name = element.contains("added_effect") ? element.at("added_effect") : current.at("added_effect");
            const Json &ailments = element.contains("ailments") ? element.at("ailments") : current.at("ailments");
            if (name.is_number_integer()) {
                image.setGame(at + Effect, json_support::byteOfLabel(name, kAddedEffectLabels, path));
                return;
            }
            if (!name.is_string())
                throw ImportError(path + ": expected an added-effect label or a byte");
            const auto byte = addedEffectOfLabels(name.get<std::string>(), json_support::asStrings(ailments, path));
            if (!byte)
                throw ImportError(path + ": unknown added effect or ailment for it");
            image.setGame(at + Effect, *byte);
        };
        return std::map<std::string, json_support::FieldSetter>{
            {"type",
             [&image, at](const Json &value, const std::string &path) {
                 const auto byte = json_support::byteOfLabel(value, kTypeLabels, path);
                 image.setGame(at + Type, byte);
             }},
            {"accuracy", byteField(at + Accuracy, 100)},
            {"attack_power", byteField(at + AttackPower, 255)},
            {"evade", byteField(at + Evade, 100)},
            {"int_soul_penalty", byteField(at + IntSoulPenalty, 255)},
            {"elements", bits(at + Elements, kElementLabels)},
            {"added_damage_to", bits(at + Races, kRaceLabels)},
            {"added_effect", effect},
            {"ailments", effect},
            {"cast_spell",
             [&image, &castSpells, at](const Json &value, const std::string &path) {
                 if (value.is_null()) {
                     image.setGame(at + CastSpell, 0xFF);
                     return;
                 }
                 if (value.is_number_integer()) {
                     image.setGame(at + CastSpell, json_support::byteOfLabel(value, std::array<std::string_view, 0>{}, path));
                     return;
                 }
                 for (int entry = 1; entry < kCastSpellEntries; ++entry)
                     if (value.is_string() && castSpells.labels[static_cast<std::size_t>(entry)] == value.get<std::string>()) {
                         image.setGame(at + CastSpell, static_cast<std::uint8_t>(entry - 1));
                         return;
                     }
                 throw ImportError(path + ": no AI entry labelled " + value.dump());
             }},
            {"palette",
             [&image, i](const Json &value, const std::string &path) {
                 if (i < kFirstOwnPalette)
                     throw ImportError(path + ": positions 0 to 9 have no palette of their own");
                 storeClampedByte(image, kPaletteNumbers + i, asInteger(value, path));
             }},
        };
    });
}

} // namespace talvek::weapon
