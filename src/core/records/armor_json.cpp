#include "armor_json.h"

#include "armor_record.h"
#include "element_bits.h"
#include "record_fields.h"
#include "rom/read_trace.h"
#include "text/text_codec.h"

namespace talvek::armor {

using json_support::Json;

std::string rowName(const RomImage &image, int r, const TextTable &table)
{
    return r == 0 ? std::string("Unequipped") : decodeName(image, kFirstNameId + r - 1, table);
}

namespace {

std::string statBoostLabel(int position)
{
    return std::string(kStatBoostLabels[static_cast<std::size_t>(position)]);
}

} // namespace

Json exportJson(const RomImage &image, const TextTable &table)
{
    Json records = Json::array();
    for (int k = 0; k < kRecordCount; ++k) {
        ReadTrace::mark("armor", k);
        const std::int64_t at = recordOffset(k);
        records.push_back({
            {"index", k},
            {"name", rowName(image, k, table)},
            {"defense", image.game(at + Defense)},
            {"evade_penalty", image.game(at + EvadePenalty)},
            {"int_soul_penalty", image.game(at + IntSoulPenalty)},
            {"elemental_defense", labelsOfBits(image.game(at + ElementalDefense), kElementLabels)},
            {"stat_boost", json_support::choiceToJson(image.game(at + StatBoost), kStatBoostList, statBoostLabel)},
            {"magic_defense", image.game(at + MagicDefense)},
        });
    }
    return records;
}

bool importJson(RomImage &image, const Json &records, const Json &current)
{
    using json_support::asInteger;
    auto byteField = [&image](std::int64_t offset) {
        return [&image, offset](const Json &value, const std::string &path) {
            storeClampedByte(image, offset, asInteger(value, path));
        };
    };
    return json_support::importRecords(records, current, "armor", [&](int k, const Json &, const Json &) {
        const std::int64_t at = recordOffset(k);
        return std::map<std::string, json_support::FieldSetter>{
            {"defense", byteField(at + Defense)},
            {"evade_penalty", byteField(at + EvadePenalty)},
            {"int_soul_penalty", byteField(at + IntSoulPenalty)},
            {"magic_defense", byteField(at + MagicDefense)},
            {"elemental_defense",
             [&image, at](const Json &value, const std::string &path) {
                 const auto bits = bitsOfLabels(json_support::asStrings(value, path), kElementLabels);
                 if (!bits)
                     throw ImportError(path + ": unknown element label");
                 image.setGame(at + ElementalDefense, *bits);
             }},
            {"stat_boost",
             [&image, at](const Json &value, const std::string &path) {
                 image.setGame(at + StatBoost,
                               json_support::choiceFromJson(value, kStatBoostList, statBoostLabel, path));
             }},
        };
    });
}

} // namespace talvek::armor
