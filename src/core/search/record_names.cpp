#include "record_names.h"

#include "records/ai_list.h"
#include "records/armor_json.h"
#include "records/armor_record.h"
#include "records/character_record.h"
#include "records/monster_record.h"
#include "records/shop_record.h"
#include "records/spell_record.h"
#include "records/weapon_record.h"

namespace talvek {

namespace {

template <typename NameOf>
std::vector<std::string> namesOf(int count, NameOf nameOf)
{
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        names.push_back(nameOf(i));
    return names;
}

} // namespace

std::vector<NamedKind> recordNames(const RomImage &image, const TextTable &table)
{
    std::vector<NamedKind> kinds;
    kinds.push_back({"armor", namesOf(armor::kRecordCount, [&](int r) { return armor::rowName(image, r, table); })});
    kinds.push_back({"characters", namesOf(character::kRecordCount,
                                           [&](int i) { return character::displayName(image, i, table); })});
    kinds.push_back({"weapons", namesOf(weapon::kRecordCount, [&](int i) { return weapon::rowName(image, i, table); })});
    kinds.push_back({"spells", ai_list::spellNames(image, table)});
    kinds.push_back({"monsters", namesOf(monster::kRecordCount, [&](int m) { return monster::name(image, m, table); })});
    kinds.push_back({"shops", namesOf(shop::kRecordCount, [](int s) {
                         return std::string(shop::kShopLabels[static_cast<std::size_t>(s)]);
                     })});
    return kinds;
}

std::string RecordNameCache::nameOf(const std::string &kind, int index) const
{
    for (const NamedKind &named : kinds_)
        if (named.kind == kind && index >= 0 && index < static_cast<int>(named.names.size()))
            return named.names[static_cast<std::size_t>(index)];
    return {};
}

} // namespace talvek
