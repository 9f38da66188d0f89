#include "cross_references.h"

#include "record_names.h"
#include "records/character_record.h"
#include "records/formation_record.h"
#include "records/shop_record.h"
#include "records/weapon_record.h"

namespace talvek {

namespace {

const std::vector<Place> kNowhere;

// The monsters whose byte in a per-monster table (script number, spoils set) is value.
std::vector<int> monstersWith(const RomImage &image, std::int64_t firstByte, int stride, int value)
{
    std::vector<int> users;
    for (int m = 0; m < monster::kRecordCount; ++m)
        if (image.game(firstByte + stride * m) == value)
            users.push_back(m);
    return users;
}

std::vector<int> formationsWithSet(const RomImage &image, int set)
{
    std::vector<int> users;
    for (int f = 0; f < formation::kRecordCount; ++f)
        if (image.game(formation::recordOffset(f) + formation::MonsterSet) == set)
            users.push_back(f);
    return users;
}

template <std::size_t N>
void addTo(std::array<std::vector<Place>, N> &uses, int id, Place place)
{
    if (id >= 0 && id < static_cast<int>(N))
        uses[static_cast<std::size_t>(id)].push_back(std::move(place));
}

} // namespace

CrossReferences CrossReferences::build(const RomImage &image, const TextTable &table)
{
    CrossReferences refs;
    const RecordNameCache names(image, table);
    auto place = [&names](const std::string &kind, int index, std::string path) {
        return Place::record(kind, index, names.nameOf(kind, index), std::move(path));
    };
    auto addItem = [&refs](int id, Place p) {
        if (id >= kFirstItem && id <= kLastItem)
            refs.items_[static_cast<std::size_t>(id)].push_back(std::move(p));
    };

    // In the export's order: characters, weapons, monsters' scripts and spoils, shops, monster sets.
    // Equipment and shop slots count by their bytes: a slot holding an item its drop-down does not offer (a
    // ring on the head) still holds that item in the game.
    for (int i = 0; i < character::kRecordCount; ++i)
        for (int slot = 0; slot < character::kSlotCount; ++slot)
            addItem(image.game(character::recordOffset(i) + character::kEquipment + slot),
                    place("characters", i, "equipment." + std::string(character::kSlotKeys[slot])));
    for (int i = 0; i < weapon::kRecordCount; ++i) {
        const auto entry = weapon::read(image, i).castSpellEntry;
        if (entry && *entry > 0)
            addTo(refs.aiRecords_, *entry - 1, place("weapons", i, "cast_spell"));
    }
    for (int script = 0; script < monster::kScriptCount; ++script)
        for (int k = 0; k < monster::kAttacksPerScript; ++k) {
            const std::uint8_t attack = image.game(monster::kScripts + monster::kAttacksPerScript * script + k);
            if (attack == 0 || attack >= monster::kAttackEntries)
                continue; // a plain attack, or a byte the list cannot name
            Place p = place("ai_scripts", script, std::to_string(k));
            p.usersKind = "monsters";
            p.users = monstersWith(image, monster::recordOffset(0), monster::kRecordSize, script);
            addTo(refs.aiRecords_, attack - 1, std::move(p));
        }
    for (int set = 0; set < monster::kSpoilsSetCount; ++set)
        for (int k = 0; k < monster::kDropsPerSet; ++k) {
            const std::uint8_t drop = image.game(monster::kSpoilsSets + monster::kDropsPerSet * set + k);
            if (drop >= monster::kItemEntries)
                continue; // gil
            Place p = place("spoils_sets", set, std::to_string(k));
            p.usersKind = "monsters";
            p.users = monstersWith(image, monster::kSpoilsSetNumbers, 1, set);
            addItem(drop, std::move(p));
        }
    for (int s = 0; s < shop::kRecordCount; ++s)
        for (int k = 0; k < shop::kSlotCount; ++k)
            addItem(image.game(shop::recordOffset(s) + 2 * k), place("shops", s, "slots." + std::to_string(k) + ".item"));
    for (int set = 0; set < formation::kMonsterSetCount; ++set)
        for (int k = 0; k < formation::kEnemyCount; ++k) {
            const std::uint8_t id = image.game(formation::kMonsterSets + formation::kEnemyCount * set + k);
            if (id == formation::kNoMonster)
                continue;
            Place p = place("monster_sets", set, std::to_string(k));
            p.usersKind = "formations";
            p.users = formationsWithSet(image, set);
            addTo(refs.monsters_, id, std::move(p));
        }
    return refs;
}

const std::vector<Place> &CrossReferences::usesOfItem(int itemId) const
{
    return itemId >= kFirstItem && itemId <= kLastItem ? items_[static_cast<std::size_t>(itemId)] : kNowhere;
}

const std::vector<Place> &CrossReferences::usesOfAiRecord(int record) const
{
    return record >= 0 && record < ai_list::kRecordCount ? aiRecords_[static_cast<std::size_t>(record)] : kNowhere;
}

const std::vector<Place> &CrossReferences::usesOfMonster(int monster) const
{
    return monster >= 0 && monster < monster::kRecordCount ? monsters_[static_cast<std::size_t>(monster)] : kNowhere;
}

} // namespace talvek
