#include "armor_record.h"

#include "record_fields.h"

namespace talvek::armor {

ArmorForm read(const RomImage &image, int k)
{
    const std::int64_t at = recordOffset(k);
    ArmorForm form;
    form.defense = image.game(at + Defense);
    form.evadePenalty = image.game(at + EvadePenalty);
    form.intSoulPenalty = image.game(at + IntSoulPenalty);
    form.elementalDefense = image.game(at + ElementalDefense);
    form.statBoostPosition = kStatBoostList.positionOf(image.game(at + StatBoost));
    form.magicDefense = image.game(at + MagicDefense);
    return form;
}

void store(RomImage &image, int k, const ArmorForm &form)
{
    const std::int64_t at = recordOffset(k);
    storeClampedByte(image, at + Defense, form.defense);
    storeClampedByte(image, at + EvadePenalty, form.evadePenalty);
    storeClampedByte(image, at + IntSoulPenalty, form.intSoulPenalty);
    image.setGame(at + ElementalDefense, form.elementalDefense);
    if (form.statBoostPosition)
        image.setGame(at + StatBoost, kStatBoostList.byteAt(*form.statBoostPosition));
    storeClampedByte(image, at + MagicDefense, form.magicDefense);
}

} // namespace talvek::armor
