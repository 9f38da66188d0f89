#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "rom/rom_file.h"
#include "rom/rom_image.h"
#include "test_support.h"

namespace talvek {
namespace {

struct SizeCase {
    std::int64_t size;
    SizeClass sizeClass;
    std::int64_t romBase;
    bool holdsLayout;
};

void PrintTo(const SizeCase &c, std::ostream *out)
{
    *out << c.size << " bytes";
}

class SizeClassTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeClassTest, ClassAndBaseFollowTheSizeAlone)
{
    const auto &c = GetParam();
    const RomImage image(std::vector<std::uint8_t>(static_cast<std::size_t>(c.size)), "x.nes");
    EXPECT_EQ(image.sizeClass(), c.sizeClass);
    EXPECT_EQ(image.romBase(), c.romBase);
    EXPECT_EQ(image.holdsGameLayout(), c.holdsLayout);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SizeClassTest,
                         ::testing::Values(SizeCase{0x40010, SizeClass::Ff2, 0, true},
                                           SizeCase{0x40011, SizeClass::Unknown, 0, true},
                                           SizeCase{0x4000F, SizeClass::Unknown, 0, false},
                                           SizeCase{0x80010, SizeClass::Combo, 0x40000, true},
                                           SizeCase{0x1000000, SizeClass::Gba, 0, true},
                                           SizeCase{1000, SizeClass::Unknown, 0, false},
                                           SizeCase{0, SizeClass::Unknown, 0, false}),
                         [](const ::testing::TestParamInfo<SizeCase> &info) {
                             std::ostringstream name;
                             name << "Bytes0x" << std::hex << std::uppercase << info.param.size;
                             return name.str();
                         });

TEST(RomImage, ComboImageAddressesTheUpperHalf)
{
    auto bytes = test::sampleBytes(SampleKind::Combo);
    bytes[0x40F90] = 0xAB;
    RomImage image(std::move(bytes), "combo.nes");
    EXPECT_EQ(image.game(0xF90), 0xAB);
    image.setGame(0xF91, 0xCD);
    EXPECT_EQ(image.bytes()[0x40F91], 0xCD);
}

TEST(RomImage, AccessOutsideTheBufferIsHarmless)
{
    RomImage image(std::vector<std::uint8_t>(16, 0x11), "tiny.nes");
    EXPECT_EQ(image.at(16), 0);
    EXPECT_EQ(image.at(-1), 0);
    image.setGame(0x3FFFF, 0x22);
    EXPECT_EQ(image.bytes(), std::vector<std::uint8_t>(16, 0x11));
}

struct PrototypeCase {
    const char *label;
    std::int64_t size;
    std::int64_t signatureAt;
    const char *signature;
    bool prototype;
};

void PrintTo(const PrototypeCase &c, std::ostream *out)
{
    *out << c.label;
}

class PrototypeDetectionTest : public ::testing::TestWithParam<PrototypeCase> {};

TEST_P(PrototypeDetectionTest, SignatureAtBasePlus3FFF0)
{
    const auto &c = GetParam();
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(c.size));
    if (c.signatureAt >= 0)
        std::copy_n(c.signature, 16, bytes.begin() + c.signatureAt);
    EXPECT_EQ(RomImage(std::move(bytes), "p.nes").isPrototype(), c.prototype) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrototypeDetectionTest,
    ::testing::Values(PrototypeCase{"plain image", 0x40010, 0x3FFF0, " FINAL FANTASY 2", true},
                      PrototypeCase{"combo upper half", 0x80010, 0x7FFF0, " FINAL FANTASY 2", true},
                      PrototypeCase{"combo lower half only", 0x80010, 0x3FFF0, " FINAL FANTASY 2", false},
                      PrototypeCase{"combo title", 0x80010, 0x7FFF0, "FINAL FANTASY1/2", false},
                      PrototypeCase{"unrecognised size", 0x40011, 0x3FFF0, " FINAL FANTASY 2", true},
                      PrototypeCase{"too small", 0x40000, 0x3FFF0, " FINAL FANTASY 2", false},
                      PrototypeCase{"nothing there", 0x40010, -1, "", false}),
    [](const ::testing::TestParamInfo<PrototypeCase> &info) {
        std::string name = info.param.label;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(RomImage, ReloadingClearsThePrototypeFlag)
{
    test::TempDir dir;
    const auto prototype = dir.write("proto.nes", test::sampleBytes(SampleKind::Prototype));
    const auto standard = dir.write("std.nes", test::sampleBytes(SampleKind::Standard));
    auto image = readRomFile(prototype);
    ASSERT_TRUE(image && image->isPrototype());
    image = readRomFile(standard);
    ASSERT_TRUE(image);
    EXPECT_FALSE(image->isPrototype());
    EXPECT_EQ(image->path(), standard);
}

} // namespace
} // namespace talvek
