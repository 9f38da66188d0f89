#include "formation_record.h"

#include "record_fields.h"

namespace talvek::formation {

int usersOfMonsterSet(const RomImage &image, int set)
{
    int users = 0;
    for (int f = 0; f < kRecordCount; ++f)
        users += image.game(recordOffset(f) + MonsterSet) == set;
    return users;
}

int usersOfQuantitySet(const RomImage &image, int set)
{
    int users = 0;
    for (int f = 0; f < kRecordCount; ++f)
        users += image.game(recordOffset(f) + QuantitySet1) == set || image.game(recordOffset(f) + QuantitySet2) == set;
    return users;
}

void readMonsterSet(const RomImage &image, FormationForm &form)
{
    form.monsters = {};
    if (!form.monsterSet)
        return;
    for (int k = 0; k < kEnemyCount; ++k) {
        const std::uint8_t monster = image.game(kMonsterSets + 4 * *form.monsterSet + k);
        if (monster == kNoMonster)
            form.monsters[static_cast<std::size_t>(k)] = 0;
        else if (monster < kMonsterCount)
            form.monsters[static_cast<std::size_t>(k)] = monster + 1;
    }
}

void readQuantitySet(const RomImage &image, FormationForm &form)
{
    form.counts = {};
    if (!form.quantitySet)
        return;
    for (int k = 0; k < kEnemyCount; ++k) {
        const std::uint8_t count = image.game(kQuantitySets + 4 * *form.quantitySet + k);
        form.counts[static_cast<std::size_t>(k)] = {count & 0x0F, count >> 4};
    }
}

FormationForm read(const RomImage &image, int f, bool secondQuantitySet)
{
    const std::int64_t at = recordOffset(f);
    FormationForm form;
    if (image.game(at + MonsterSet) < kMonsterSetCount)
        form.monsterSet = image.game(at + MonsterSet);
    const std::uint8_t quantity = image.game(at + (secondQuantitySet ? QuantitySet2 : QuantitySet1));
    if (quantity < kQuantitySetCount)
        form.quantitySet = quantity;
    form.palette1 = image.game(at + Palette1);
    form.palette2 = image.game(at + Palette2);
    for (int k = 0; k < kEnemyCount; ++k)
        form.palette2Enemies[static_cast<std::size_t>(k)] = image.game(at + Flags) & (0x80 >> k);
    form.extra = image.game(kExtraBytes + f);
    readMonsterSet(image, form);
    readQuantitySet(image, form);
    return form;
}

void store(RomImage &image, int f, const FormationForm &form, bool secondQuantitySet)
{
    const std::int64_t at = recordOffset(f);
    if (form.monsterSet)
        image.setGame(at + MonsterSet, static_cast<std::uint8_t>(*form.monsterSet));
    if (form.quantitySet)
        image.setGame(at + (secondQuantitySet ? QuantitySet2 : QuantitySet1), static_cast<std::uint8_t>(*form.quantitySet));
    std::uint8_t flags = image.game(at + Flags) & 0x0F;
    for (int k = 0; k < kEnemyCount; ++k)
        if (form.palette2Enemies[static_cast<std::size_t>(k)])
            flags |= static_cast<std::uint8_t>(0x80 >> k);
    image.setGame(at + Flags, flags);
    image.setGame(at + Palette1, static_cast<std::uint8_t>(form.palette1));
    image.setGame(at + Palette2, static_cast<std::uint8_t>(form.palette2));
    if (form.quantitySet)
        for (int k = 0; k < kEnemyCount; ++k) {
            const Count &count = form.counts[static_cast<std::size_t>(k)];
            image.setGame(kQuantitySets + 4 * *form.quantitySet + k,
                          static_cast<std::uint8_t>(clampTo(count.max, 0, 15) << 4 | clampTo(count.min, 0, 15)));
        }
    if (form.monsterSet)
        for (int k = 0; k < kEnemyCount; ++k)
            if (const auto position = form.monsters[static_cast<std::size_t>(k)])
                image.setGame(kMonsterSets + 4 * *form.monsterSet + k,
                              *position == 0 ? kNoMonster : static_cast<std::uint8_t>(*position - 1));
    if (form.extra)
        image.setGame(kExtraBytes + f, static_cast<std::uint8_t>(*form.extra & 0xFF));
}

} // namespace talvek::formation

namespace talvek::formation_swatches {

std::optional<Square> squareAt(int x, int y)
{
    if (x < kLeft || x > kLeft + 47)
        return std::nullopt;
    const int color = 1 + (x - kLeft) / 16;
    if (y >= kTopPalette1 && y <= kTopPalette1 + 15)
        return Square{1, color};
    if (y >= kTopPalette2 && y <= kTopPalette2 + 15)
        return Square{2, color};
    return std::nullopt;
}

} // namespace talvek::formation_swatches
