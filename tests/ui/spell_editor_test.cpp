#include <QGroupBox>
#include <QLabel>

#include "editor_fixture.h"
#include "editors/c_spell.h"
#include "graphics/color_swatches_view.h"

namespace talvek {
namespace {

class SpellEditorTest : public test::EditorFixture {
protected:
    static constexpr std::size_t spellAt(int s) { return 0x305E9 + 7 * static_cast<std::size_t>(s); }
    static constexpr std::size_t aiAt(int j) { return 0x30346 + 5 * static_cast<std::size_t>(j); }
    static QCheckBox *status(CSpell &dialog, int box)
    {
        return find<QCheckBox>(dialog, ("status" + std::to_string(box) + "Check").c_str());
    }
    static QString aiRow(CSpell &dialog, int j) { return find<QListWidget>(dialog, "aiList")->item(j)->text(); }
};

TEST_F(SpellEditorTest, OpensWithBothListsAndTheirRows)
{
    openSample();
    CSpell dialog(context());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Spells Editor"));
    EXPECT_EQ(find<QListWidget>(dialog, "spellList")->count(), 70);
    EXPECT_EQ(find<QListWidget>(dialog, "spellTypeList")->count(), 34);
    EXPECT_EQ(find<QListWidget>(dialog, "targetingList")->count(), 6);
    EXPECT_EQ(find<QComboBox>(dialog, "aiSpellCombo")->count(), 71);
    EXPECT_EQ(aiRow(dialog, 0), QStringLiteral("Fire 1"));
    EXPECT_EQ(aiRow(dialog, 8), QStringLiteral("Unused"));
    EXPECT_EQ(aiRow(dialog, 10), QStringLiteral("Unused 11"));
    EXPECT_EQ(aiRow(dialog, 20), QStringLiteral("Osmose 5"));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(SpellEditorTest, StatusBoxesFollowTheTypeAndKeepTheirBits)
{
    openSample();
    CSpell dialog(context());
    selectRow(dialog, "spellList", 3); // type 0x03, status 0x82
    EXPECT_FALSE(find<QGroupBox>(dialog, "statusGroup")->isHidden());
    EXPECT_TRUE(status(dialog, 1)->isChecked());
    EXPECT_EQ(status(dialog, 1)->text(), QStringLiteral("Blind"));
    EXPECT_TRUE(status(dialog, 7)->isChecked());
    EXPECT_EQ(find<QLabel>(dialog, "powerLabel")->text(), QStringLiteral("Unknown:"));
    selectRow(dialog, "spellTypeList", 1);
    EXPECT_TRUE(find<QGroupBox>(dialog, "statusGroup")->isHidden());
    EXPECT_EQ(find<QLabel>(dialog, "powerLabel")->text(), QStringLiteral("Spell power:"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[spellAt(3)], 0x01);
    EXPECT_EQ(image.bytes()[spellAt(3) + 4], 0x82);

    selectRow(dialog, "spellList", 4); // type 0x04, status 0x06
    EXPECT_TRUE(status(dialog, 1)->isHidden());
    EXPECT_TRUE(status(dialog, 2)->isChecked());
    EXPECT_EQ(status(dialog, 2)->text(), QStringLiteral("Poison"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[spellAt(4) + 4], 0x06);

    selectRow(dialog, "spellList", 5); // status 0x01
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[spellAt(5) + 4], 0x00);
}

TEST_F(SpellEditorTest, ChangingTheTypeRereadsTheStatusByte)
{
    openSample();
    CSpell dialog(context());
    selectRow(dialog, "spellList", 3);
    status(dialog, 3)->setChecked(true);
    selectRow(dialog, "spellTypeList", 4);
    EXPECT_FALSE(status(dialog, 3)->isChecked()) << "ticks since the last Save are reset";
}

TEST_F(SpellEditorTest, AnimationIsHexadecimal)
{
    openSample();
    CSpell dialog(context());
    selectRow(dialog, "spellList", 15);
    EXPECT_EQ(text(dialog, "animationEdit"), QStringLiteral("1F"));
    type(dialog, "animationEdit", QStringLiteral("300"));
    type(dialog, "accuracyModifierEdit", QStringLiteral("999"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[spellAt(15) + 6], 0xFF);
    EXPECT_EQ(image.bytes()[spellAt(15) + 1], 0xFF);
    find<QLineEdit>(dialog, "animationEdit")->clear();
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[spellAt(15) + 6], 0x00);
    type(dialog, "animationEdit", QStringLiteral("2ag")); // hexadecimal digits only, kept upper case
    EXPECT_EQ(text(dialog, "animationEdit"), QStringLiteral("2A"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[spellAt(15) + 6], 0x2A);
}

TEST_F(SpellEditorTest, LastRowsAndUnlistedType)
{
    openSample();
    CSpell dialog(context());
    selectRow(dialog, "spellList", 69); // type byte 0x25 has no row
    EXPECT_EQ(find<QListWidget>(dialog, "spellTypeList")->currentRow(), -1);
    selectRow(dialog, "aiList", 134);
    type(dialog, "powerEdit", QStringLiteral("12"));
    type(dialog, "aiAccuracyEdit", QStringLiteral("55"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x307CC], 0x25) << "kept";
    EXPECT_EQ(image.bytes()[0x307CC + 2], 12);
    EXPECT_EQ(image.bytes()[0x305E4 + 2], 55);
    EXPECT_EQ(savedFile(), image.bytes());
}

TEST_F(SpellEditorTest, AiRecordsLevelsAndRowText)
{
    openSample();
    CSpell dialog(context());
    selectRow(dialog, "aiList", 8); // 0xFF
    EXPECT_EQ(aiRow(dialog, 8), QStringLiteral("Unused 9"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[aiAt(8)], 0xFF);

    selectRow(dialog, "aiList", 10); // byte 0
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[aiAt(10)], 0xFF);

    selectRow(dialog, "aiList", 2);
    type(dialog, "aiLevelEdit", QStringLiteral("40"));
    EXPECT_EQ(aiRow(dialog, 2), QStringLiteral("Bolt 40")) << "the typed number, not clamped";
    selectRow(dialog, "targetingList", 4);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[aiAt(2) + 1], 16);
    EXPECT_EQ(image.bytes()[aiAt(2) + 3], 5);
    EXPECT_EQ(aiRow(dialog, 2), QStringLiteral("Bolt 40")) << "Save does not refresh the AI controls";
    type(dialog, "aiLevelEdit", QStringLiteral("0"));
    choose(dialog, "aiSpellCombo", 4);
    EXPECT_EQ(aiRow(dialog, 2), QStringLiteral("Cure 0"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[aiAt(2)], 4);
    EXPECT_EQ(image.bytes()[aiAt(2) + 1], 1);

}

TEST_F(SpellEditorTest, AnAiRecordNamingNoSpellIsListedAndKept)
{
    openBytes(test::sampleWithInvalidAiRecord());
    CSpell dialog(context());
    EXPECT_EQ(aiRow(dialog, 20), QStringLiteral("[no spell 75] 5"));
    EXPECT_TRUE(services.messages.empty()) << "the spells editor lists it without a message";
    selectRow(dialog, "aiList", 20);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[aiAt(20)], 75);
}

TEST_F(SpellEditorTest, SwatchesWriteAtOnceAtTheirEdges)
{
    openSample();
    CSpell dialog(context());
    selectRow(dialog, "spellList", 6);
    const int palette = image.bytes()[spellAt(6) + 5];
    services.colorAnswers = {0x2C};
    clickSwatch(dialog, "colorSwatches", 302, 30);
    EXPECT_EQ(image.bytes()[0x1790 + palette], 0x2C) << "colour 2 only";
    EXPECT_EQ(image.bytes()[0x1710 + palette], test::sampleBytes()[0x1710 + palette]);
    clickSwatch(dialog, "colorSwatches", 302, 44);
    EXPECT_EQ(services.events.size(), 1u) << "y = 44 lies below the squares";
}

TEST_F(SpellEditorTest, SwatchesOfAPalettePastTheArraysWriteNothing)
{
    auto bytes = test::sampleBytes();
    bytes[spellAt(6) + 5] = 0xF0; // colour 3 of "palette 0xF0" would be byte 0x1900
    openBytes(bytes);
    CSpell dialog(context());
    selectRow(dialog, "spellList", 6);
    services.colorAnswers = {0x2C};
    clickSwatch(dialog, "colorSwatches", 318, 30);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_NE(services.messages[0].text.find("Battle palette F0 lies past the 128 battle palettes"), std::string::npos);
    EXPECT_EQ(services.events, (std::vector<std::string>{"message"})) << "no colour picker";
    EXPECT_EQ(image.bytes(), bytes);
}

TEST_F(SpellEditorTest, ChangePaletteThenColourBeforeSaveAndExit)
{
    openSample();
    {
        CSpell dialog(context());
        services.paletteAnswers = {0x05};
        click(dialog, "changePaletteButton");
        EXPECT_EQ(find<QLabel>(dialog, "paletteValueLabel")->text(), QStringLiteral("5"));
        services.colorAnswers = {0x11};
        clickSwatch(dialog, "colorSwatches", 290, 30);
        EXPECT_EQ(image.bytes()[0x1715], 0x11) << "written before any Save";
        EXPECT_EQ(image.bytes()[spellAt(0) + 5], test::sampleBytes()[spellAt(0) + 5]);
        click(dialog, "exitButton");
    }
    EXPECT_EQ(image.bytes()[0x1715], 0x11);
    EXPECT_EQ(savedFile(), test::sampleBytes());
}

TEST_F(SpellEditorTest, ComboImageOffsets)
{
    openSample(SampleKind::Combo);
    CSpell dialog(context());
    selectRow(dialog, "spellList", 69);
    selectRow(dialog, "aiList", 134);
    type(dialog, "powerEdit", QStringLiteral("7"));
    type(dialog, "consumptionRateEdit", QStringLiteral("3"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x40000 + 0x307CC + 2], 7);
    EXPECT_EQ(image.bytes()[0x40000 + 0x305E4 + 4], 3);
}

} // namespace
} // namespace talvek
