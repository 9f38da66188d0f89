#include "added_effect.h"

#include <algorithm>

namespace talvek {

AddedEffect decodeAddedEffect(std::uint8_t byte)
{
    AddedEffect effect;
    if (byte & 0x01) {
        effect.entry = PermanentAilment;
        for (int box = 0; box < kAilmentBoxCount; ++box)
            effect.boxes[static_cast<std::size_t>(box)] = (byte & (0x02 << box)) != 0;
    } else if (byte & 0x02) {
        effect.entry = TemporaryAilment;
        for (int box = 1; box < kAilmentBoxCount; ++box)
            effect.boxes[static_cast<std::size_t>(box)] = (byte & (0x02 << box)) != 0;
    } else if (byte & 0x04) {
        effect.entry = DrainHp;
    } else if (byte & 0x08) {
        effect.entry = DrainMp;
    } else if (byte & 0x10) {
        effect.entry = RipperDagger;
    } else if (byte & 0x20) {
        effect.entry = Healing;
    }
    return effect;
}

bool boxShown(int entry, int box)
{
    return entry == PermanentAilment || (entry == TemporaryAilment && box > 0);
}

std::string_view ailmentLabel(int entry, int box)
{
    if (!boxShown(entry, box))
        return {};
    return entry == PermanentAilment ? kPermanentAilmentLabels[static_cast<std::size_t>(box)]
                                     : kTemporaryAilmentLabels[static_cast<std::size_t>(box)];
}

std::uint8_t encodeAddedEffect(int entry, const std::array<bool, kAilmentBoxCount> &boxes)
{
    static constexpr std::uint8_t kEntryBytes[] = {0x00, 0x01, 0x02, 0x04, 0x08, 0x10, 0x20};
    if (entry < 0 || entry >= static_cast<int>(std::size(kEntryBytes)))
        return 0;
    std::uint8_t byte = kEntryBytes[entry];
    for (int box = 0; box < kAilmentBoxCount; ++box)
        if (boxShown(entry, box) && boxes[static_cast<std::size_t>(box)])
            byte |= static_cast<std::uint8_t>(0x02 << box);
    return byte;
}

namespace {

std::array<bool, kAilmentBoxCount> shownBoxes(const AddedEffect &effect)
{
    std::array<bool, kAilmentBoxCount> boxes{};
    for (std::size_t box = 0; box < boxes.size(); ++box)
        boxes[box] = effect.boxes[box].value_or(false);
    return boxes;
}

} // namespace

bool addedEffectIsCanonical(std::uint8_t byte)
{
    const AddedEffect effect = decodeAddedEffect(byte);
    return encodeAddedEffect(effect.entry, shownBoxes(effect)) == byte;
}

std::vector<std::string> ailmentLabelsOf(std::uint8_t byte)
{
    const AddedEffect effect = decodeAddedEffect(byte);
    std::vector<std::string> labels;
    for (int box = 0; box < kAilmentBoxCount; ++box)
        if (boxShown(effect.entry, box) && effect.boxes[static_cast<std::size_t>(box)].value_or(false))
            labels.emplace_back(ailmentLabel(effect.entry, box));
    return labels;
}

std::optional<std::uint8_t> addedEffectOfLabels(const std::string &effect, const std::vector<std::string> &ailments)
{
    const auto found = std::find(kAddedEffectLabels.begin(), kAddedEffectLabels.end(), effect);
    if (found == kAddedEffectLabels.end())
        return std::nullopt;
    const int entry = static_cast<int>(found - kAddedEffectLabels.begin());
    std::array<bool, kAilmentBoxCount> boxes{};
    for (const auto &name : ailments) {
        bool known = false;
        for (int box = 0; box < kAilmentBoxCount; ++box)
            if (boxShown(entry, box) && ailmentLabel(entry, box) == name) {
                boxes[static_cast<std::size_t>(box)] = true;
                known = true;
            }
        if (!known)
            return std::nullopt;
    }
    return encodeAddedEffect(entry, boxes);
}

} // namespace talvek
