#include "editor_fixture.h"
#include <QGroupBox>

#include "editors/c_character.h"
#include "graphics/tile_canvas_view.h"
#include "graphics/viewer_pictures.h"

namespace talvek {
namespace {

class CharacterEditorTest : public test::EditorFixture {
protected:
    static constexpr std::size_t record(int i) { return 0xF90 + 0x80 * static_cast<std::size_t>(i); }
};

TEST_F(CharacterEditorTest, ShowsTheNineCharactersAndTheirLists)
{
    openSample();
    CCharacter dialog(context());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Character Editor"));
    auto *list = find<QListWidget>(dialog, "characterList");
    ASSERT_EQ(list->count(), 9);
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("Minh"));
    EXPECT_EQ(find<QComboBox>(dialog, "rightHandCombo")->count(), 64);
    EXPECT_EQ(find<QComboBox>(dialog, "rightHandCombo")->itemText(0), QStringLiteral("--unarmed--"));
    EXPECT_EQ(find<QComboBox>(dialog, "headCombo")->count(), 11);
    EXPECT_EQ(find<QComboBox>(dialog, "bodyCombo")->count(), 21);
    EXPECT_EQ(find<QComboBox>(dialog, "gloveCombo")->count(), 11);
    EXPECT_EQ(find<QComboBox>(dialog, "belt1Combo")->count(), 192);
    EXPECT_EQ(find<QComboBox>(dialog, "spell16Combo")->count(), 41);

    EXPECT_EQ(text(dialog, "hpLeftEdit"), QStringLiteral("120"));
    EXPECT_EQ(text(dialog, "gilEdit"), QStringLiteral("123456"));
    EXPECT_EQ(find<QComboBox>(dialog, "spell1Combo")->currentText(), QStringLiteral("Fire")) << "0xC0";
    EXPECT_EQ(find<QComboBox>(dialog, "spell2Combo")->currentText(), QStringLiteral("Dispel")) << "0xE7";
    EXPECT_EQ(find<QComboBox>(dialog, "spell16Combo")->currentIndex(), 0) << "0 shows --none--";
    EXPECT_TRUE(find<QCheckBox>(dialog, "backRowCheck")->isChecked());
    EXPECT_EQ(find<QComboBox>(dialog, "headCombo")->currentText(), QStringLiteral("Leather Helm"));
}

TEST_F(CharacterEditorTest, EditSpriteOpensTheGraphicsViewerOnTheSpriteBlock)
{
    openSample(SampleKind::Combo);
    CCharacter dialog(context());
    selectRow(dialog, "characterList", 4);
    QString caption;
    QImage picture;
    services.onDialog = [&](QDialog &viewer) {
        caption = find<QGroupBox>(viewer, "pictureGroup")->title();
        picture = find<TileCanvasView>(viewer, "pictureView")->currentImage();
        return QDialog::Rejected;
    };
    click(dialog, "editSpriteButton");
    EXPECT_EQ(services.events.back(), "dialog CGraphic");
    EXPECT_EQ(caption, QStringLiteral("Character Editor"));
    ASSERT_EQ(picture.size(), QSize(128, 128));
    // The block comes from 0x1C010 of the upper half: compare with the core's own picture.
    const TileCanvas expected = blockPicture(image, {0x40000 + 0x1C010, 4, 4, 0x40});
    for (int y = 0; y < 128; y += 3)
        for (int x = 0; x < 128; x += 3)
            ASSERT_EQ(picture.pixelIndex(x, y), expected.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(image.bytes(), test::sampleBytes(SampleKind::Combo)) << "the viewer writes nothing";
}

TEST_F(CharacterEditorTest, SaveClampsEveryKindOfField)
{
    openSample();
    CCharacter dialog(context());
    selectRow(dialog, "characterList", 8);
    type(dialog, "hpLeftEdit", QStringLiteral("70000"));
    find<QLineEdit>(dialog, "hpRightEdit")->clear();
    type(dialog, "fistLevelEdit", QStringLiteral("0"));
    type(dialog, "bowLevelEdit", QStringLiteral("17"));
    type(dialog, "gilEdit", QStringLiteral("12345678"));
    type(dialog, "strEdit", QStringLiteral("150"));
    type(dialog, "spell3LevelEdit", QStringLiteral("lvl 9"));
    type(dialog, "spell3ExpEdit", QStringLiteral("5 exp"));
    click(dialog, "saveButton");

    const std::size_t at = record(8);
    EXPECT_EQ(image.bytes()[at + 8], 0xFF);
    EXPECT_EQ(image.bytes()[at + 9], 0xFF);
    EXPECT_EQ(image.bytes()[at + 0x0A], 0);
    EXPECT_EQ(image.bytes()[at + 0x0B], 0);
    EXPECT_EQ(image.bytes()[at + 0x40], 0);
    EXPECT_EQ(image.bytes()[at + 0x4E], 0x0F);
    EXPECT_EQ(image.bytes()[at + 0x10], 99);
    EXPECT_EQ(image.bytes()[at + 0x54], 0) << "text without a leading number reads 0, level clamps to 1";
    EXPECT_EQ(image.bytes()[at + 0x55], 5);
    EXPECT_EQ(image.bytes()[0xB0C], 0x7F);
    EXPECT_EQ(image.bytes()[0xB0D], 0x96);
    EXPECT_EQ(image.bytes()[0xB0E], 0x98);
    EXPECT_EQ(text(dialog, "hpLeftEdit"), QStringLiteral("65535"));
    EXPECT_EQ(text(dialog, "fistLevelEdit"), QStringLiteral("1"));
    EXPECT_EQ(text(dialog, "bowLevelEdit"), QStringLiteral("16"));
    EXPECT_EQ(text(dialog, "gilEdit"), QStringLiteral("9999999"));
    EXPECT_EQ(savedFile(), image.bytes());
}

TEST_F(CharacterEditorTest, EquipmentAndSpellChoicesStoreTheirIds)
{
    openSample();
    CCharacter dialog(context());
    selectRow(dialog, "characterList", 4);
    choose(dialog, "headCombo", 10);
    choose(dialog, "bodyCombo", 1);
    choose(dialog, "gloveCombo", 0);
    choose(dialog, "rightHandCombo", 1);
    choose(dialog, "belt1Combo", 191);
    choose(dialog, "spell5Combo", 40);
    choose(dialog, "spell1Combo", 0);
    click(dialog, "saveButton");
    const std::size_t at = record(4);
    EXPECT_EQ(image.bytes()[at + 0x19], 0x79);
    EXPECT_EQ(image.bytes()[at + 0x1A], 0x7A);
    EXPECT_EQ(image.bytes()[at + 0x1B], 0x00);
    EXPECT_EQ(image.bytes()[at + 0x1C], 0x31);
    EXPECT_EQ(image.bytes()[at + 0x1E], 0xBF);
    EXPECT_EQ(image.bytes()[at + 0x34], 0xE7);
    EXPECT_EQ(image.bytes()[at + 0x30], 0x00);
}

TEST_F(CharacterEditorTest, HandRuleInBothDirections)
{
    openSample();
    CCharacter dialog(context());
    auto *right = find<QComboBox>(dialog, "rightHandCombo");
    auto *left = find<QComboBox>(dialog, "leftHandCombo");
    choose(dialog, "leftHandCombo", 20);
    choose(dialog, "rightHandCombo", 56);
    EXPECT_EQ(right->currentIndex(), 56);
    EXPECT_EQ(left->currentIndex(), 0) << "a two-handed weapon clears the other hand";

    choose(dialog, "leftHandCombo", 5);
    EXPECT_EQ(left->currentIndex(), 5);
    EXPECT_EQ(right->currentIndex(), 0) << "any weapon beside a two-handed one clears it";

    choose(dialog, "rightHandCombo", 7);
    EXPECT_EQ(left->currentIndex(), 5) << "two one-handed weapons stay";
}

TEST_F(CharacterEditorTest, ShowingARecordDoesNotApplyTheHandRule)
{
    auto bytes = test::sampleBytes();
    bytes[record(0) + 0x1C] = 0x6F; // two-handed in the right hand
    bytes[record(0) + 0x1D] = 0x31; // and a knife in the left
    openBytes(bytes);
    CCharacter dialog(context());
    EXPECT_EQ(find<QComboBox>(dialog, "rightHandCombo")->currentIndex(), 63);
    EXPECT_EQ(find<QComboBox>(dialog, "leftHandCombo")->currentIndex(), 1);
}

TEST_F(CharacterEditorTest, PartyRowRuleOnSave)
{
    openSample(); // characters 0, 1, 2 and 5 stand in the back row
    CCharacter dialog(context());
    selectRow(dialog, "characterList", 6);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[record(0) + 0x75], 1);
    selectRow(dialog, "characterList", 0);
    EXPECT_FALSE(find<QCheckBox>(dialog, "backRowCheck")->isChecked());

    // Character 0 back again, but 5 moved to the front: nobody of 3 to 8 is behind, so nothing changes.
    find<QCheckBox>(dialog, "backRowCheck")->setChecked(true);
    selectRow(dialog, "characterList", 5);
    find<QCheckBox>(dialog, "backRowCheck")->setChecked(false);
    click(dialog, "saveButton");
    selectRow(dialog, "characterList", 0);
    find<QCheckBox>(dialog, "backRowCheck")->setChecked(true);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[record(0) + 0x75], 0);
    EXPECT_EQ(image.bytes()[record(5) + 0x75], 1);
}

TEST_F(CharacterEditorTest, LeftHandedFlagAndByteZero)
{
    openSample();
    CCharacter dialog(context());
    selectRow(dialog, "characterList", 1);
    EXPECT_TRUE(find<QCheckBox>(dialog, "leftHandedCheck")->isChecked());
    find<QCheckBox>(dialog, "leftHandedCheck")->setChecked(false);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[record(1)], 0x01);

    selectRow(dialog, "characterList", 2);
    find<QCheckBox>(dialog, "leftHandedCheck")->setChecked(true);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[record(2)], 0x82);

    // Byte 0 of character 7 is neither 7 nor 0x87: the box shows no state of another row, and the byte is
    // kept unless the user changes the box.
    const std::uint8_t odd = image.bytes()[record(7)];
    ASSERT_NE(odd, 7);
    ASSERT_NE(odd, 0x87);
    selectRow(dialog, "characterList", 7);
    EXPECT_FALSE(find<QCheckBox>(dialog, "leftHandedCheck")->isChecked());
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[record(7)], odd);
    find<QCheckBox>(dialog, "leftHandedCheck")->setChecked(true);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[record(7)], 0x87);
}

TEST_F(CharacterEditorTest, UnlistedEquipmentIsKeptAndExitWritesNothing)
{
    openSample();
    CCharacter dialog(context());
    selectRow(dialog, "characterList", 5);
    EXPECT_EQ(find<QComboBox>(dialog, "headCombo")->currentIndex(), -1);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[record(5) + 0x19], 0x9A);

    const auto before = image.bytes();
    type(dialog, "hpLeftEdit", QStringLiteral("1"));
    click(dialog, "exitButton");
    EXPECT_EQ(image.bytes(), before);
}

TEST_F(CharacterEditorTest, ComboImageOffsets)
{
    openSample(SampleKind::Combo);
    CCharacter dialog(context());
    selectRow(dialog, "characterList", 8);
    type(dialog, "hpLeftEdit", QStringLiteral("4660"));
    type(dialog, "gilEdit", QStringLiteral("1"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x41390 + 8], 0x34);
    EXPECT_EQ(image.bytes()[0x41390 + 9], 0x12);
    EXPECT_EQ(image.bytes()[0x40B0C], 1);
    EXPECT_EQ(savedFile(), image.bytes());
}

} // namespace
} // namespace talvek
