#include "monster_record.h"

#include <algorithm>

#include "ai_list.h"
#include "record_fields.h"
#include "rom/read_trace.h"
#include "text/text_codec.h"

namespace talvek::monster {

namespace {

// Where each nibble lies: record byte and whether it is the high half.
struct NibblePlace {
    int byte;
    bool high;
};
constexpr NibblePlace placeOf(Nibble field)
{
    return {3 + field / 2, field % 2 == 0};
}

std::int64_t entryOf(const MonsterForm &form, Nibble field, std::int64_t table)
{
    return table + form.nibbles[static_cast<std::size_t>(field)];
}

} // namespace

std::string name(const RomImage &image, int m, const TextTable &table)
{
    const LabelReads label;
    const auto pointer = readTextPointer(image, kNamePointers, m);
    return decodeString(image.bytes(), textPointerTarget(image, kNameBank, pointer), table);
}

int nibble(const RomImage &image, int m, Nibble field)
{
    const auto place = placeOf(field);
    const std::uint8_t byte = image.game(recordOffset(m) + place.byte);
    return place.high ? byte >> 4 : byte & 0x0F;
}

Table tableOf(Nibble field)
{
    switch (field) {
    case Hits:
    case Blocks:
    case MagDef: return Table::HitsBlocksMagDef;
    case Accuracy:
    case Evade:
    case MagEva: return Table::AccuracyEvadeMagEva;
    case Strength:
    case Defense:
    case Morale: return Table::StrengthDefenseMorale;
    case Effect: return Table::AddedEffects;
    case Race: return Table::Races;
    case Resist: return Table::Resists;
    case Weakness:
    case Absorb: return Table::AbsorbWeakness;
    }
    return Table::HpMp;
}

ai_list::RecordLabels attackList(const RomImage &image, const TextTable &table)
{
    return ai_list::choiceLabels(image, table, "Attack", "Attack");
}

std::vector<std::string> itemList(const RomImage &image, const TextTable &table)
{
    std::vector<std::string> items{"Nothing"};
    for (int n = 1; n < kItemEntries; ++n)
        items.push_back(decodeName(image, n, table));
    return items;
}

int usersOf(const RomImage &image, Table table, int entry)
{
    int users = 0;
    for (int m = 0; m < kRecordCount; ++m) {
        bool uses = false;
        if (table == Table::HpMp) {
            uses = image.game(recordOffset(m) + 1) == entry || image.game(recordOffset(m) + 2) == entry;
        } else {
            for (int field = 0; field < kNibbleCount && !uses; ++field)
                uses = tableOf(static_cast<Nibble>(field)) == table && nibble(image, m, static_cast<Nibble>(field)) == entry;
        }
        users += uses;
    }
    return users;
}

int usersOfScript(const RomImage &image, int script)
{
    int users = 0;
    for (int m = 0; m < kRecordCount; ++m)
        users += image.game(recordOffset(m)) == script;
    return users;
}

int usersOfSpoilsSet(const RomImage &image, int set)
{
    int users = 0;
    for (int m = 0; m < kRecordCount; ++m)
        users += image.game(kSpoilsSetNumbers + m) == set;
    return users;
}

void readValues(const RomImage &image, MonsterForm &form)
{
    if (form.hpIndex)
        form.hp = readU16(image, kHpMpValues + 2 * *form.hpIndex);
    if (form.mpIndex)
        form.mp = readU16(image, kHpMpValues + 2 * *form.mpIndex);
    form.hits = image.game(entryOf(form, Hits, kHitsBlocksMagDef));
    form.blocks = image.game(entryOf(form, Blocks, kHitsBlocksMagDef));
    form.magDef = image.game(entryOf(form, MagDef, kHitsBlocksMagDef));
    form.accuracy = image.game(entryOf(form, Accuracy, kAccuracyEvadeMagEva));
    form.evade = image.game(entryOf(form, Evade, kAccuracyEvadeMagEva));
    form.magEva = image.game(entryOf(form, MagEva, kAccuracyEvadeMagEva));
    form.strength = image.game(entryOf(form, Strength, kStrengthDefenseMorale));
    form.defense = image.game(entryOf(form, Defense, kStrengthDefenseMorale));
    form.morale = image.game(entryOf(form, Morale, kStrengthDefenseMorale));
    form.race = image.game(entryOf(form, Race, kRaceSets));
    form.resist = image.game(entryOf(form, Resist, kResistSets));
    form.weakness = image.game(entryOf(form, Weakness, kAbsorbWeaknessSets));
    form.absorb = image.game(entryOf(form, Absorb, kAbsorbWeaknessSets));
    const std::uint8_t effect = image.game(entryOf(form, Effect, kAddedEffects));
    const AddedEffect decoded = decodeAddedEffect(effect);
    form.addedEffect = addedEffectIsCanonical(effect) || decoded.entry != Nothing ? std::optional<int>(decoded.entry)
                                                                                    : std::nullopt;
    for (std::size_t box = 0; box < form.ailments.size(); ++box)
        if (decoded.boxes[box])
            form.ailments[box] = *decoded.boxes[box];
}

void readAttacks(const RomImage &image, MonsterForm &form)
{
    form.attacks = {};
    if (!form.aiEntry || *form.aiEntry == 0)
        return;
    for (int i = 0; i < kAttacksPerScript; ++i) {
        const std::uint8_t attack = image.game(kScripts + 8 * (*form.aiEntry - 1) + i);
        if (attack < kAttackEntries)
            form.attacks[static_cast<std::size_t>(i)] = attack;
    }
}

void readDrops(const RomImage &image, MonsterForm &form)
{
    if (!form.spoilsSet)
        return;
    for (int i = 0; i < kDropsPerSet; ++i) {
        const std::uint8_t byte = image.game(kSpoilsSets + 8 * *form.spoilsSet + i);
        Drop &drop = form.drops[static_cast<std::size_t>(i)];
        drop.gil = byte >= 0xC0;
        drop.selection = drop.gil ? byte & 0x0F : byte;
        drop.gilAmount = drop.gil ? readU16(image, kGilAmounts + 2 * drop.selection) : 0;
    }
}

MonsterForm read(const RomImage &image, int m)
{
    const std::int64_t at = recordOffset(m);
    MonsterForm form;
    const std::uint8_t ai = image.game(at);
    if (ai == 0xFF)
        form.aiEntry = 0;
    else if (ai < kScriptCount)
        form.aiEntry = ai + 1;
    if (image.game(at + 1) < kHpMpCount)
        form.hpIndex = image.game(at + 1);
    if (image.game(at + 2) < kHpMpCount)
        form.mpIndex = image.game(at + 2);
    for (int field = 0; field < kNibbleCount; ++field)
        form.nibbles[static_cast<std::size_t>(field)] = nibble(image, m, static_cast<Nibble>(field));
    const std::uint8_t set = image.game(kSpoilsSetNumbers + m);
    if (set < kSpoilsSetCount)
        form.spoilsSet = set;
    readValues(image, form);
    readAttacks(image, form);
    readDrops(image, form);
    return form;
}

void store(RomImage &image, int m, const MonsterForm &form)
{
    const std::int64_t at = recordOffset(m);
    if (form.aiEntry)
        image.setGame(at, *form.aiEntry == 0 ? 0xFF : static_cast<std::uint8_t>(*form.aiEntry - 1));
    if (form.hpIndex)
        image.setGame(at + 1, static_cast<std::uint8_t>(*form.hpIndex));
    if (form.mpIndex)
        image.setGame(at + 2, static_cast<std::uint8_t>(*form.mpIndex));
    for (int byte = 0; byte < 7; ++byte)
        image.setGame(at + 3 + byte, static_cast<std::uint8_t>((form.nibbles[static_cast<std::size_t>(2 * byte)] << 4)
                                                               | form.nibbles[static_cast<std::size_t>(2 * byte + 1)]));

    // The order decides which write wins where two fields share an entry.
    if (form.hpIndex)
        storeTypedU16(image, kHpMpValues + 2 * *form.hpIndex, form.hp);
    if (form.mpIndex)
        storeTypedU16(image, kHpMpValues + 2 * *form.mpIndex, form.mp);
    storeTypedByte(image, entryOf(form, Blocks, kHitsBlocksMagDef), form.blocks);
    storeTypedByte(image, entryOf(form, MagDef, kHitsBlocksMagDef), form.magDef);
    storeTypedByte(image, entryOf(form, Hits, kHitsBlocksMagDef), form.hits);
    storeTypedByte(image, entryOf(form, Evade, kAccuracyEvadeMagEva), form.evade);
    storeTypedByte(image, entryOf(form, MagEva, kAccuracyEvadeMagEva), form.magEva);
    storeTypedByte(image, entryOf(form, Accuracy, kAccuracyEvadeMagEva), form.accuracy, 1, 255);
    storeTypedByte(image, entryOf(form, Strength, kStrengthDefenseMorale), form.strength);
    storeTypedByte(image, entryOf(form, Defense, kStrengthDefenseMorale), form.defense);
    storeTypedByte(image, entryOf(form, Morale, kStrengthDefenseMorale), form.morale);
    const auto storeBits = [&](Nibble field, std::int64_t table, const std::optional<std::uint8_t> &bits) {
        if (bits)
            image.setGame(entryOf(form, field, table), *bits);
    };
    storeBits(Race, kRaceSets, form.race);
    storeBits(Resist, kResistSets, form.resist);
    storeBits(Weakness, kAbsorbWeaknessSets, form.weakness);
    storeBits(Absorb, kAbsorbWeaknessSets, form.absorb);
    if (form.addedEffect)
        image.setGame(entryOf(form, Effect, kAddedEffects), encodeAddedEffect(*form.addedEffect, form.ailments));

    if (form.spoilsSet) {
        image.setGame(kSpoilsSetNumbers + m, static_cast<std::uint8_t>(*form.spoilsSet));
        for (int i = 0; i < kDropsPerSet; ++i) {
            const Drop &drop = form.drops[static_cast<std::size_t>(i)];
            const std::int64_t dropAt = kSpoilsSets + 8 * *form.spoilsSet + i;
            if (drop.gil) {
                const int amount = std::clamp(drop.selection, 0, kGilAmountCount - 1);
                image.setGame(dropAt, static_cast<std::uint8_t>(0xF0 | amount));
                storeTypedU16(image, kGilAmounts + 2 * amount, drop.gilAmount);
            } else {
                image.setGame(dropAt, static_cast<std::uint8_t>(std::clamp(drop.selection, 0, kItemEntries - 1)));
            }
        }
    }
    if (form.aiEntry && *form.aiEntry > 0)
        for (int i = 0; i < kAttacksPerScript; ++i)
            if (const auto attack = form.attacks[static_cast<std::size_t>(i)])
                image.setGame(kScripts + 8 * (*form.aiEntry - 1) + i, static_cast<std::uint8_t>(*attack));
}

} // namespace talvek::monster
