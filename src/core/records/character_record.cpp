#include "character_record.h"

#include "record_fields.h"
#include "text/text_codec.h"

namespace talvek::character {

std::string displayName(const RomImage &image, int i, const TextTable &table)
{
    const std::string name = decodeFixed(image.bytes(), recordOffset(i) + kName + image.romBase(), 6, table);
    return name == "      " ? std::string(kBuiltInNames[static_cast<std::size_t>(i)]) : name;
}

CharacterForm read(const RomImage &image, int i)
{
    const std::int64_t at = recordOffset(i);
    CharacterForm form;
    const int hpMpOffsets[] = {kHpLeft, kHpRight, kMpLeft, kMpRight};
    for (std::size_t v = 0; v < form.hpMp.size(); ++v)
        form.hpMp[v] = readU16(image, at + hpMpOffsets[v]);
    for (int s = 0; s < kStatCount; ++s)
        form.stats[static_cast<std::size_t>(s)] = image.game(at + kStrength + s);
    form.magic = image.game(at + kMagic);
    form.evade = {shownLevel(image, at + kEvadeLeft), image.game(at + kEvadeRight)};
    form.magicDefense = {shownLevel(image, at + kMagDefLeft), image.game(at + kMagDefRight)};
    for (int s = 0; s < kSkillCount; ++s)
        form.skills[static_cast<std::size_t>(s)] = {shownLevel(image, at + kSkills + 2 * s),
                                                    image.game(at + kSkills + 2 * s + 1)};
    for (int k = 0; k < kSpellSlotCount; ++k) {
        form.spellLevels[static_cast<std::size_t>(k)] = {shownLevel(image, at + kSpellLevels + 2 * k),
                                                         image.game(at + kSpellLevels + 2 * k + 1)};
        form.spells[static_cast<std::size_t>(k)] = kSpellList.positionOf(image.game(at + kSpells + k));
    }
    for (int slot = 0; slot < kSlotCount; ++slot)
        form.equipment[static_cast<std::size_t>(slot)] =
            kSlotLists[static_cast<std::size_t>(slot)].positionOf(image.game(at + kEquipment + slot));
    if (image.game(at + kRow) <= 1)
        form.backRow = image.game(at + kRow) == 0;
    const std::uint8_t number = image.game(at + kNumber);
    if (number == i)
        form.leftHanded = false;
    else if (number == i + kLeftHandedBit)
        form.leftHanded = true;
    return form;
}

void store(RomImage &image, int i, const CharacterForm &form)
{
    const std::int64_t at = recordOffset(i);
    const int hpMpOffsets[] = {kHpLeft, kHpRight, kMpLeft, kMpRight};
    for (std::size_t v = 0; v < form.hpMp.size(); ++v)
        storeTypedU16(image, at + hpMpOffsets[v], form.hpMp[v]);
    for (int s = 0; s < kStatCount; ++s)
        storeTypedByte(image, at + kStrength + s, form.stats[static_cast<std::size_t>(s)], 0, 99);
    storeTypedByte(image, at + kMagic, form.magic, 0, 99);
    const auto storeLevelExp = [&](int offset, const LevelExp &value) {
        storeTypedLevel(image, at + offset, value.level);
        storeTypedByte(image, at + offset + 1, value.exp, 0, 99);
    };
    storeLevelExp(kEvadeLeft, form.evade);
    storeLevelExp(kMagDefLeft, form.magicDefense);
    for (int s = 0; s < kSkillCount; ++s)
        storeLevelExp(kSkills + 2 * s, form.skills[static_cast<std::size_t>(s)]);
    for (int k = 0; k < kSpellSlotCount; ++k)
        storeLevelExp(kSpellLevels + 2 * k, form.spellLevels[static_cast<std::size_t>(k)]);
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (const auto position = form.equipment[static_cast<std::size_t>(slot)])
            image.setGame(at + kEquipment + slot, kSlotLists[static_cast<std::size_t>(slot)].byteAt(*position));
    for (int k = 0; k < kSpellSlotCount; ++k)
        if (const auto position = form.spells[static_cast<std::size_t>(k)])
            image.setGame(at + kSpells + k, kSpellList.byteAt(*position));
    if (form.backRow)
        image.setGame(at + kRow, *form.backRow ? 0 : 1);
    if (form.leftHanded)
        image.setGame(at + kNumber, static_cast<std::uint8_t>(i + (*form.leftHanded ? kLeftHandedBit : 0)));
    applyPartyRowRule(image);
}

std::int64_t readGil(const RomImage &image)
{
    return readU24(image, kGilOffset);
}

void storeGil(RomImage &image, std::int64_t gil)
{
    storeClampedU24(image, kGilOffset, gil, kMaxGil);
}

void applyPartyRowRule(RomImage &image)
{
    auto backRow = [&](int i) { return image.game(recordOffset(i) + kRow) == 0; };
    const bool leadersBack = backRow(0) && backRow(1) && backRow(2);
    bool anotherBack = false;
    for (int i = 3; i < kRecordCount; ++i)
        anotherBack = anotherBack || backRow(i);
    if (leadersBack && anotherBack)
        image.setGame(recordOffset(0) + kRow, 1);
}

int otherHandAfterChange(int changedHandPosition, int otherHandPosition)
{
    if (otherHandPosition >= kFirstTwoHandedPosition || changedHandPosition >= kFirstTwoHandedPosition)
        return 0;
    return otherHandPosition;
}

} // namespace talvek::character
