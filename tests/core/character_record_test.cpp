#include <gtest/gtest.h>

#include "records/character_record.h"
#include "test_support.h"

namespace talvek {
namespace {

using namespace character;

TEST(CharacterRecord, StoreClampsAsTheGameNeeds)
{
    RomImage image(test::sampleBytes(), "c.nes");
    CharacterForm form = read(image, 8);
    form.hpMp = {70000, 0, -3, 500};
    form.stats = {100, 99, 0, -1, 50};
    form.skills[0].level = 0;
    form.skills[1].level = 17;
    form.skills[2].exp = 150;
    form.evade = {0, 120};
    form.magicDefense = {16, 99};
    store(image, 8, form);
    const std::size_t at = 0x1390;
    EXPECT_EQ(image.bytes()[at + 0x08], 0xFF);
    EXPECT_EQ(image.bytes()[at + 0x09], 0xFF);
    EXPECT_EQ(image.bytes()[at + 0x0C], 0);
    EXPECT_EQ(image.bytes()[at + 0x0E], 500 & 0xFF);
    EXPECT_EQ(image.bytes()[at + 0x0F], 500 >> 8);
    EXPECT_EQ(image.bytes()[at + 0x10], 99);
    EXPECT_EQ(image.bytes()[at + 0x13], 0);
    EXPECT_EQ(image.bytes()[at + 0x40], 0x00) << "level 0 stores 0 and shows 1";
    EXPECT_EQ(image.bytes()[at + 0x42], 0x0F) << "level 17 stores 0x0F and shows 16";
    EXPECT_EQ(image.bytes()[at + 0x45], 99);
    EXPECT_EQ(image.bytes()[at + 0x70], 0);
    EXPECT_EQ(image.bytes()[at + 0x71], 99);
    EXPECT_EQ(image.bytes()[at + 0x72], 15);
    EXPECT_EQ(read(image, 8).skills[0].level, 1);
    EXPECT_EQ(read(image, 8).skills[1].level, 16);
}

TEST(CharacterRecord, BytesTheEditorDoesNotOwnAreNeverWritten)
{
    auto bytes = test::sampleBytes();
    for (int offset : {0x01, 0x15, 0x16, 0x17, 0x18, 0x20, 0x24, 0x26, 0x2F, 0x74, 0x76, 0x7F})
        bytes[0xF90 + 0x80 * 4 + offset] = 0xA5;
    RomImage image(bytes, "c.nes");
    store(image, 4, read(image, 4));
    for (int offset : {0x01, 0x15, 0x16, 0x17, 0x18, 0x20, 0x24, 0x26, 0x2F, 0x74, 0x76, 0x7F})
        EXPECT_EQ(image.bytes()[0xF90 + 0x80 * 4 + offset], 0xA5) << offset;
}

TEST(CharacterRecord, GilIsClampedToSevenDigits)
{
    RomImage image(test::sampleBytes(), "c.nes");
    storeGil(image, 12345678);
    EXPECT_EQ(image.bytes()[0xB0C], 0x7F);
    EXPECT_EQ(image.bytes()[0xB0D], 0x96);
    EXPECT_EQ(image.bytes()[0xB0E], 0x98);
    EXPECT_EQ(readGil(image), 9999999);
    storeGil(image, -1);
    EXPECT_EQ(readGil(image), 0);
}

TEST(CharacterRecord, NamesAndBuiltInNames)
{
    const RomImage image(test::sampleBytes(), "c.nes");
    EXPECT_EQ(displayName(image, 0, test::shippedDteTable()), "Aldo  ") << "all six bytes, padded with spaces";
    EXPECT_EQ(displayName(image, 3, test::shippedDteTable()), "Minh") << "six spaces: the built-in name";
    EXPECT_EQ(displayName(image, 8, test::shippedDteTable()), "Leon   ") << "\"on\" is one pair byte";
}

TEST(CharacterRecord, ListPositionsOfSpellsAndEquipment)
{
    EXPECT_EQ(kSpellList.positionOf(0xC0), 1);
    EXPECT_EQ(kSpellList.positionOf(0xE7), 40);
    EXPECT_EQ(kSpellList.positionOf(0), 0);
    EXPECT_FALSE(kSpellList.positionOf(0xE8));
    EXPECT_EQ(kHandList.byteAt(63), 0x6F);
    EXPECT_EQ(kHeadList.positionOf(0x79), 10);
    EXPECT_FALSE(kHeadList.positionOf(0x7A));
    EXPECT_EQ(kBodyList.byteAt(1), 0x7A);
    EXPECT_EQ(kGloveList.byteAt(10), 0x97);
    EXPECT_EQ(kBeltList.positionOf(0xBF), 191);
    EXPECT_FALSE(kBeltList.positionOf(0xC0));

    const RomImage image(test::sampleBytes(), "c.nes");
    const auto gord = read(image, 5);
    EXPECT_FALSE(gord.equipment[Head]) << "head byte 0x9A has no entry";
    EXPECT_EQ(read(image, 0).spells[0], 1);
    EXPECT_EQ(read(image, 0).spells[1], 40);
    EXPECT_EQ(read(image, 1).leftHanded, true);
    EXPECT_EQ(read(image, 0).leftHanded, false);
    EXPECT_FALSE(read(image, 7).leftHanded) << "byte 0 is neither the row nor row + 0x80";
}

TEST(CharacterRecord, HandRule)
{
    const struct {
        int changed, other, expected;
    } cases[] = {{10, 20, 20}, {56, 20, 0}, {63, 0, 0}, {10, 56, 0}, {55, 55, 55}, {0, 60, 0}, {-1, 5, 5}};
    for (const auto &c : cases)
        EXPECT_EQ(otherHandAfterChange(c.changed, c.other), c.expected) << c.changed << " " << c.other;
}

TEST(CharacterRecord, PartyRowRule)
{
    const struct {
        std::array<int, 9> rows;
        int row0After;
    } cases[] = {
        {{0, 0, 0, 1, 1, 0, 1, 1, 1}, 1},
        {{0, 0, 0, 1, 1, 1, 1, 1, 0}, 1},
        {{0, 0, 0, 1, 1, 1, 1, 1, 1}, 0}, // none of 3 to 8 in the back row
        {{0, 1, 0, 0, 0, 0, 0, 0, 0}, 0}, // one of 0 to 2 in front
        {{0, 0, 0, 7, 7, 7, 7, 7, 0}, 1},
    };
    for (const auto &c : cases) {
        RomImage image(test::sampleBytes(), "c.nes");
        for (int i = 0; i < 9; ++i)
            image.setGame(recordOffset(i) + kRow, static_cast<std::uint8_t>(c.rows[static_cast<std::size_t>(i)]));
        applyPartyRowRule(image);
        EXPECT_EQ(image.game(recordOffset(0) + kRow), c.row0After);
        for (int i = 1; i < 9; ++i)
            EXPECT_EQ(image.game(recordOffset(i) + kRow), c.rows[static_cast<std::size_t>(i)]);
    }
}

TEST(CharacterRecord, ComboImageOffsets)
{
    RomImage image(test::sampleBytes(SampleKind::Combo), "c.nes");
    EXPECT_EQ(displayName(image, 3, test::shippedDteTable()), "Minh");
    storeGil(image, 1);
    EXPECT_EQ(image.bytes()[0x40B0C], 1);
    CharacterForm form = read(image, 8);
    form.hpMp[0] = 0x1234;
    store(image, 8, form);
    EXPECT_EQ(image.bytes()[0x41390 + 8], 0x34);
    EXPECT_EQ(image.bytes()[0x41390 + 9], 0x12);
}

} // namespace
} // namespace talvek
