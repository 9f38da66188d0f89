#include <gtest/gtest.h>

#include "records/armor_json.h"
#include "records/armor_record.h"
#include "test_support.h"

namespace talvek {
namespace {

TEST(ArmorRecord, StoreClampsAndKeepsAnUnlistedStatBoost)
{
    RomImage image(test::sampleBytes(), "a.nes");
    armor::ArmorForm form;
    form.defense = 300;
    form.evadePenalty = -5;
    form.intSoulPenalty = 7;
    form.elementalDefense = 0xA5;
    form.magicDefense = 255;
    image.setGame(armor::recordOffset(40) + armor::StatBoost, 0x09);
    armor::store(image, 40, form);
    EXPECT_EQ(image.bytes()[0x30100], 255);
    EXPECT_EQ(image.bytes()[0x30101], 0);
    EXPECT_EQ(image.bytes()[0x30102], 7);
    EXPECT_EQ(image.bytes()[0x30103], 0xA5);
    EXPECT_EQ(image.bytes()[0x30104], 0x09) << "no entry chosen: the stored byte stays";
    EXPECT_EQ(image.bytes()[0x30105], 255);
    EXPECT_EQ(image.bytes()[0x30106], test::sampleBytes()[0x30106]) << "the next table is untouched";
}

TEST(ArmorRecord, StatBoostPositions)
{
    EXPECT_EQ(armor::kStatBoostList.positionOf(0xFF), 0);
    EXPECT_EQ(armor::kStatBoostList.positionOf(0x00), 1);
    EXPECT_EQ(armor::kStatBoostList.positionOf(0x05), 6);
    EXPECT_FALSE(armor::kStatBoostList.positionOf(0x06));
    EXPECT_EQ(armor::kStatBoostList.byteAt(0), 0xFF);
    EXPECT_EQ(armor::kStatBoostList.byteAt(6), 0x05);
}

TEST(ArmorRecord, ComboImageMovesRecordsAndNames)
{
    RomImage image(test::sampleBytes(SampleKind::Combo), "c.nes");
    EXPECT_EQ(armor::rowName(image, 1, test::shippedDteTable()), "Leather Helm");
    image.bytes()[0x40000 + 0x30010] = 42;
    EXPECT_EQ(armor::read(image, 0).defense, 42);
}

} // namespace
} // namespace talvek
