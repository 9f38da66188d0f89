#include "spell_record.h"

#include "added_effect.h"
#include "record_fields.h"

namespace talvek::spell {

bool statusGroupShown(std::optional<int> type)
{
    return type == kPermanentAilmentType || type == kTemporaryAilmentType;
}

namespace {

// The status boxes of the two ailment types are the added effect's ailment boxes.
int effectOf(std::optional<int> type)
{
    if (type == kPermanentAilmentType)
        return PermanentAilment;
    return type == kTemporaryAilmentType ? TemporaryAilment : Nothing;
}

} // namespace

bool statusBoxShown(std::optional<int> type, int box)
{
    return boxShown(effectOf(type), box);
}

std::string_view statusBoxLabel(std::optional<int> type, int box)
{
    return ailmentLabel(effectOf(type), box);
}

std::string_view powerLabel(std::optional<int> type)
{
    return (type == 0x01 || type == 0x02 || type == 0x18 || type == 0x21) ? "Spell power:" : "Unknown:";
}

std::array<bool, kStatusBoxCount> statusBoxes(std::uint8_t statusByte)
{
    std::array<bool, kStatusBoxCount> boxes{};
    for (int box = 0; box < kStatusBoxCount; ++box)
        boxes[static_cast<std::size_t>(box)] = (statusByte & (0x02 << box)) != 0;
    return boxes;
}

SpellForm read(const RomImage &image, int s)
{
    const std::int64_t at = recordOffset(s);
    SpellForm form;
    const std::uint8_t type = image.game(at + Type);
    if (type < kTypeLabels.size())
        form.type = type;
    form.accuracyModifier = image.game(at + AccuracyModifier);
    form.power = image.game(at + Power);
    form.elements = image.game(at + Elements);
    form.status = statusBoxes(image.game(at + Status));
    form.palette = image.game(at + Palette);
    form.animation = image.game(at + Animation);
    return form;
}

void store(RomImage &image, int s, const SpellForm &form)
{
    const std::int64_t at = recordOffset(s);
    if (form.type)
        image.setGame(at + Type, static_cast<std::uint8_t>(*form.type));
    storeTypedByte(image, at + AccuracyModifier, form.accuracyModifier);
    storeTypedByte(image, at + Power, form.power);
    image.setGame(at + Elements, form.elements);
    std::uint8_t status = 0;
    for (int box = 0; box < kStatusBoxCount; ++box)
        if (form.status[static_cast<std::size_t>(box)])
            status |= static_cast<std::uint8_t>(0x02 << box);
    image.setGame(at + Status, status);
    image.setGame(at + Palette, static_cast<std::uint8_t>(form.palette));
    storeTypedByte(image, at + Animation, form.animation);
}

} // namespace talvek::spell
