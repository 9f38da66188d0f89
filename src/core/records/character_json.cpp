#include "character_json.h"

#include "character_record.h"
#include "record_fields.h"
#include "rom/read_trace.h"
#include "text/text_codec.h"

namespace talvek::character {

using json_support::asInteger;
using json_support::Json;

namespace {

constexpr std::string_view kStatKeys[kStatCount] = {"str", "agi", "vit", "int", "soul"};
constexpr std::string_view kSkillKeys[kSkillCount] = {"fist", "shield", "knife", "cane", "spear", "sword", "axe", "bow"};

json_support::LabelAt itemNames(const RomImage &image, const TextTable &table, const IdList &list)
{
    return [&image, &table, list](int position) { return decodeName(image, list.idAt(position), table); };
}

Json levelExp(const RomImage &image, std::int64_t offset)
{
    return {{"level", shownLevel(image, offset)}, {"exp", image.game(offset + 1)}};
}

// {level, exp} at offset (level - 1) and offset + 1; only the parts that differ from current are written.
void storeLevelExp(RomImage &image, std::int64_t offset, const Json &value, const Json &current,
                   const std::string &path)
{
    json_support::asObject(value, path);
    for (const auto &[key, item] : value.items())
        if (key != "level" && key != "exp")
            throw ImportError(path + ": unknown field \"" + key + "\"");
    if (value.contains("level") && json_support::differs(value.at("level"), current, "level"))
        storeLevel(image, offset, asInteger(value.at("level"), path + ".level"));
    if (value.contains("exp") && json_support::differs(value.at("exp"), current, "exp"))
        storeClampedByte(image, offset + 1, asInteger(value.at("exp"), path + ".exp"), 0, 99);
}

} // namespace

Json exportJson(const RomImage &image, const TextTable &table)
{
    Json records = Json::array();
    for (int i = 0; i < kRecordCount; ++i) {
        ReadTrace::mark("characters", i);
        const std::int64_t at = recordOffset(i);
        Json record = {
            {"index", i},
            {"name", displayName(image, i, table)},
            {"hp", {readU16(image, at + kHpLeft), readU16(image, at + kHpRight)}},
            {"mp", {readU16(image, at + kMpLeft), readU16(image, at + kMpRight)}},
        };
        for (int s = 0; s < kStatCount; ++s)
            record[std::string(kStatKeys[s])] = image.game(at + kStrength + s);
        record["mag"] = image.game(at + kMagic);
        record["eva"] = {shownLevel(image, at + kEvadeLeft), image.game(at + kEvadeRight)};
        record["m_def"] = {shownLevel(image, at + kMagDefLeft), image.game(at + kMagDefRight)};
        Json skills = Json::object();
        for (int s = 0; s < kSkillCount; ++s)
            skills[std::string(kSkillKeys[s])] = levelExp(image, at + kSkills + 2 * s);
        record["skills"] = skills;
        Json spells = Json::array();
        for (int k = 0; k < kSpellSlotCount; ++k) {
            Json slot = {{"spell", json_support::choiceToJson(image.game(at + kSpells + k), kSpellList,
                                                              itemNames(image, table, kSpellList))}};
            slot.update(levelExp(image, at + kSpellLevels + 2 * k));
            spells.push_back(slot);
        }
        record["spells"] = spells;
        Json equipment = Json::object();
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const IdList &list = kSlotLists[static_cast<std::size_t>(slot)];
            equipment[std::string(kSlotKeys[slot])] =
                json_support::choiceToJson(image.game(at + kEquipment + slot), list, itemNames(image, table, list));
        }
        record["equipment"] = equipment;
        record["back_row"] = image.game(at + kRow) == 0;
        record["left_handed"] = image.game(at + kNumber) == i + kLeftHandedBit;
        records.push_back(record);
    }
    return records;
}

bool importJson(RomImage &image, const Json &records, const Json &currentRecords, const TextTable &table)
{
    const bool changed = json_support::importRecords(records, currentRecords, "characters", [&](int i, const Json &current, const Json &) {
        const std::int64_t at = recordOffset(i);
        std::map<std::string, json_support::FieldSetter> setters;
        auto pair = [&image, &current](const char *key, std::int64_t left, std::int64_t right) {
            return [&image, &current, key, left, right](const Json &value, const std::string &path) {
                json_support::asArray(value, path, 2);
                const Json &old = current.at(key);
                if (json_support::differs(value[0], old, 0))
                    storeClampedU16(image, left, asInteger(value[0], path + "[0]"));
                if (json_support::differs(value[1], old, 1))
                    storeClampedU16(image, right, asInteger(value[1], path + "[1]"));
            };
        };
        auto levelPair = [&image, &current](const char *key, std::int64_t offset) {
            return [&image, &current, key, offset](const Json &value, const std::string &path) {
                json_support::asArray(value, path, 2);
                const Json &old = current.at(key);
                if (json_support::differs(value[0], old, 0))
                    storeLevel(image, offset, asInteger(value[0], path + "[0]"));
                if (json_support::differs(value[1], old, 1))
                    storeClampedByte(image, offset + 1, asInteger(value[1], path + "[1]"), 0, 99);
            };
        };
        auto byte99 = [&image](std::int64_t offset) {
            return [&image, offset](const Json &value, const std::string &path) {
                storeClampedByte(image, offset, asInteger(value, path), 0, 99);
            };
        };
        setters["hp"] = pair("hp", at + kHpLeft, at + kHpRight);
        setters["mp"] = pair("mp", at + kMpLeft, at + kMpRight);
        for (int s = 0; s < kStatCount; ++s)
            setters[std::string(kStatKeys[s])] = byte99(at + kStrength + s);
        setters["mag"] = byte99(at + kMagic);
        setters["eva"] = levelPair("eva", at + kEvadeLeft);
        setters["m_def"] = levelPair("m_def", at + kMagDefLeft);
        setters["skills"] = [&image, &current, at](const Json &value, const std::string &path) {
            json_support::asObject(value, path);
            for (const auto &[key, item] : value.items()) {
                const auto *found = std::find(std::begin(kSkillKeys), std::end(kSkillKeys), std::string_view(key));
                if (found == std::end(kSkillKeys))
                    throw ImportError(path + ": unknown skill \"" + key + "\"");
                storeLevelExp(image, at + kSkills + 2 * (found - std::begin(kSkillKeys)), item,
                              current.at("skills").at(key), path + "." + key);
            }
        };
        setters["spells"] = [&image, &table, &current, at](const Json &value, const std::string &path) {
            json_support::asArray(value, path, kSpellSlotCount);
            for (int k = 0; k < kSpellSlotCount; ++k) {
                const std::string slotPath = path + "[" + std::to_string(k) + "]";
                const Json &old = current.at("spells").at(static_cast<std::size_t>(k));
                Json levels = json_support::asObject(value[static_cast<std::size_t>(k)], slotPath);
                if (levels.contains("spell") && json_support::differs(levels.at("spell"), old, "spell")) {
                    image.setGame(at + kSpells + k, json_support::choiceFromJson(levels.at("spell"), kSpellList,
                                                                                 itemNames(image, table, kSpellList),
                                                                                 slotPath + ".spell"));
                }
                levels.erase("spell");
                storeLevelExp(image, at + kSpellLevels + 2 * k, levels, old, slotPath);
            }
        };
        setters["equipment"] = [&image, &table, &current, at](const Json &value, const std::string &path) {
            json_support::asObject(value, path);
            for (const auto &[key, item] : value.items()) {
                const auto *found = std::find(std::begin(kSlotKeys), std::end(kSlotKeys), std::string_view(key));
                if (found == std::end(kSlotKeys))
                    throw ImportError(path + ": unknown slot \"" + key + "\"");
                if (!json_support::differs(item, current.at("equipment"), key))
                    continue;
                const auto slot = static_cast<int>(found - std::begin(kSlotKeys));
                const IdList &list = kSlotLists[static_cast<std::size_t>(slot)];
                image.setGame(at + kEquipment + slot,
                              json_support::choiceFromJson(item, list, itemNames(image, table, list), path + "." + key));
            }
        };
        setters["back_row"] = [&image, at](const Json &value, const std::string &path) {
            image.setGame(at + kRow, json_support::asBool(value, path) ? 0 : 1);
        };
        setters["left_handed"] = [&image, at, i](const Json &value, const std::string &path) {
            image.setGame(at + kNumber,
                          static_cast<std::uint8_t>(i + (json_support::asBool(value, path) ? kLeftHandedBit : 0)));
        };
        return setters;
    });
    if (changed)
        applyPartyRowRule(image);
    return changed;
}

Json exportGil(const RomImage &image)
{
    ReadTrace::mark("gil", -1);
    return readGil(image);
}

bool importGil(RomImage &image, const Json &gil)
{
    if (gil == exportGil(image))
        return false;
    storeGil(image, asInteger(gil, "gil"));
    return true;
}

} // namespace talvek::character
