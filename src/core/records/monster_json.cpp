#include "monster_json.h"

#include <set>

#include "element_bits.h"
#include "monster_record.h"
#include "race_bits.h"
#include "record_fields.h"
#include "rom/read_trace.h"

namespace talvek::monster {

using json_support::asInteger;
using json_support::checkedIndex;
using json_support::importTable;
using json_support::Json;

namespace {

Json effectJson(std::uint8_t byte)
{
    if (!addedEffectIsCanonical(byte))
        return byte;
    return {{"added_effect", std::string(kAddedEffectLabels[static_cast<std::size_t>(decodeAddedEffect(byte).entry)])},
            {"ailments", ailmentLabelsOf(byte)}};
}

std::uint8_t effectOfJson(const Json &value, const std::string &path)
{
    if (value.is_number_integer())
        return json_support::byteOfLabel(value, std::array<std::string_view, 0>{}, path);
    json_support::asObject(value, path);
    if (!value.contains("added_effect") || !value.at("added_effect").is_string())
        throw ImportError(path + ": expected {\"added_effect\": label, \"ailments\": [...]} or a byte");
    const auto byte = addedEffectOfLabels(value.at("added_effect").get<std::string>(),
                                          value.contains("ailments") ? json_support::asStrings(value.at("ailments"), path)
                                                                     : std::vector<std::string>{});
    if (!byte)
        throw ImportError(path + ": unknown added effect or ailment for it");
    return *byte;
}

Json dropJson(std::uint8_t byte, const std::vector<std::string> &items)
{
    if (byte >= 0xC0)
        return {{"gil_amount", byte & 0x0F}};
    return {{"item", byte == 0 ? Json(nullptr) : Json(items[byte])}};
}

std::uint8_t dropOfJson(const Json &value, const std::vector<std::string> &items, const std::string &path)
{
    json_support::asObject(value, path);
    if (value.contains("gil_amount"))
        return static_cast<std::uint8_t>(0xF0 | checkedIndex(value.at("gil_amount"), path + ".gil_amount", kGilAmountCount));
    if (!value.contains("item"))
        throw ImportError(path + ": expected {\"item\": name or null} or {\"gil_amount\": n}");
    const Json &item = value.at("item");
    if (item.is_null())
        return 0;
    if (item.is_string())
        for (std::size_t b = 1; b < items.size(); ++b)
            if (items[b] == item.get<std::string>())
                return static_cast<std::uint8_t>(b);
    throw ImportError(path + ".item: no item named " + item.dump());
}

Json bitSets(const RomImage &image, std::string_view key, std::int64_t table,
            const std::array<std::string_view, 8> &labels)
{
    Json sets = Json::array();
    for (int i = 0; i < kSmallTableCount; ++i) {
        ReadTrace::mark(key, i);
        sets.push_back(labelsOfBits(image.game(table + i), labels));
    }
    return sets;
}

// One byte per element; a key to mark the elements for a read trace, or none for a value's parts.
Json byteTable(const RomImage &image, std::string_view key, std::int64_t table, int count)
{
    Json values = Json::array();
    for (int i = 0; i < count; ++i) {
        if (!key.empty())
            ReadTrace::mark(key, i);
        values.push_back(image.game(table + i));
    }
    return values;
}

Json wordTable(const RomImage &image, std::string_view key, std::int64_t table, int count)
{
    Json values = Json::array();
    for (int i = 0; i < count; ++i) {
        ReadTrace::mark(key, i);
        values.push_back(readU16(image, table + 2 * i));
    }
    return values;
}

} // namespace

void exportJson(const RomImage &image, const TextTable &table, Json &document)
{
    const auto items = itemList(image, table);
    Json monsters = Json::array();
    for (int m = 0; m < kRecordCount; ++m) {
        ReadTrace::mark("monsters", m);
        const std::int64_t at = recordOffset(m);
        const std::uint8_t ai = image.game(at);
        Json record = {{"index", m},
                       {"name", name(image, m, table)},
                       {"ai_script", ai == 0xFF ? Json(nullptr) : Json(ai)},
                       {"hp_index", image.game(at + 1)},
                       {"mp_index", image.game(at + 2)}};
        for (int field = 0; field < kNibbleCount; ++field)
            record[std::string(kNibbleKeys[static_cast<std::size_t>(field)])] = nibble(image, m, static_cast<Nibble>(field));
        record["spoils_set"] = image.game(kSpoilsSetNumbers + m);
        monsters.push_back(record);
    }
    document["monsters"] = monsters;
    document["hp_mp_values"] = wordTable(image, "hp_mp_values", kHpMpValues, kHpMpCount);
    document["hits_blocks_mdef_values"] = byteTable(image, "hits_blocks_mdef_values", kHitsBlocksMagDef, kSmallTableCount);
    document["accuracy_evade_meva_values"] =
        byteTable(image, "accuracy_evade_meva_values", kAccuracyEvadeMagEva, kSmallTableCount);
    document["strength_defense_morale_values"] =
        byteTable(image, "strength_defense_morale_values", kStrengthDefenseMorale, kSmallTableCount);
    Json effects = Json::array();
    for (int i = 0; i < kSmallTableCount; ++i) {
        ReadTrace::mark("added_effects", i);
        effects.push_back(effectJson(image.game(kAddedEffects + i)));
    }
    document["added_effects"] = effects;
    document["race_sets"] = bitSets(image, "race_sets", kRaceSets, kRaceLabels);
    document["resist_sets"] = bitSets(image, "resist_sets", kResistSets, kElementLabels);
    document["absorb_weakness_sets"] = bitSets(image, "absorb_weakness_sets", kAbsorbWeaknessSets, kElementLabels);
    Json scripts = Json::array();
    for (int s = 0; s < kScriptCount; ++s) {
        ReadTrace::mark("ai_scripts", s);
        scripts.push_back(byteTable(image, {}, kScripts + 8 * s, kAttacksPerScript));
    }
    document["ai_scripts"] = scripts;
    Json spoils = Json::array();
    for (int s = 0; s < kSpoilsSetCount; ++s) {
        ReadTrace::mark("spoils_sets", s);
        Json drops = Json::array();
        for (int i = 0; i < kDropsPerSet; ++i)
            drops.push_back(dropJson(image.game(kSpoilsSets + 8 * s + i), items));
        spoils.push_back(drops);
    }
    document["spoils_sets"] = spoils;
    document["gil_amounts"] = wordTable(image, "gil_amounts", kGilAmounts, kGilAmountCount);
}

bool importJson(RomImage &image, const std::string &key, const Json &value, const Json &current, const TextTable &table)
{
    static const std::set<std::string> kKeys{"monsters", "hp_mp_values", "hits_blocks_mdef_values",
                                             "accuracy_evade_meva_values", "strength_defense_morale_values",
                                             "added_effects", "race_sets", "resist_sets", "absorb_weakness_sets",
                                             "ai_scripts", "spoils_sets", "gil_amounts"};
    if (!kKeys.contains(key))
        return false;
    const Json &now = current.at(key);
    auto bytes = [&](std::int64_t base, int count) {
        importTable(value, now, key, static_cast<std::size_t>(count), [&](int i, const Json &item, const std::string &path) {
            storeClampedByte(image, base + i, asInteger(item, path));
        });
    };
    auto words = [&](std::int64_t base, int count) {
        importTable(value, now, key, static_cast<std::size_t>(count), [&](int i, const Json &item, const std::string &path) {
            storeClampedU16(image, base + 2 * i, asInteger(item, path));
        });
    };
    auto bitSetsOf = [&](std::int64_t base, const std::array<std::string_view, 8> &labels) {
        importTable(value, now, key, kSmallTableCount, [&](int i, const Json &item, const std::string &path) {
            const auto bits = bitsOfLabels(json_support::asStrings(item, path), labels);
            if (!bits)
                throw ImportError(path + ": unknown label");
            image.setGame(base + i, *bits);
        });
    };

    if (key == "monsters") {
        json_support::importRecords(value, now, key, [&](int m, const Json &, const Json &) {
            const std::int64_t at = recordOffset(m);
            std::map<std::string, json_support::FieldSetter> setters{
                {"ai_script", [&image, at](const Json &item, const std::string &path) {
                     image.setGame(at, item.is_null() ? std::uint8_t{0xFF}
                                                      : static_cast<std::uint8_t>(checkedIndex(item, path, kScriptCount)));
                 }},
                {"hp_index", [&image, at](const Json &item, const std::string &path) {
                     image.setGame(at + 1, static_cast<std::uint8_t>(checkedIndex(item, path, kHpMpCount)));
                 }},
                {"mp_index", [&image, at](const Json &item, const std::string &path) {
                     image.setGame(at + 2, static_cast<std::uint8_t>(checkedIndex(item, path, kHpMpCount)));
                 }},
                {"spoils_set", [&image, m](const Json &item, const std::string &path) {
                     image.setGame(kSpoilsSetNumbers + m, static_cast<std::uint8_t>(checkedIndex(item, path, kSpoilsSetCount)));
                 }},
            };
            for (int field = 0; field < kNibbleCount; ++field)
                setters[std::string(kNibbleKeys[static_cast<std::size_t>(field)])] =
                    [&image, at, field](const Json &item, const std::string &path) {
                        const auto index = checkedIndex(item, path, kSmallTableCount);
                        const std::int64_t byteAt = at + 3 + field / 2;
                        const std::uint8_t old = image.game(byteAt);
                        image.setGame(byteAt, static_cast<std::uint8_t>(field % 2 == 0 ? (old & 0x0F) | (index << 4)
                                                                                         : (old & 0xF0) | index));
                    };
            return setters;
        });
    } else if (key == "hp_mp_values") {
        words(kHpMpValues, kHpMpCount);
    } else if (key == "hits_blocks_mdef_values") {
        bytes(kHitsBlocksMagDef, kSmallTableCount);
    } else if (key == "accuracy_evade_meva_values") {
        bytes(kAccuracyEvadeMagEva, kSmallTableCount);
    } else if (key == "strength_defense_morale_values") {
        bytes(kStrengthDefenseMorale, kSmallTableCount);
    } else if (key == "added_effects") {
        importTable(value, now, key, kSmallTableCount, [&](int i, const Json &item, const std::string &path) {
            image.setGame(kAddedEffects + i, effectOfJson(item, path));
        });
    } else if (key == "race_sets") {
        bitSetsOf(kRaceSets, kRaceLabels);
    } else if (key == "resist_sets") {
        bitSetsOf(kResistSets, kElementLabels);
    } else if (key == "absorb_weakness_sets") {
        bitSetsOf(kAbsorbWeaknessSets, kElementLabels);
    } else if (key == "ai_scripts") {
        importTable(value, now, key, kScriptCount, [&](int s, const Json &item, const std::string &path) {
            json_support::asArray(item, path, kAttacksPerScript);
            for (int i = 0; i < kAttacksPerScript; ++i)
                storeClampedByte(image, kScripts + 8 * s + i, asInteger(item[static_cast<std::size_t>(i)], path));
        });
    } else if (key == "spoils_sets") {
        const auto items = itemList(image, table);
        importTable(value, now, key, kSpoilsSetCount, [&](int s, const Json &item, const std::string &path) {
            json_support::asArray(item, path, kDropsPerSet);
            for (int i = 0; i < kDropsPerSet; ++i) {
                const Json &drop = item[static_cast<std::size_t>(i)];
                if (json_support::differs(drop, now.at(static_cast<std::size_t>(s)), static_cast<std::size_t>(i)))
                    image.setGame(kSpoilsSets + 8 * s + i, dropOfJson(drop, items, path + "[" + std::to_string(i) + "]"));
            }
        });
    } else if (key == "gil_amounts") {
        words(kGilAmounts, kGilAmountCount);
    }
    return true;
}

} // namespace talvek::monster
