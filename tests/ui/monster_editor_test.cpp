#include <QLabel>

#include "editor_fixture.h"
#include "editors/c_monster.h"

namespace talvek {
namespace {

class MonsterEditorTest : public test::EditorFixture {
protected:
    [[nodiscard]] int word(std::size_t at) const { return image.bytes()[at] | (image.bytes()[at + 1] << 8); }
};

TEST_F(MonsterEditorTest, OpensOnMonsterZeroAndReportsTheInvalidAiRecord)
{
    openSample();
    CMonster dialog(context());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Monster Editor"));
    EXPECT_EQ(find<QListWidget>(dialog, "monsterList")->count(), 128);
    EXPECT_EQ(find<QListWidget>(dialog, "monsterList")->item(0)->text(), QStringLiteral("Goblin"));
    EXPECT_EQ(find<QComboBox>(dialog, "aiScriptCombo")->count(), 59);
    EXPECT_EQ(find<QComboBox>(dialog, "attack1Combo")->count(), 136);
    EXPECT_EQ(find<QComboBox>(dialog, "hpIndexCombo")->count(), 32);
    EXPECT_EQ(find<QComboBox>(dialog, "spoilsSetCombo")->count(), 60);
    EXPECT_EQ(find<QComboBox>(dialog, "attack3Combo")->itemText(11), QStringLiteral("Attack 11"));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FALSE(find<QPushButton>(dialog, "editSpriteButton")->isEnabled());
    EXPECT_TRUE(find<QComboBox>(dialog, "attack1Combo")->isEnabled()) << "monster 0 fights by a script";
    // Monster 4 has no script: the attacks are disabled.
    selectRow(dialog, "monsterList", 4);
    EXPECT_EQ(find<QComboBox>(dialog, "aiScriptCombo")->currentIndex(), 0);
    EXPECT_FALSE(find<QComboBox>(dialog, "attack1Combo")->isEnabled());
}

TEST_F(MonsterEditorTest, ReportsAnAiRecordWithoutASpellOnce)
{
    openBytes(test::sampleWithInvalidAiRecord());
    CMonster dialog(context());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "An invalid argument was encountered.");
    EXPECT_EQ(find<QComboBox>(dialog, "attack1Combo")->itemText(21), QStringLiteral("[no spell 75] 5"));
}

TEST_F(MonsterEditorTest, SharedHpValueReachesEveryMonsterOnItsIndex)
{
    openSample();
    CMonster dialog(context());
    selectRow(dialog, "monsterList", 5);
    choose(dialog, "hpIndexCombo", 5);
    const QString users = find<QLabel>(dialog, "hpUsageLabel")->text();
    EXPECT_TRUE(users.startsWith(QStringLiteral("used by "))) << users.toStdString();
    type(dialog, "hpEdit", QStringLiteral("70000"));
    click(dialog, "saveButton");
    EXPECT_EQ(word(0x30CD3 + 10), 65535);
    EXPECT_EQ(text(dialog, "hpEdit"), QStringLiteral("65535"));
    // Another monster on HP index 5 now shows the new value.
    selectRow(dialog, "monsterList", 25);
    EXPECT_EQ(find<QComboBox>(dialog, "hpIndexCombo")->currentIndex(), 5);
    EXPECT_EQ(text(dialog, "hpEdit"), QStringLiteral("65535"));
    EXPECT_EQ(savedFile(), image.bytes());
}

TEST_F(MonsterEditorTest, LaterWriteWinsAndAccuracyNeverZero)
{
    openSample();
    CMonster dialog(context());
    choose(dialog, "hitsIndexCombo", 3);
    choose(dialog, "blocksIndexCombo", 3);
    type(dialog, "blocksEdit", QStringLiteral("40"));
    type(dialog, "hitsEdit", QStringLiteral("4"));
    find<QLineEdit>(dialog, "accuracyEdit")->clear();
    choose(dialog, "absorbIndexCombo", 2);
    choose(dialog, "weaknessIndexCombo", 2);
    find<QCheckBox>(dialog, "absorb1Check")->setChecked(true);
    find<QCheckBox>(dialog, "weakness1Check")->setChecked(false);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x30D13 + 3], 4);
    EXPECT_EQ(image.bytes()[0x30D23 + image.bytes()[0x307D3 + 3] % 16], 1);
    EXPECT_TRUE(image.bytes()[0x30D73 + 2] & 0x01) << "the absorb boxes win";
}

TEST_F(MonsterEditorTest, OnlyTheBoxTheUserTypedInIsStored)
{
    openSample();
    CMonster dialog(context());
    const auto sharedBlocks = [&](int index) { return image.bytes()[0x30D13 + static_cast<std::size_t>(index)]; };
    choose(dialog, "hitsIndexCombo", 3);
    choose(dialog, "blocksIndexCombo", 3);
    choose(dialog, "hpIndexCombo", 7);
    choose(dialog, "mpIndexCombo", 7);
    ASSERT_NE(sharedBlocks(3), 40);
    type(dialog, "blocksEdit", QStringLiteral("40")); // an index change re-reads the boxes: type last
    type(dialog, "hpEdit", QStringLiteral("1234"));
    click(dialog, "saveButton");
    EXPECT_EQ(sharedBlocks(3), 40) << "the untouched # of hits box does not write its old value over it";
    EXPECT_EQ(word(0x30CD3 + 14), 1234) << "nor does the untouched MP box";
    EXPECT_EQ(text(dialog, "hitsEdit"), QStringLiteral("40"));
}

TEST_F(MonsterEditorTest, HpBoxOfAnIndexPastTheTableIsOff)
{
    openSample();
    CMonster dialog(context());
    selectRow(dialog, "monsterList", 126); // HP index 40
    EXPECT_FALSE(find<QLineEdit>(dialog, "hpEdit")->isEnabled());
    EXPECT_TRUE(find<QLineEdit>(dialog, "mpEdit")->isEnabled());
    selectRow(dialog, "monsterList", 0);
    EXPECT_TRUE(find<QLineEdit>(dialog, "hpEdit")->isEnabled());
}

TEST_F(MonsterEditorTest, ChangingAGilRowsAmountShowsThatAmount)
{
    openSample();
    CMonster dialog(context());
    const std::uint8_t set = image.bytes()[0x17790];
    auto *combo = find<QComboBox>(dialog, "drop1Combo");
    if (!find<QCheckBox>(dialog, "drop1GilCheck")->isChecked())
        QTest::mouseClick(find<QCheckBox>(dialog, "drop1GilCheck"), Qt::LeftButton);
    const auto amountBytes = std::vector<std::uint8_t>(image.bytes().begin() + 0x179F0, image.bytes().begin() + 0x17A10);
    choose(dialog, "drop1Combo", 7);
    EXPECT_EQ(text(dialog, "drop1GilEdit"), QString::number(word(0x179F0 + 14)));
    EXPECT_EQ(combo->currentIndex(), 7);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x17810 + 8 * set], 0xF7);
    EXPECT_TRUE(std::equal(amountBytes.begin(), amountBytes.end(), image.bytes().begin() + 0x179F0))
        << "no gil amount changes";
}

TEST_F(MonsterEditorTest, PickingAnotherEffectClearsTheAilmentBoxes)
{
    openSample();
    CMonster dialog(context());
    auto *envenom = find<QCheckBox>(dialog, "ailment2Check");
    choose(dialog, "addedEffectIndexCombo", 1); // 0x03: permanent, Blind
    envenom->setChecked(true);
    choose(dialog, "addedEffectIndexCombo", 3); // 0x04: Drain HP
    selectRow(dialog, "addedEffectList", 1);
    EXPECT_FALSE(envenom->isChecked());
    EXPECT_FALSE(find<QCheckBox>(dialog, "ailment1Check")->isChecked());
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x30D43 + 3], 0x01) << "no tick made for effect 1 lands in effect 3";
}

TEST_F(MonsterEditorTest, ChangingAnIndexRereadsTheValues)
{
    openSample();
    CMonster dialog(context());
    type(dialog, "strengthEdit", QStringLiteral("99"));
    choose(dialog, "strengthIndexCombo", 6);
    EXPECT_EQ(text(dialog, "strengthEdit"), QString::number(image.bytes()[0x30D33 + 6]));
}

TEST_F(MonsterEditorTest, ScriptsNoneAndCaptain)
{
    openSample();
    CMonster dialog(context());
    selectRow(dialog, "monsterList", 1);
    choose(dialog, "aiScriptCombo", 0x2B);
    for (int i = 0; i < 8; ++i) {
        auto *attack = find<QComboBox>(dialog, ("attack" + std::to_string(i + 1) + "Combo").c_str());
        EXPECT_TRUE(attack->isEnabled());
        EXPECT_EQ(attack->currentIndex(), image.bytes()[0x30ED3 + static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(find<QComboBox>(dialog, "attack1Combo")->currentText(), QStringLiteral("Attack"));
    choose(dialog, "attack2Combo", 1);
    EXPECT_EQ(find<QComboBox>(dialog, "attack2Combo")->currentText(), QStringLiteral("Fire 1"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x307D3 + 10], 0x2A);
    EXPECT_EQ(image.bytes()[0x30ED3 + 1], 1);

    const auto scripts = std::vector<std::uint8_t>(image.bytes().begin() + 0x30D83, image.bytes().begin() + 0x30F53);
    choose(dialog, "aiScriptCombo", 0);
    EXPECT_FALSE(find<QComboBox>(dialog, "attack1Combo")->isEnabled());
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x307D3 + 10], 0xFF);
    EXPECT_TRUE(std::equal(scripts.begin(), scripts.end(), image.bytes().begin() + 0x30D83));
}

TEST_F(MonsterEditorTest, DropsGilRowsAndTheGilBox)
{
    openSample();
    CMonster dialog(context()); // monster 0 uses spoils set 0: 0xC5, 0x00, 0xBF, ...
    EXPECT_TRUE(find<QCheckBox>(dialog, "drop1GilCheck")->isChecked());
    EXPECT_EQ(find<QComboBox>(dialog, "drop1Combo")->currentIndex(), 5);
    EXPECT_EQ(text(dialog, "drop1GilEdit"), QString::number(word(0x179F0 + 10)));
    EXPECT_EQ(find<QComboBox>(dialog, "drop2Combo")->currentText(), QStringLiteral("Nothing"));
    EXPECT_TRUE(find<QLineEdit>(dialog, "drop2GilEdit")->isHidden());
    EXPECT_EQ(find<QComboBox>(dialog, "drop3Combo")->currentIndex(), 0xBF);
    EXPECT_EQ(find<QComboBox>(dialog, "drop3Combo")->count(), 192);

    find<QCheckBox>(dialog, "drop2GilCheck")->click();
    EXPECT_EQ(find<QComboBox>(dialog, "drop2Combo")->count(), 16);
    EXPECT_EQ(find<QComboBox>(dialog, "drop2Combo")->currentIndex(), 0);
    EXPECT_EQ(text(dialog, "drop2GilEdit"), QString::number(word(0x179F0)));
    EXPECT_FALSE(find<QLineEdit>(dialog, "drop2GilEdit")->isHidden());
    choose(dialog, "drop2Combo", 3);
    type(dialog, "drop2GilEdit", QStringLiteral("777 gil"));
    find<QCheckBox>(dialog, "drop3GilCheck")->click();
    find<QCheckBox>(dialog, "drop3GilCheck")->click();
    EXPECT_EQ(find<QComboBox>(dialog, "drop3Combo")->currentText(), QStringLiteral("Nothing"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x17810], 0xF5) << "0xC5 saved unchanged becomes 0xF5";
    EXPECT_EQ(image.bytes()[0x17811], 0xF3);
    EXPECT_EQ(word(0x179F0 + 6), 777);
    EXPECT_EQ(word(0x179F0), 10) << "row 8 also names amount 0 and, written later, wins";
    EXPECT_EQ(image.bytes()[0x17812], 0x00);
}

TEST_F(MonsterEditorTest, EntriesWithoutAListEntryAreKept)
{
    openSample();
    CMonster dialog(context());
    selectRow(dialog, "monsterList", 127); // AI byte 0x40
    EXPECT_EQ(find<QComboBox>(dialog, "aiScriptCombo")->currentIndex(), -1);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x307D3 + 1270], 0x40);
    selectRow(dialog, "monsterList", 126); // HP index 40
    EXPECT_EQ(find<QComboBox>(dialog, "hpIndexCombo")->currentIndex(), -1);
    EXPECT_TRUE(text(dialog, "hpEdit").isEmpty());
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x307D3 + 1261], 40);
    selectRow(dialog, "monsterList", 125); // spoils set 70
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x17790 + 125], 70);
}

TEST_F(MonsterEditorTest, AddedEffectWithOnlyBit40IsKept)
{
    auto bytes = test::sampleBytes();
    const int index = bytes[0x307D3 + 4] & 0x0F;
    bytes[0x30D43 + static_cast<std::size_t>(index)] = 0x40;
    openBytes(bytes);
    CMonster dialog(context());
    EXPECT_EQ(find<QListWidget>(dialog, "addedEffectList")->currentRow(), -1);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x30D43 + static_cast<std::size_t>(index)], 0x40);
}

TEST_F(MonsterEditorTest, ComboImageOffsets)
{
    openSample(SampleKind::Combo);
    CMonster dialog(context());
    EXPECT_EQ(find<QListWidget>(dialog, "monsterList")->item(0)->text(), QStringLiteral("Goblin"));
    type(dialog, "moraleEdit", QStringLiteral("123"));
    click(dialog, "saveButton");
    const int morale = image.bytes()[0x40000 + 0x307D3 + 9] >> 4;
    EXPECT_EQ(image.bytes()[0x40000 + 0x30D33 + static_cast<std::size_t>(morale)], 123);
    EXPECT_EQ(savedFile(), image.bytes());
}

} // namespace
} // namespace talvek
