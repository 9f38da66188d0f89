#include <filesystem>

#include "editor_fixture.h"
#include "editors/c_armor.h"

namespace talvek {
namespace {

class ArmorEditorTest : public test::EditorFixture {};

TEST_F(ArmorEditorTest, ListsUnequippedAndTheFortyNames)
{
    openSample();
    CArmor dialog(context());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Armor Editor"));
    auto *list = find<QListWidget>(dialog, "armorList");
    ASSERT_EQ(list->count(), 41);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Unequipped"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Leather Helm"));
    EXPECT_EQ(list->item(40)->text(), QStringLiteral("Dragon Gloves"));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(find<QComboBox>(dialog, "statBoostCombo")->count(), 7);
}

TEST_F(ArmorEditorTest, SaveClampsStoresWritesTheFileAndShowsAgain)
{
    openSample();
    CArmor dialog(context());
    selectRow(dialog, "armorList", 40);
    type(dialog, "defenseEdit", QStringLiteral("300"));
    find<QLineEdit>(dialog, "evadePenaltyEdit")->setText({});
    type(dialog, "intSoulPenaltyEdit", QStringLiteral("12"));
    type(dialog, "magicDefenseEdit", QStringLiteral("7"));
    choose(dialog, "statBoostCombo", 3);
    click(dialog, "saveButton");

    const std::size_t at = 0x30100;
    EXPECT_EQ(image.bytes()[at + 0], 255);
    EXPECT_EQ(image.bytes()[at + 1], 0) << "an empty box stores 0";
    EXPECT_EQ(image.bytes()[at + 2], 12);
    EXPECT_EQ(image.bytes()[at + 4], 0x02);
    EXPECT_EQ(image.bytes()[at + 5], 7);
    EXPECT_EQ(text(dialog, "defenseEdit"), QStringLiteral("255"));
    EXPECT_EQ(text(dialog, "evadePenaltyEdit"), QStringLiteral("0"));
    EXPECT_EQ(savedFile(), image.bytes());
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ArmorEditorTest, DigitsOnlyInTheNumberBoxes)
{
    openSample();
    CArmor dialog(context());
    type(dialog, "defenseEdit", QStringLiteral("4x-2"));
    EXPECT_EQ(text(dialog, "defenseEdit"), QStringLiteral("42"));
}

TEST_F(ArmorEditorTest, ElementBoxesFollowByteThree)
{
    openSample();
    CArmor dialog(context());
    selectRow(dialog, "armorList", 38);
    const char *boxes[] = {"dimensionCheck", "fireCheck",   "mindCheck", "lightningCheck",
                           "instaDeathCheck", "poisonCheck", "bodyCheck", "iceCheck"};
    for (const char *box : boxes) {
        EXPECT_TRUE(find<QCheckBox>(dialog, box)->isChecked()) << box;
        find<QCheckBox>(dialog, box)->setChecked(false);
    }
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x30010 + 6 * 38 + 3], 0x00);

    find<QCheckBox>(dialog, "lightningCheck")->setChecked(true);
    find<QCheckBox>(dialog, "iceCheck")->setChecked(true);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x30010 + 6 * 38 + 3], 0x88);
}

TEST_F(ArmorEditorTest, MagicPowerWarnsOnEverySaveAndStillStores)
{
    openSample();
    CArmor dialog(context());
    selectRow(dialog, "armorList", 7);
    choose(dialog, "statBoostCombo", 6);
    click(dialog, "saveButton");
    click(dialog, "saveButton");
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0].text,
              "Magic Power seems to have an error, and it could go either way. It'll either add 10 or subtract 10, "
              "and it's not reversable. Use at your own risk.");
    EXPECT_EQ(image.bytes()[0x30010 + 6 * 7 + 4], 0x05);
    EXPECT_EQ(savedFile(), image.bytes());
}

TEST_F(ArmorEditorTest, UnlistedStatBoostShowsNothingAndIsKept)
{
    openSample();
    CArmor dialog(context());
    selectRow(dialog, "armorList", 39);
    EXPECT_EQ(find<QComboBox>(dialog, "statBoostCombo")->currentIndex(), -1);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x30010 + 6 * 39 + 4], 0x09);
    EXPECT_EQ(image.bytes(), test::sampleBytes()) << "saving an untouched record changes nothing";
}

TEST_F(ArmorEditorTest, SelectingAnotherRowDiscardsEditsAndExitWritesNothing)
{
    openSample();
    const auto before = image.bytes();
    CArmor dialog(context());
    selectRow(dialog, "armorList", 5);
    type(dialog, "defenseEdit", QStringLiteral("99"));
    selectRow(dialog, "armorList", 6);
    selectRow(dialog, "armorList", 5);
    EXPECT_EQ(text(dialog, "defenseEdit"), QString::number(before[0x30010 + 30]));
    type(dialog, "defenseEdit", QStringLiteral("99"));
    click(dialog, "exitButton");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(image.bytes(), before);
    EXPECT_EQ(savedFile(), before);
}

TEST_F(ArmorEditorTest, ComboImageRecordsMoveUp)
{
    openSample(SampleKind::Combo);
    CArmor dialog(context());
    EXPECT_EQ(find<QListWidget>(dialog, "armorList")->item(1)->text(), QStringLiteral("Leather Helm"));
    type(dialog, "defenseEdit", QStringLiteral("77"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x70010], 77);
    EXPECT_EQ(savedFile(), image.bytes()) << "the whole image, Final Fantasy 1 half included";
}

TEST_F(ArmorEditorTest, ReadOnlyRomKeepsTheBufferAndReports)
{
    openSample();
    std::filesystem::permissions(image.path(), std::filesystem::perms::owner_read);
    CArmor dialog(context());
    type(dialog, "defenseEdit", QStringLiteral("5"));
    click(dialog, "saveButton");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Unable to save to ROM.");
    EXPECT_EQ(image.bytes()[0x30010], 5) << "the buffer keeps the value";
    EXPECT_EQ(savedFile(), test::sampleBytes());
}

} // namespace
} // namespace talvek
