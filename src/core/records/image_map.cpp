#include "image_map.h"

#include <algorithm>
#include <utility>

#include "graphics/battle_palettes.h"
#include "records/ai_list.h"
#include "records/armor_record.h"
#include "records/character_record.h"
#include "records/formation_record.h"
#include "records/monster_record.h"
#include "records/shop_record.h"
#include "records/spell_record.h"
#include "records/weapon_record.h"
#include "text/text_codec.h"
#include "text/text_groups.h"

namespace talvek {
namespace {

// The export keys each editor's Save may write. Colour squares write battle palettes at once, into the
// image in memory, from the weapon, spells and formation editors.
std::vector<std::string_view> kindsOf(EditorKind editor)
{
    switch (editor) {
    case EditorKind::Armor: return {"armor"};
    case EditorKind::Character: return {"characters", "gil"};
    case EditorKind::Monster:
        return {"monsters", "hp_mp_values", "hits_blocks_mdef_values", "accuracy_evade_meva_values",
                "strength_defense_morale_values", "added_effects", "race_sets", "resist_sets",
                "absorb_weakness_sets", "ai_scripts", "spoils_sets", "gil_amounts"};
    case EditorKind::Spells: return {"spells", "ai_list", "battle_palettes"};
    case EditorKind::Weapon: return {"weapons", "battle_palettes"};
    case EditorKind::Text: return {"text"};
    case EditorKind::Shop: return {"shops", "buy_prices", "sell_prices"};
    case EditorKind::Formation: return {"formations", "monster_sets", "quantity_sets", "battle_palettes"};
    case EditorKind::Font: return {};
    }
    return {};
}

} // namespace

ImageMap::ImageMap(const RomImage &image) : romBase_(image.romBase()), imageSize_(image.size())
{
    using namespace std::string_literals;
    add("character records", "characters", character::kTableOffset,
        character::kRecordSize * character::kRecordCount);
    add("party gil", "gil", character::kGilOffset, 3);
    add("battle palettes", "battle_palettes", kBattlePaletteArrays[0], 3 * kBattlePaletteCount);

    add("armour records", "armor", armor::kTableOffset, armor::kRecordSize * armor::kRecordCount);
    add("weapon records", "weapons", weapon::kTableOffset, weapon::kRecordSize * weapon::kRecordCount);
    // The first ten palette numbers are the end of the quantity sets; only the rest are the weapons' own.
    add("weapon palette numbers", "weapons", weapon::kPaletteNumbers + weapon::kFirstOwnPalette,
        weapon::kRecordCount - weapon::kFirstOwnPalette);
    add("AI list", "ai_list", ai_list::kTableOffset, ai_list::kRecordSize * ai_list::kRecordCount);
    add("spell records", "spells", spell::kTableOffset, spell::kRecordSize * spell::kRecordCount);

    add("monster records", "monsters", monster::kTableOffset, monster::kRecordSize * monster::kRecordCount);
    add("monster spoils set numbers", "monsters", monster::kSpoilsSetNumbers, monster::kRecordCount);
    add("HP and MP values", "hp_mp_values", monster::kHpMpValues, 2 * monster::kHpMpCount);
    add("hits, blocks and magic defense values", "hits_blocks_mdef_values", monster::kHitsBlocksMagDef,
        monster::kSmallTableCount);
    add("accuracy, evade and magic evade values", "accuracy_evade_meva_values", monster::kAccuracyEvadeMagEva,
        monster::kSmallTableCount);
    add("strength, defense and morale values", "strength_defense_morale_values", monster::kStrengthDefenseMorale,
        monster::kSmallTableCount);
    add("added effects", "added_effects", monster::kAddedEffects, monster::kSmallTableCount);
    add("race sets", "race_sets", monster::kRaceSets, monster::kSmallTableCount);
    add("resist sets", "resist_sets", monster::kResistSets, monster::kSmallTableCount);
    add("absorb and weakness sets", "absorb_weakness_sets", monster::kAbsorbWeaknessSets, monster::kSmallTableCount);
    add("AI scripts", "ai_scripts", monster::kScripts, monster::kScriptCount * monster::kAttacksPerScript);
    add("spoils sets", "spoils_sets", monster::kSpoilsSets, monster::kSpoilsSetCount * monster::kDropsPerSet);
    add("gil amounts", "gil_amounts", monster::kGilAmounts, 2 * monster::kGilAmountCount);

    add("shop records", "shops", shop::kTableOffset, shop::kRecordSize * shop::kRecordCount);
    add("buy prices", "buy_prices", shop::kBuyPrices, 2 * shop::kBuyPriceCount);
    add("sell prices", "sell_prices", shop::kSellPrices, 2 * shop::kSellPriceCount);

    add("formation records", "formations", formation::kTableOffset, formation::kRecordSize * formation::kRecordCount);
    add("formation extra bytes", "formations", formation::kExtraBytes, formation::kRecordCount);
    add("monster sets", "monster_sets", formation::kMonsterSets, formation::kEnemyCount * formation::kMonsterSetCount);
    add("quantity sets", "quantity_sets", formation::kQuantitySets,
        formation::kEnemyCount * formation::kQuantitySetCount, {"weapons"});

    // The texts: pointer tables, the character names inside the character records, and as far as a
    // text's pointer and the longest editable text can reach.
    for (const TextGroup &group : kTextGroups) {
        const std::string name(group.name);
        switch (group.kind) {
        case TextGroupKind::Names:
        case TextGroupKind::Dialogue:
            add(name + " pointers", "text", group.pointerTable, 2 * group.entries);
            break;
        case TextGroupKind::Miscellaneous:
            add(name + " pointers", "text", group.pointerTable, 2 * (group.entries - 1));
            add(name + " entry 9 pointer", "text", kMiscellaneousEntry9Pointer, 2);
            break;
        case TextGroupKind::Characters:
            for (int c = 0; c < group.entries; ++c)
                add("character " + std::to_string(c) + " name", "text", kCharacterNames + character::kRecordSize * c, 6,
                    {"characters"});
            continue;
        case TextGroupKind::Prologue:
            add("Prologue text", "text", image.isPrototype() ? kPrototypePrologue : kStandardPrologue,
                kMaxEditableBytes + 1, {}, MapRegion::Type::TextReach);
            continue;
        case TextGroupKind::Epilogue: continue;
        }
        add(name + " text", "text", group.bankBase, 0x10000 + kMaxEditableBytes + 1, {}, MapRegion::Type::TextReach);
    }
}

void ImageMap::add(std::string name, std::string kind, std::int64_t gameStart, std::int64_t size,
                   std::vector<std::string> alsoReadBy, MapRegion::Type type)
{
    const std::int64_t start = gameStart + romBase_;
    const std::int64_t end = std::min(start + size, imageSize_);
    if (start >= end)
        return;
    regions_.push_back({std::move(name), std::move(kind), start, end, type, std::move(alsoReadBy)});
}

std::vector<MapRegion> ImageMap::writableBy(EditorKind editor) const
{
    const auto kinds = kindsOf(editor);
    std::vector<MapRegion> writable;
    for (const MapRegion &region : regions_)
        if (std::ranges::find(kinds, region.kind) != kinds.end())
            writable.push_back(region);
    return writable;
}

std::vector<MapRegion> ImageMap::writableByImport() const
{
    std::vector<MapRegion> writable;
    for (const MapRegion &region : regions_)
        if (region.kind != "text")
            writable.push_back(region);
    return writable;
}

const MapRegion *ImageMap::regionAt(std::int64_t index) const
{
    const MapRegion *reach = nullptr;
    for (const MapRegion &region : regions_) {
        if (!region.contains(index))
            continue;
        if (region.type == MapRegion::Type::Table)
            return &region;
        if (!reach)
            reach = &region;
    }
    return reach;
}

bool allWithin(const std::vector<std::int64_t> &indexes, const std::vector<MapRegion> &regions)
{
    return std::ranges::all_of(indexes, [&](std::int64_t index) {
        return std::ranges::any_of(regions, [&](const MapRegion &region) { return region.contains(index); });
    });
}

} // namespace talvek
