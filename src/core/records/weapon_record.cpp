#include "weapon_record.h"

#include "ai_list.h"
#include "record_fields.h"
#include "text/text_codec.h"

namespace talvek::weapon {

std::string rowName(const RomImage &image, int i, const TextTable &table)
{
    return i == 0 ? std::string("Unarmed") : decodeName(image, kFirstNameId + i - 1, table);
}

int paletteOf(const RomImage &image, int i)
{
    return image.game(kPaletteNumbers + i);
}

std::string_view elementGroupCaption(std::optional<int> typePosition)
{
    return typePosition == kShieldType ? "Elemental defense" : "Elemental attack";
}

ai_list::RecordLabels castSpellList(const RomImage &image, const TextTable &table)
{
    return ai_list::choiceLabels(image, table, "--none--", "!");
}

WeaponForm read(const RomImage &image, int i)
{
    const std::int64_t at = recordOffset(i);
    WeaponForm form;
    const std::uint8_t type = image.game(at + Type);
    if (type < kTypeLabels.size())
        form.type = type;
    form.accuracy = image.game(at + Accuracy);
    form.attackPower = image.game(at + AttackPower);
    form.evade = image.game(at + Evade);
    form.intSoulPenalty = image.game(at + IntSoulPenalty);
    form.elements = image.game(at + Elements);
    form.races = image.game(at + Races);
    const AddedEffect effect = decodeAddedEffect(image.game(at + Effect));
    if (addedEffectIsCanonical(image.game(at + Effect)))
        form.addedEffect = effect.entry;
    for (std::size_t box = 0; box < form.ailments.size(); ++box)
        form.ailments[box] = effect.boxes[box].value_or(false);
    const std::uint8_t cast = image.game(at + CastSpell);
    if (cast == 0xFF)
        form.castSpellEntry = 0;
    else if (cast + 1 < kCastSpellEntries)
        form.castSpellEntry = cast + 1;
    form.palette = paletteOf(image, i);
    return form;
}

void store(RomImage &image, int i, const WeaponForm &form)
{
    const std::int64_t at = recordOffset(i);
    if (form.type)
        image.setGame(at + Type, static_cast<std::uint8_t>(*form.type));
    storeTypedByte(image, at + Accuracy, form.accuracy, 0, 100);
    storeTypedByte(image, at + AttackPower, form.attackPower);
    storeTypedByte(image, at + Evade, form.evade, 0, 100);
    storeTypedByte(image, at + IntSoulPenalty, form.intSoulPenalty);
    if (i >= kFirstOwnPalette)
        image.setGame(kPaletteNumbers + i, static_cast<std::uint8_t>(form.palette));
    image.setGame(at + Elements, form.elements);
    image.setGame(at + Races, form.races);
    if (form.addedEffect)
        image.setGame(at + Effect, encodeAddedEffect(*form.addedEffect, form.ailments));
    else if (image.game(at + Effect) == 0x40 || image.game(at + Effect) == 0x80)
        image.setGame(at + Effect, 0x00);
    // No selection (a byte past the AI list) or "--none--" both store 0xFF.
    image.setGame(at + CastSpell,
                  form.castSpellEntry.value_or(0) == 0 ? 0xFF : static_cast<std::uint8_t>(*form.castSpellEntry - 1));
}

} // namespace talvek::weapon
