#include <gtest/gtest.h>

#include "records/monster_record.h"
#include "test_support.h"

namespace talvek {
namespace {

using namespace monster;

TEST(MonsterRecord, NibblesAndUsers)
{
    auto bytes = test::sampleBytes();
    bytes[0x307D3 + 3] = 0xA5; // hits index 10, accuracy index 5
    const RomImage image(std::move(bytes), "s.nes");
    EXPECT_EQ(nibble(image, 0, Hits), 10);
    EXPECT_EQ(nibble(image, 0, Accuracy), 5);
    EXPECT_EQ(tableOf(MagDef), Table::HitsBlocksMagDef);
    EXPECT_EQ(tableOf(Absorb), Table::AbsorbWeakness);

    int byHand = 0;
    for (int m = 0; m < kRecordCount; ++m)
        byHand += image.game(recordOffset(m) + 1) == 5 || image.game(recordOffset(m) + 2) == 5;
    EXPECT_EQ(usersOf(image, Table::HpMp, 5), byHand);
    EXPECT_GE(byHand, 2) << "the sample shares HP indexes";
}

TEST(MonsterRecord, LaterWritesWinWhereFieldsShareAnEntry)
{
    RomImage image(test::sampleBytes(), "s.nes");
    MonsterForm form = read(image, 3);
    form.hpIndex = 7;
    form.mpIndex = 7;
    form.hp = 1111;
    form.mp = 2222;
    form.nibbles[Hits] = form.nibbles[Blocks] = form.nibbles[MagDef] = 3;
    form.hits = 9;
    form.blocks = 8;
    form.magDef = 7;
    form.nibbles[Accuracy] = form.nibbles[Evade] = 4;
    form.accuracy = 0;
    form.evade = 50;
    form.nibbles[Weakness] = form.nibbles[Absorb] = 2;
    form.weakness = 0x0F;
    form.absorb = 0xF0;
    store(image, 3, form);
    EXPECT_EQ(image.bytes()[0x30CD3 + 14] | (image.bytes()[0x30CD3 + 15] << 8), 2222) << "MP over HP";
    EXPECT_EQ(image.bytes()[0x30D13 + 3], 9) << "# of hits over blocks and mag.def";
    EXPECT_EQ(image.bytes()[0x30D23 + 4], 1) << "accuracy over evade, and 0 stored as 1";
    EXPECT_EQ(image.bytes()[0x30D73 + 2], 0xF0) << "absorb over weakness";
}

TEST(MonsterRecord, ClampsAndEntriesWithoutAnEntryAreKept)
{
    RomImage image(test::sampleBytes(), "s.nes");
    MonsterForm form = read(image, 126); // HP index 40 lies past the table
    EXPECT_FALSE(form.hpIndex);
    form.hp = 70000;
    form.mp = 70000;
    store(image, 126, form);
    EXPECT_EQ(image.bytes()[0x307D3 + 1260 + 1], 40);
    const int mp = image.bytes()[0x307D3 + 1260 + 2];
    EXPECT_EQ(image.bytes()[0x30CD3 + 2 * mp], 0xFF);
    EXPECT_EQ(image.bytes()[0x30CD3 + 2 * mp + 1], 0xFF);

    const MonsterForm odd = read(image, 127); // AI byte 0x40
    EXPECT_FALSE(odd.aiEntry);
    store(image, 127, odd);
    EXPECT_EQ(image.bytes()[0x307D3 + 1270], 0x40);
    EXPECT_FALSE(read(image, 125).spoilsSet);
}

TEST(MonsterRecord, ScriptsAndDrops)
{
    RomImage image(test::sampleBytes(), "s.nes");
    MonsterForm form = read(image, 1);
    form.aiEntry = 0x2B; // script 2A
    readAttacks(image, form);
    for (int i = 0; i < kAttacksPerScript; ++i)
        EXPECT_EQ(form.attacks[static_cast<std::size_t>(i)], image.bytes()[0x30ED3 + static_cast<std::size_t>(i)]);
    form.attacks[7] = 1;
    form.spoilsSet = 0;
    readDrops(image, form);
    EXPECT_TRUE(form.drops[0].gil);
    EXPECT_EQ(form.drops[0].selection, 5) << "0xC5 is gil amount 5";
    EXPECT_EQ(form.drops[2].selection, 0xBF);
    store(image, 1, form);
    EXPECT_EQ(image.bytes()[0x30ED3 + 7], 1);
    EXPECT_EQ(image.bytes()[0x17810], 0xF5);
    EXPECT_EQ(image.bytes()[0x17810 + 2], 0xBF);

    form.aiEntry = 0; // "--none--": no script is touched
    const auto before = image.bytes();
    store(image, 1, form);
    EXPECT_EQ(image.bytes()[0x307D3 + 10], 0xFF);
    EXPECT_TRUE(std::equal(before.begin() + 0x30D83, before.begin() + 0x30D83 + 58 * 8, image.bytes().begin() + 0x30D83));
}

TEST(MonsterRecord, AttackListLabels)
{
    const RomImage image(test::sampleWithInvalidAiRecord(), "s.nes");
    const auto list = attackList(image, test::shippedDteTable());
    ASSERT_EQ(list.labels.size(), 136u);
    EXPECT_EQ(list.labels[0], "Attack");
    EXPECT_EQ(list.labels[1], "Fire 1");
    EXPECT_EQ(list.labels[11], "Attack 11") << "spell byte 0 names element 0";
    EXPECT_EQ(list.invalidRecords, 1);
}

} // namespace
} // namespace talvek
