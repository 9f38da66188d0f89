#include "spell_json.h"

#include "ai_list.h"
#include "element_bits.h"
#include "graphics/battle_palettes.h"
#include "record_fields.h"
#include "rom/read_trace.h"
#include "spell_record.h"

namespace talvek::spell {

using json_support::asInteger;
using json_support::Json;

namespace {

// The status byte as the type shows it: labels of the shown boxes, bit numbers of the hidden ones.
Json statusJson(std::uint8_t type, std::uint8_t status)
{
    const std::optional<int> shownType = type < kTypeLabels.size() ? std::optional<int>(type) : std::nullopt;
    Json items = Json::array();
    for (int box = 0; box < kStatusBoxCount; ++box) {
        if (!(status & (0x02 << box)))
            continue;
        if (statusBoxShown(shownType, box))
            items.push_back(std::string(statusBoxLabel(shownType, box)));
        else
            items.push_back(box + 1);
    }
    return items;
}

std::uint8_t statusOfJson(std::uint8_t type, const Json &value, const std::string &path)
{
    const std::optional<int> shownType = type < kTypeLabels.size() ? std::optional<int>(type) : std::nullopt;
    std::uint8_t status = 0;
    for (const auto &item : json_support::asArray(value, path)) {
        bool known = false;
        for (int box = 0; box < kStatusBoxCount; ++box) {
            const bool byNumber = item.is_number_integer() && item.get<std::int64_t>() == box + 1;
            const bool byLabel = item.is_string() && statusBoxShown(shownType, box)
                && statusBoxLabel(shownType, box) == item.get<std::string>();
            if (byNumber || byLabel) {
                status |= static_cast<std::uint8_t>(0x02 << box);
                known = true;
            }
        }
        if (!known)
            throw ImportError(path + ": unknown status ailment " + item.dump());
    }
    return status;
}

std::string spellName(const std::vector<std::string> &names, int s)
{
    return names[static_cast<std::size_t>(s)];
}

} // namespace

Json exportJson(const RomImage &image, const TextTable &table)
{
    const auto names = ai_list::spellNames(image, table);
    Json records = Json::array();
    for (int s = 0; s < kRecordCount; ++s) {
        ReadTrace::mark("spells", s);
        const std::int64_t at = recordOffset(s);
        const std::uint8_t type = image.game(at + Type);
        records.push_back({
            {"index", s},
            {"name", spellName(names, s)},
            {"type", json_support::labelOrByte(type, kTypeLabels)},
            {"accuracy_modifier", image.game(at + AccuracyModifier)},
            {"power", image.game(at + Power)},
            {"element", labelsOfBits(image.game(at + Elements), kElementLabels)},
            {"status_ailment", statusJson(type, image.game(at + Status))},
            {"palette", image.game(at + Palette)},
            {"animation", image.game(at + Animation)},
        });
    }
    return records;
}

bool importJson(RomImage &image, const Json &records, const Json &currentRecords)
{
    return json_support::importRecords(records, currentRecords, "spells",
                                       [&](int s, const Json &, const Json &element) {
        const std::int64_t at = recordOffset(s);
        auto byteField = [&image](std::int64_t offset) {
            return [&image, offset](const Json &value, const std::string &path) {
                storeClampedByte(image, offset, asInteger(value, path));
            };
        };
        return std::map<std::string, json_support::FieldSetter>{
            {"type", [&image, at](const Json &value, const std::string &path) {
                 image.setGame(at + Type, json_support::byteOfLabel(value, kTypeLabels, path));
             }},
            {"accuracy_modifier", byteField(at + AccuracyModifier)},
            {"power", byteField(at + Power)},
            {"element", [&image, at](const Json &value, const std::string &path) {
                 const auto bits = bitsOfLabels(json_support::asStrings(value, path), kElementLabels);
                 if (!bits)
                     throw ImportError(path + ": unknown element label");
                 image.setGame(at + Elements, *bits);
             }},
            // Labels name the boxes of the record's type, the one in this document if it has one.
            {"status_ailment", [&image, &element, at](const Json &value, const std::string &path) {
                 const std::uint8_t type = element.contains("type")
                     ? json_support::byteOfLabel(element.at("type"), kTypeLabels, path)
                     : image.game(at + Type);
                 image.setGame(at + Status, statusOfJson(type, value, path));
             }},
            {"palette", byteField(at + Palette)},
            {"animation", byteField(at + Animation)},
        };
    });
}

Json exportAiJson(const RomImage &image, const TextTable &table)
{
    const auto names = ai_list::spellNames(image, table);
    Json records = Json::array();
    for (int j = 0; j < ai_list::kRecordCount; ++j) {
        ReadTrace::mark("ai_list", j);
        const std::int64_t at = ai_list::recordOffset(j);
        const std::uint8_t spell = image.game(at + ai_list::Spell);
        Json spellValue = spell == 0xFF || spell == 0 ? Json(nullptr)
            : spell <= names.size()                  ? Json(names[spell - 1u])
                                                     : Json(spell);
        records.push_back({
            {"index", j},
            {"spell", spellValue},
            {"level", image.game(at + ai_list::Level)},
            {"accuracy", image.game(at + ai_list::Accuracy)},
            {"targeting", json_support::labelOrByte(image.game(at + ai_list::Targeting), ai_list::kTargetingLabels, 1)},
            {"consumption_rate", image.game(at + ai_list::ConsumptionRate)},
        });
    }
    return records;
}

bool importAiJson(RomImage &image, const Json &records, const Json &currentRecords, const TextTable &table)
{
    const auto names = ai_list::spellNames(image, table);
    return json_support::importRecords(records, currentRecords, "ai_list",
                                       [&](int j, const Json &, const Json &) {
        const std::int64_t at = ai_list::recordOffset(j);
        auto clamped = [&image](std::int64_t offset, std::int64_t low, std::int64_t high) {
            return [&image, offset, low, high](const Json &value, const std::string &path) {
                storeClampedByte(image, offset, asInteger(value, path), low, high);
            };
        };
        return std::map<std::string, json_support::FieldSetter>{
            {"spell", [&image, &names, at](const Json &value, const std::string &path) {
                 image.setGame(at + ai_list::Spell,
                               value.is_null() ? std::uint8_t{0xFF}
                                               : static_cast<std::uint8_t>(json_support::byteOfLabel(value, names, path)
                                                                           + (value.is_string() ? 1 : 0)));
             }},
            {"level", clamped(at + ai_list::Level, 1, 16)},
            {"accuracy", clamped(at + ai_list::Accuracy, 0, 100)},
            {"targeting", [&image, at](const Json &value, const std::string &path) {
                 image.setGame(at + ai_list::Targeting,
                               json_support::byteOfLabel(value, ai_list::kTargetingLabels, path, 1));
             }},
            {"consumption_rate", clamped(at + ai_list::ConsumptionRate, 0, 100)},
        };
    });
}

Json exportBattlePalettes(const RomImage &image)
{
    Json palettes = Json::array();
    for (int p = 0; p < kBattlePaletteCount; ++p) {
        ReadTrace::mark("battle_palettes", p);
        const auto colors = readBattlePalette(image, p);
        palettes.push_back({colors[0], colors[1], colors[2]});
    }
    return palettes;
}

bool importBattlePalettes(RomImage &image, const Json &palettes, const Json &current)
{
    json_support::asArray(palettes, "battle_palettes", kBattlePaletteCount);
    bool changed = false;
    for (int p = 0; p < kBattlePaletteCount; ++p) {
        const std::string path = "battle_palettes[" + std::to_string(p) + "]";
        const Json &colors = json_support::asArray(palettes[static_cast<std::size_t>(p)], path, 3);
        for (int c = 0; c < 3; ++c) {
            if (!json_support::differs(colors[static_cast<std::size_t>(c)], current[static_cast<std::size_t>(p)],
                                       static_cast<std::size_t>(c)))
                continue;
            storeClampedByte(image, battlePaletteOffset(p, c + 1), asInteger(colors[static_cast<std::size_t>(c)], path));
            changed = true;
        }
    }
    return changed;
}

} // namespace talvek::spell
