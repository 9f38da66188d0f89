#include <QLabel>

#include "editor_fixture.h"
#include "editors/c_formation.h"
#include "graphics/color_swatches_view.h"
#include "text/taglines.h"

namespace talvek {
namespace {

class FormationEditorTest : public test::EditorFixture {
protected:
    static constexpr std::size_t formationAt(int f) { return 0x2C630 + 8 * static_cast<std::size_t>(f); }
};

TEST_F(FormationEditorTest, OpensOnFormationZero)
{
    openSample();
    CFormation dialog(context());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Battle Formations Editor"));
    EXPECT_EQ(find<QListWidget>(dialog, "formationList")->count(), 128);
    EXPECT_EQ(find<QComboBox>(dialog, "monsterSetCombo")->count(), 64);
    EXPECT_EQ(find<QComboBox>(dialog, "quantitySetCombo")->count(), 122);
    EXPECT_EQ(find<QComboBox>(dialog, "enemy1Combo")->count(), 129);
    EXPECT_EQ(find<QComboBox>(dialog, "enemy1Combo")->itemText(0), QStringLiteral("--none--"));
    EXPECT_FALSE(find<QComboBox>(dialog, "patternCombo")->isEnabled());
    EXPECT_EQ(find<QLabel>(dialog, "monsterSetUsageLabel")->text(), QStringLiteral("used by 2"));
    const QString flavour = find<QLabel>(dialog, "flavourLabel")->text();
    bool known = false;
    for (std::size_t i = 0; i < 30; ++i)
        known = known || flavour == QString::fromUtf8(kTaglines[i].data(), static_cast<qsizetype>(kTaglines[i].size()));
    EXPECT_TRUE(known) << flavour.toStdString();
}

TEST_F(FormationEditorTest, SharedMonsterSetReachesTheOtherFormation)
{
    openSample();
    CFormation dialog(context());
    choose(dialog, "enemy1Combo", 43); // monster 42
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x2CAB0], 42);
    selectRow(dialog, "formationList", 64); // also monster set 0
    EXPECT_EQ(find<QComboBox>(dialog, "enemy1Combo")->currentIndex(), 43);
    EXPECT_EQ(savedFile(), image.bytes());
}

TEST_F(FormationEditorTest, SecondQuantitySetAndCountClamps)
{
    openSample();
    CFormation dialog(context());
    selectRow(dialog, "formationList", 3);
    const auto byte6 = image.bytes()[formationAt(3) + 6];
    find<QCheckBox>(dialog, "formation2Check")->click();
    EXPECT_EQ(find<QComboBox>(dialog, "quantitySetCombo")->currentIndex(), image.bytes()[formationAt(3) + 7]);
    choose(dialog, "quantitySetCombo", 100);
    type(dialog, "max1Edit", QStringLiteral("20"));
    type(dialog, "min1Edit", QStringLiteral("2"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[formationAt(3) + 7], 100);
    EXPECT_EQ(image.bytes()[formationAt(3) + 6], byte6) << "byte 6 untouched";
    EXPECT_EQ(image.bytes()[0x2CBB0 + 400], 0xF2) << "20 is stored as 15";
    find<QCheckBox>(dialog, "formation2Check")->click();
    EXPECT_EQ(find<QComboBox>(dialog, "quantitySetCombo")->currentIndex(), byte6);
}

TEST_F(FormationEditorTest, FlagsPalettesAndExtraByte)
{
    openSample();
    CFormation dialog(context());
    selectRow(dialog, "formationList", 1); // byte 0 = 0x11
    find<QCheckBox>(dialog, "palette2Enemy1Check")->setChecked(true);
    find<QCheckBox>(dialog, "palette2Enemy4Check")->setChecked(false);
    type(dialog, "extraEdit", QStringLiteral("ab"));
    EXPECT_EQ(text(dialog, "extraEdit"), QStringLiteral("AB"));
    services.paletteAnswers = {0x2A};
    click(dialog, "changePalette2Button");
    EXPECT_EQ(find<QLabel>(dialog, "palette2Value")->text(), QStringLiteral("2A"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[formationAt(1)], 0x81) << "low nibble kept";
    EXPECT_EQ(image.bytes()[formationAt(1) + 4], 0x2A);
    EXPECT_EQ(image.bytes()[0x2CA30 + 1], 0xAB);
}

TEST_F(FormationEditorTest, ChangePalThenExitAndUnsavedSetChoices)
{
    openSample();
    {
        CFormation dialog(context());
        services.paletteAnswers = {0x33};
        click(dialog, "changePalette1Button");
        EXPECT_EQ(find<ColorSwatchesView>(dialog, "palette1Swatches")->battlePalette(), 0x33);
        choose(dialog, "monsterSetCombo", 9);
        selectRow(dialog, "formationList", 2);
        click(dialog, "exitButton");
    }
    EXPECT_EQ(image.bytes(), test::sampleBytes());
}

TEST_F(FormationEditorTest, RecolouredSquareStaysAfterExit)
{
    openSample();
    {
        CFormation dialog(context());
        selectRow(dialog, "formationList", 5);
        const int palette2 = image.bytes()[formationAt(5) + 4];
        services.colorAnswers = {0x2D};
        clickSwatch(dialog, "palette2Swatches", 475, 100); // colour 2 of palette 2
        EXPECT_EQ(image.bytes()[0x1790 + static_cast<std::size_t>(palette2)], 0x2D);
        clickSwatch(dialog, "palette2Swatches", 475, 110); // below the squares
        EXPECT_EQ(services.events.size(), 1u);
        click(dialog, "exitButton");
    }
    EXPECT_NE(image.bytes(), test::sampleBytes());
    EXPECT_EQ(savedFile(), test::sampleBytes());
}

TEST_F(FormationEditorTest, EnemySlotsCanBeEmptiedAndEmptyOnesStayEmpty)
{
    openSample();
    CFormation dialog(context());
    selectRow(dialog, "formationList", 7); // monster set 7 has no fourth enemy
    EXPECT_EQ(find<QComboBox>(dialog, "enemy4Combo")->currentText(), QStringLiteral("--none--"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x2CAB0 + 4 * 7 + 3], 0xFF);
    choose(dialog, "enemy3Combo", 0);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x2CAB0 + 4 * 7 + 2], 0xFF);
}

TEST_F(FormationEditorTest, ChoosingTheSetShownKeepsTheTyping)
{
    openSample();
    CFormation dialog(context());
    type(dialog, "min1Edit", QStringLiteral("9"));
    choose(dialog, "enemy1Combo", 5);
    choose(dialog, "quantitySetCombo", find<QComboBox>(dialog, "quantitySetCombo")->currentIndex());
    choose(dialog, "monsterSetCombo", find<QComboBox>(dialog, "monsterSetCombo")->currentIndex());
    EXPECT_EQ(text(dialog, "min1Edit"), QStringLiteral("9"));
    EXPECT_EQ(find<QComboBox>(dialog, "enemy1Combo")->currentIndex(), 5);
}

TEST_F(FormationEditorTest, SetsPastTheirTablesDisableWhatSaveIgnores)
{
    auto bytes = test::sampleBytes();
    bytes[0x2C630 + 5] = 64;  // monster set past the 64 sets
    bytes[0x2C630 + 6] = 200; // quantity set past the 122 sets
    openBytes(bytes);
    CFormation dialog(context());
    for (const char *name : {"enemy1Combo", "enemy4Combo"})
        EXPECT_FALSE(find<QComboBox>(dialog, name)->isEnabled()) << name;
    for (const char *name : {"min1Edit", "max4Edit"})
        EXPECT_FALSE(find<QLineEdit>(dialog, name)->isEnabled()) << name;
    click(dialog, "saveButton");
    EXPECT_EQ(savedFile(), bytes);
    choose(dialog, "monsterSetCombo", 3);
    EXPECT_TRUE(find<QComboBox>(dialog, "enemy1Combo")->isEnabled());
}

TEST_F(FormationEditorTest, ComboImageOffsets)
{
    openSample(SampleKind::Combo);
    CFormation dialog(context());
    type(dialog, "min2Edit", QStringLiteral("3"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x40000 + 0x2CBB0 + 1] & 0x0F, 3);
    EXPECT_EQ(savedFile(), image.bytes());
}

} // namespace
} // namespace talvek
