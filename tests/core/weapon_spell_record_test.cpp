#include <gtest/gtest.h>

#include "graphics/swatch_geometry.h"
#include "records/added_effect.h"
#include "records/formation_record.h"
#include "records/ai_list.h"
#include "records/spell_record.h"
#include "records/weapon_record.h"
#include "test_support.h"

namespace talvek {
namespace {

TEST(AddedEffect, FirstMatchingBitDecides)
{
    const struct {
        std::uint8_t byte;
        int entry;
        std::vector<std::string> ailments;
        bool canonical;
    } cases[] = {
        {0x00, Nothing, {}, true},
        {0x03, PermanentAilment, {"Blind"}, true},
        {0x81, PermanentAilment, {"Death"}, true},
        {0x06, TemporaryAilment, {"Poison"}, true},
        {0x82, TemporaryAilment, {"Confusion"}, true},
        {0x04, DrainHp, {}, true},
        {0x08, DrainMp, {}, true},
        {0x10, RipperDagger, {}, true},
        {0x20, Healing, {}, true},
        {0x40, Nothing, {}, false},
        {0x80, Nothing, {}, false},
        {0x1E, TemporaryAilment, {"Poison", "Sleep", "Mute"}, true},
        {0x0C, DrainHp, {}, false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(decodeAddedEffect(c.byte).entry, c.entry) << int(c.byte);
        EXPECT_EQ(ailmentLabelsOf(c.byte), c.ailments) << int(c.byte);
        EXPECT_EQ(addedEffectIsCanonical(c.byte), c.canonical) << int(c.byte);
    }
    EXPECT_FALSE(decodeAddedEffect(0x06).boxes[0]) << "the temporary effect leaves the first box alone";
    std::array<bool, kAilmentBoxCount> all{};
    all.fill(true);
    EXPECT_EQ(encodeAddedEffect(TemporaryAilment, all), 0xFE);
    EXPECT_EQ(encodeAddedEffect(PermanentAilment, all), 0xFF);
    EXPECT_EQ(encodeAddedEffect(DrainMp, all), 0x08) << "hidden boxes contribute nothing";
    EXPECT_EQ(addedEffectOfLabels("Inflict temporary ailment", {"Sleep"}), 0x0A);
    EXPECT_FALSE(addedEffectOfLabels("Inflict temporary ailment", {"Blind"}));
    EXPECT_FALSE(addedEffectOfLabels("Sneeze", {}));
}

TEST(WeaponRecord, StoreRulesAndOffsets)
{
    RomImage image(test::sampleBytes(SampleKind::Combo), "c.nes");
    weapon::WeaponForm form = weapon::read(image, 0);
    form.accuracy = 250;
    form.attackPower = 300;
    form.evade = -1;
    form.castSpellEntry = std::nullopt;
    form.palette = 0x33;
    weapon::store(image, 0, form);
    const std::size_t at = 0x40000 + 0x30106;
    EXPECT_EQ(image.bytes()[at + 1], 100);
    EXPECT_EQ(image.bytes()[at + 2], 255);
    EXPECT_EQ(image.bytes()[at + 3], 0);
    EXPECT_EQ(image.bytes()[at + 8], 0xFF);
    EXPECT_EQ(image.bytes()[0x40000 + 0x2CD8E], test::sampleBytes(SampleKind::Combo)[0x40000 + 0x2CD8E])
        << "position 0 owns no palette byte";
    form.palette = 0x44;
    weapon::store(image, 10, form);
    EXPECT_EQ(image.bytes()[0x40000 + 0x2CD8E + 10], 0x44);
}

TEST(WeaponRecord, CastSpellListLabels)
{
    const RomImage image(test::sampleWithInvalidAiRecord(), "s.nes");
    const auto list = weapon::castSpellList(image, test::shippedDteTable());
    ASSERT_EQ(list.labels.size(), 136u);
    EXPECT_EQ(list.labels[0], "--none--");
    EXPECT_EQ(list.labels[1], "Fire 1");
    EXPECT_EQ(list.labels[9], "Unused") << "AI record 8 is 0xFF";
    EXPECT_EQ(list.labels[11], "! 11") << "AI record 10 names element 0";
    EXPECT_EQ(list.labels[21], "[no spell 75] 5");
    EXPECT_EQ(list.invalidRecords, 1);
}

TEST(SpellRecord, TypeRules)
{
    EXPECT_EQ(spell::powerLabel(0x01), "Spell power:");
    EXPECT_EQ(spell::powerLabel(0x21), "Spell power:");
    EXPECT_EQ(spell::powerLabel(0x03), "Unknown:");
    EXPECT_EQ(spell::powerLabel(std::nullopt), "Unknown:");
    EXPECT_TRUE(spell::statusBoxShown(0x03, 0));
    EXPECT_FALSE(spell::statusBoxShown(0x04, 0));
    EXPECT_EQ(spell::statusBoxLabel(0x04, 1), "Poison");
    EXPECT_FALSE(spell::statusGroupShown(0x05));

    RomImage image(test::sampleBytes(), "s.nes");
    spell::SpellForm form = spell::read(image, 5); // status byte 0x01
    EXPECT_EQ(std::count(form.status.begin(), form.status.end(), true), 0);
    form.animation = 0x300;
    spell::store(image, 5, form);
    EXPECT_EQ(image.bytes()[0x305E9 + 35 + 4], 0x00) << "bit 0 has no box";
    EXPECT_EQ(image.bytes()[0x305E9 + 35 + 6], 0xFF);
}

TEST(AiList, ReadStoreAndRowText)
{
    RomImage image(test::sampleBytes(), "s.nes");
    ai_list::AiForm form = ai_list::read(image, 134);
    form.level = 0;
    form.accuracy = 150;
    form.consumptionRate = 101;
    ai_list::store(image, 134, form);
    EXPECT_EQ(image.bytes()[0x305E4 + 1], 1);
    EXPECT_EQ(image.bytes()[0x305E4 + 2], 100);
    EXPECT_EQ(image.bytes()[0x305E4 + 4], 100);
    EXPECT_EQ(ai_list::read(image, 10).spellPosition, 0) << "byte 0 shows Unused";
    EXPECT_FALSE(ai_list::read(RomImage(test::sampleWithInvalidAiRecord(), "b.nes"), 20).spellPosition)
        << "75 names nothing";
    EXPECT_FALSE(ai_list::read(image, 30).targetingRow);
    const std::vector<std::string> names{"Fire", "Ice"};
    EXPECT_EQ(ai_list::rowText(names, "Unused", 2, 40), "Ice 40");
    EXPECT_EQ(ai_list::rowText(names, "!", 0, 3), "! 3");
    EXPECT_FALSE(ai_list::rowText(names, "!", 3, 3));
}

TEST(SwatchGeometry, EdgesOfTheSquares)
{
    EXPECT_EQ(formation_swatches::squareAt(456, 62), (formation_swatches::Square{1, 1}));
    EXPECT_EQ(formation_swatches::squareAt(503, 109), (formation_swatches::Square{2, 3}));
    EXPECT_EQ(formation_swatches::squareAt(472, 77), (formation_swatches::Square{1, 2}));
    EXPECT_FALSE(formation_swatches::squareAt(504, 62));
    EXPECT_FALSE(formation_swatches::squareAt(460, 78));
    EXPECT_FALSE(formation_swatches::squareAt(455, 94));
    EXPECT_EQ(weapon_swatches::colorAt(140, 248), 1);
    EXPECT_EQ(weapon_swatches::colorAt(155, 263), 1) << "edges inclusive";
    EXPECT_EQ(weapon_swatches::colorAt(187, 250), 3);
    EXPECT_FALSE(weapon_swatches::colorAt(188, 250));
    EXPECT_FALSE(weapon_swatches::colorAt(150, 264));
    EXPECT_EQ(spell_swatches::colorAt(286, 28), 1);
    EXPECT_EQ(spell_swatches::colorAt(302, 30), 2);
    EXPECT_FALSE(spell_swatches::colorAt(302, 44));
    EXPECT_FALSE(spell_swatches::colorAt(334, 30));
}

} // namespace
} // namespace talvek
