#include <QGroupBox>
#include <QLabel>

#include "editor_fixture.h"
#include "editors/c_weapon.h"
#include "graphics/color_swatches_view.h"

namespace talvek {
namespace {

class WeaponEditorTest : public test::EditorFixture {
protected:
    static constexpr std::size_t record(int i) { return 0x30106 + 9 * static_cast<std::size_t>(i); }
    static QString title(CWeapon &dialog) { return find<QGroupBox>(dialog, "elementGroup")->title(); }
    static QCheckBox *ailment(CWeapon &dialog, int box)
    {
        return find<QCheckBox>(dialog, ("ailment" + std::to_string(box) + "Check").c_str());
    }
};

TEST_F(WeaponEditorTest, OpensOnUnarmedAndReportsTheInvalidAiRecordOnce)
{
    openBytes(test::sampleWithInvalidAiRecord());
    CWeapon dialog(context());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Weapon Editor"));
    auto *list = find<QListWidget>(dialog, "weaponList");
    ASSERT_EQ(list->count(), 64);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Unarmed"));
    EXPECT_EQ(list->item(63)->text(), QStringLiteral("Dragon Bow"));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "An invalid argument was encountered.");
    auto *cast = find<QComboBox>(dialog, "castSpellCombo");
    ASSERT_EQ(cast->count(), 136);
    EXPECT_EQ(cast->itemText(11), QStringLiteral("! 11"));
    EXPECT_EQ(cast->itemText(9), QStringLiteral("Unused"));
    EXPECT_EQ(cast->itemText(21), QStringLiteral("[no spell 75] 5"));
    EXPECT_EQ(find<QLabel>(dialog, "paletteValueLabel")->text(), QStringLiteral("--"));
    EXPECT_FALSE(find<QPushButton>(dialog, "changePaletteButton")->isEnabled());
    EXPECT_FALSE(find<QPushButton>(dialog, "editGfxButton")->isEnabled());
}

TEST_F(WeaponEditorTest, UnarmedIsSavedLikeAnyWeaponWithClamps)
{
    openSample();
    CWeapon dialog(context());
    type(dialog, "accuracyEdit", QStringLiteral("250"));
    type(dialog, "attackPowerEdit", QStringLiteral("300"));
    find<QLineEdit>(dialog, "evadeEdit")->clear();
    type(dialog, "intSoulPenaltyEdit", QStringLiteral("9"));
    find<QCheckBox>(dialog, "waterCheck")->setChecked(true);
    find<QCheckBox>(dialog, "iceCheck")->setChecked(true);
    choose(dialog, "castSpellCombo", 3);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[record(0) + 1], 100);
    EXPECT_EQ(image.bytes()[record(0) + 2], 255);
    EXPECT_EQ(image.bytes()[record(0) + 3], 0);
    EXPECT_EQ(image.bytes()[record(0) + 4], 9);
    EXPECT_EQ(image.bytes()[record(0) + 5], 0x81);
    EXPECT_EQ(image.bytes()[record(0) + 6], 0x82);
    EXPECT_EQ(image.bytes()[record(0) + 8], 2);
    EXPECT_EQ(text(dialog, "accuracyEdit"), QStringLiteral("100"));
    EXPECT_EQ(savedFile(), image.bytes());
}

TEST_F(WeaponEditorTest, ShieldCaptionFollowsTheTypeBeforeSave)
{
    openSample();
    CWeapon dialog(context());
    EXPECT_EQ(title(dialog), QStringLiteral("Elemental attack"));
    choose(dialog, "typeCombo", 1);
    EXPECT_EQ(title(dialog), QStringLiteral("Elemental defense"));
    selectRow(dialog, "weaponList", 46); // a shield of the sample
    EXPECT_EQ(title(dialog), QStringLiteral("Elemental defense"));
    EXPECT_EQ(image.bytes(), test::sampleBytes());
}

TEST_F(WeaponEditorTest, AddedEffectShapes)
{
    openSample();
    CWeapon dialog(context());
    auto *effect = find<QListWidget>(dialog, "addedEffectList");
    selectRow(dialog, "weaponList", 1); // 0x03
    EXPECT_EQ(effect->currentRow(), 1);
    EXPECT_TRUE(ailment(dialog, 1)->isChecked());
    EXPECT_EQ(ailment(dialog, 1)->text(), QStringLiteral("Blind"));
    EXPECT_FALSE(ailment(dialog, 7)->isHidden());

    selectRow(dialog, "weaponList", 2); // 0x06
    EXPECT_EQ(effect->currentRow(), 2);
    EXPECT_TRUE(ailment(dialog, 1)->isHidden());
    EXPECT_EQ(ailment(dialog, 2)->text(), QStringLiteral("Poison"));
    EXPECT_TRUE(ailment(dialog, 2)->isChecked());

    selectRow(dialog, "weaponList", 3); // 0x40 shows only "Nothing"
    EXPECT_EQ(effect->currentRow(), 0);
    for (int box = 1; box <= 7; ++box)
        EXPECT_TRUE(ailment(dialog, box)->isHidden());
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[record(3) + 7], 0x00);
}

TEST_F(WeaponEditorTest, PickingAnotherEffectNeverCarriesTicksOver)
{
    openSample();
    CWeapon dialog(context());
    selectRow(dialog, "weaponList", 1); // 0x03: permanent, Blind
    EXPECT_TRUE(ailment(dialog, 1)->isChecked());
    ailment(dialog, 4)->setChecked(true);
    selectRow(dialog, "addedEffectList", 2);
    EXPECT_EQ(ailment(dialog, 4)->text(), QStringLiteral("Mute"));
    EXPECT_FALSE(ailment(dialog, 4)->isChecked()) << "a tick of another effect is not this one's";
    ailment(dialog, 3)->setChecked(true);
    selectRow(dialog, "addedEffectList", 1);
    EXPECT_TRUE(ailment(dialog, 1)->isChecked()) << "back on the stored effect, its ailments are read again";
    EXPECT_FALSE(ailment(dialog, 4)->isChecked());
    selectRow(dialog, "addedEffectList", 2);
    ailment(dialog, 3)->setChecked(true);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[record(1) + 7], 0x02 | 0x08);

    // A byte the controls cannot show exactly (Drain HP with two ailment bits) is kept unless changed.
    image.bytes()[record(4) + 7] = 0xC4;
    selectRow(dialog, "weaponList", 4);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[record(4) + 7], 0xC4);
    selectRow(dialog, "addedEffectList", 4);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[record(4) + 7], 0x08);
}

TEST_F(WeaponEditorTest, CastSpellPastTheAiListSavesAsNone)
{
    openSample();
    CWeapon dialog(context());
    selectRow(dialog, "weaponList", 63);
    EXPECT_EQ(find<QComboBox>(dialog, "castSpellCombo")->currentIndex(), -1);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[record(63) + 8], 0xFF);
}

TEST_F(WeaponEditorTest, PalettePositionsAndChangePalette)
{
    openSample();
    CWeapon dialog(context());
    selectRow(dialog, "weaponList", 9);
    EXPECT_EQ(find<QLabel>(dialog, "paletteValueLabel")->text(), QStringLiteral("--"));
    EXPECT_FALSE(find<QPushButton>(dialog, "changePaletteButton")->isEnabled());
    services.colorAnswers = {0x21};
    clickSwatch(dialog, "colorSwatches", 145, 250);
    EXPECT_TRUE(services.colorAnswers.size() == 1u) << "no picker for positions below 10";

    selectRow(dialog, "weaponList", 10);
    EXPECT_EQ(find<QLabel>(dialog, "paletteValueLabel")->text(), QString::number(image.bytes()[0x2CD8E + 10], 16).toUpper());
    EXPECT_TRUE(find<QPushButton>(dialog, "changePaletteButton")->isEnabled());
    services.paletteAnswers = {0x2A};
    click(dialog, "changePaletteButton");
    EXPECT_EQ(find<QLabel>(dialog, "paletteValueLabel")->text(), QStringLiteral("2A"));
    EXPECT_EQ(image.bytes()[0x2CD8E + 10], test::sampleBytes()[0x2CD8E + 10]) << "only Save stores the number";
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x2CD8E + 10], 0x2A);
}

TEST_F(WeaponEditorTest, ColourSquaresWriteAtOnceAndSurviveExit)
{
    openSample();
    {
        CWeapon dialog(context());
        selectRow(dialog, "weaponList", 12);
        const int palette = image.bytes()[0x2CD8E + 12];
        services.colorAnswers = {0x21, std::nullopt};
        clickSwatch(dialog, "colorSwatches", 156, 248); // colour 2
        EXPECT_EQ(services.events.back(), "pickNesColor " + std::to_string(test::sampleBytes()[0x1790 + palette]));
        EXPECT_EQ(image.bytes()[0x1790 + palette], 0x21);
        clickSwatch(dialog, "colorSwatches", 172, 263); // colour 3, cancelled
        EXPECT_EQ(image.bytes()[0x1810 + palette], test::sampleBytes()[0x1810 + palette]);
        clickSwatch(dialog, "colorSwatches", 188, 250); // past the squares
        click(dialog, "exitButton");
    }
    EXPECT_NE(image.bytes(), test::sampleBytes()) << "the colour stays in the buffer after Exit";
    EXPECT_EQ(savedFile(), test::sampleBytes()) << "and reaches the file only with a Save";
}

TEST_F(WeaponEditorTest, ComboImageOffsets)
{
    openSample(SampleKind::Combo);
    CWeapon dialog(context());
    selectRow(dialog, "weaponList", 20);
    type(dialog, "attackPowerEdit", QStringLiteral("77"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x40000 + record(20) + 2], 77);
    EXPECT_EQ(savedFile(), image.bytes());
}

} // namespace
} // namespace talvek
