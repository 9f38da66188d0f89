#include <gtest/gtest.h>

#include "rom/release_identifier.h"
#include "sample/sample_names.h"
#include "test_support.h"
#include "text/text_codec.h"

namespace talvek {
namespace {

TEST(SampleImage, KindsHaveTheirSizesAndReleases)
{
    const struct {
        SampleKind kind;
        std::int64_t size;
        std::optional<Release> release;
        bool prototype;
    } cases[] = {
        {SampleKind::Standard, 0x40010, Release::VarnV103, false},
        {SampleKind::Combo, 0x80010, Release::ComboTranslation, false},
        {SampleKind::Prototype, 0x40010, Release::Prototype, true},
        {SampleKind::Gba, 0x1000000, std::nullopt, false},
    };
    for (const auto &c : cases) {
        const RomImage image(test::sampleBytes(c.kind), "s.nes");
        EXPECT_EQ(image.size(), c.size);
        EXPECT_EQ(matchRelease(image), c.release);
        EXPECT_EQ(image.isPrototype(), c.prototype);
    }
    const RomImage gba(test::sampleBytes(SampleKind::Gba), "s.gba");
    EXPECT_TRUE(identifyRelease(gba));
}

TEST(SampleImage, EveryNameDecodesWithTheShippedTable)
{
    for (SampleKind kind : {SampleKind::Standard, SampleKind::Combo}) {
        const RomImage image(test::sampleBytes(kind), "s.nes");
        const auto &table = test::shippedDteTable();
        EXPECT_EQ(decodeName(image, 1, table), "Potion");
        EXPECT_EQ(decodeName(image, 47, table), "Lost Letter");
        EXPECT_EQ(decodeName(image, 49, table), "Bronze Knife");
        EXPECT_EQ(decodeName(image, 111, table), "Dragon Bow");
        EXPECT_EQ(decodeName(image, 112, table), "Leather Helm");
        EXPECT_EQ(decodeName(image, 0x7A, table), "Leather Mail");
        EXPECT_EQ(decodeName(image, 0x8E, table), "Leather Gloves");
        EXPECT_EQ(decodeName(image, 152, table), "[book]Fire");
        EXPECT_EQ(decodeName(image, 192, table), "Fire");
        EXPECT_EQ(decodeName(image, 232, table), "Attack");
        EXPECT_EQ(decodeName(image, 255, table), "Ice Lord");
        for (int k = 1; k < 256; ++k)
            EXPECT_FALSE(decodeName(image, k, table).empty()) << k;
    }
}

TEST(SampleImage, ComboKeepsAFinalFantasy1Half)
{
    const auto bytes = test::sampleBytes(SampleKind::Combo);
    EXPECT_NE(bytes[0x1234], 0);
    EXPECT_EQ(std::string(bytes.begin() + 0x7FFF0, bytes.begin() + 0x80000), "FINAL FANTASY1/2");
}

} // namespace
} // namespace talvek
