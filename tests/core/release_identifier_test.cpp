#include <gtest/gtest.h>

#include "rom/release_identifier.h"
#include "test_support.h"

namespace talvek {
namespace {

const std::string kDefault = "Well, whatever you loaded isn't FF2.\n\nSAVE AT YOUR OWN RISK!";

RomImage stamped(SampleKind kind, Release release)
{
    auto bytes = test::sampleBytes(kind);
    SampleImageBuilder::stampRelease(bytes, kind == SampleKind::Combo ? kComboRomBase : 0, release);
    return RomImage(std::move(bytes), "x.nes");
}

struct RowCase {
    const char *name; // the test's name: the release, and the image kind where it matters
    Release release;
    SampleKind kind;
    std::string messageStart;
    std::string caption;
};

void PrintTo(const RowCase &c, std::ostream *out)
{
    *out << c.name;
}

class ReleaseRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(ReleaseRowTest, EachSignatureNamesItsRelease)
{
    const auto &c = GetParam();
    const auto message = identifyRelease(stamped(c.kind, c.release));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text.substr(0, c.messageStart.size()), c.messageStart);
    EXPECT_EQ(message->caption, c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReleaseRowTest,
    ::testing::Values(
        RowCase{"JapaneseCart", Release::JapaneseCart, SampleKind::Standard, "This looks like the Original Japanese version.\n\n", ""},
        RowCase{"VarnIncomplete", Release::VarnIncomplete, SampleKind::Standard,
                "This looks like Varn's incomplete translation.\n\nThe editor doesn't support", ""},
        RowCase{"VarnV093", Release::VarnV093, SampleKind::Standard,
                "This looks like Varn's translation, v.93.\n\nEverything is supported for this version.", ""},
        RowCase{"VarnV103", Release::VarnV103, SampleKind::Standard, "This looks like Varn's translation, v1.03.\n\nEverything", ""},
        RowCase{"FinalFantasy1", Release::FinalFantasy1, SampleKind::Standard, "I see what you are trying to do...", "Final Fantasy 1"},
        RowCase{"VarnV10", Release::VarnV10, SampleKind::Standard, "This looks like Varn's translation, v1.0.\n\n", ""},
        RowCase{"Prototype", Release::Prototype, SampleKind::Standard,
                "This looks like the prototype cart. Everything is supported for this version.", ""},
        RowCase{"PrototypeCombo", Release::Prototype, SampleKind::Combo,
                "This looks like the Final Fantasy 1 + Final Fantasy 2 combo cart.\n\nONLY the Final Fantasy 2 "
                "portion of this cart is supported.\n\nThis instance is also the Prototype.",
                ""},
        RowCase{"VarnV103Quorin", Release::VarnV103Quorin, SampleKind::Standard,
                "This looks like Varn's translation, v1.03, with Quorin's title screen fix.", ""},
        RowCase{"ComboTranslation", Release::ComboTranslation, SampleKind::Combo,
                "This looks like the Final Fantasy 1 + Final Fantasy 2 combo cart.\n\nONLY the Final Fantasy 2 "
                "portion of this cart is supported.\n\nThis instance is also some version of Varn's translation.",
                ""}),
    [](const ::testing::TestParamInfo<RowCase> &info) { return std::string(info.param.name); });

TEST(CheckVersion, FullMessagesAreExact)
{
    EXPECT_EQ(identifyRelease(stamped(SampleKind::Standard, Release::JapaneseCart))->text,
              "This looks like the Original Japanese version.\n\nIt is recommended that you update your ROM with the "
              "IPS file included.");
    EXPECT_EQ(identifyRelease(stamped(SampleKind::Standard, Release::VarnIncomplete))->text,
              "This looks like Varn's incomplete translation.\n\nThe editor doesn't support the text used in this "
              "version.\n\nIt is recommended you update your ROM with the .IPS file included.");
    EXPECT_EQ(identifyRelease(stamped(SampleKind::Standard, Release::FinalFantasy1))->text,
              "I see what you are trying to do... If you want to edit Final Fantasy 1 THAT badly, I guess I'll let "
              "you. NOT quite yet though.");
}

TEST(CheckVersion, HeaderByteSixSeparatesRowsWithTheSameTitle)
{
    EXPECT_EQ(matchRelease(stamped(SampleKind::Standard, Release::JapaneseCart)), Release::JapaneseCart);
    EXPECT_EQ(matchRelease(stamped(SampleKind::Standard, Release::Prototype)), Release::Prototype);
    EXPECT_EQ(matchRelease(stamped(SampleKind::Standard, Release::VarnV093)), Release::VarnV093);
    EXPECT_EQ(matchRelease(stamped(SampleKind::Standard, Release::VarnV103)), Release::VarnV103);
}

TEST(CheckVersion, AnyStrayHeaderByteFallsToTheDefault)
{
    for (std::size_t at = 7; at <= 15; ++at) {
        RomImage image = stamped(SampleKind::Standard, Release::VarnV103);
        image.bytes()[at] = 1;
        EXPECT_EQ(identifyRelease(image)->text, kDefault) << "byte " << at;
    }
    RomImage image = stamped(SampleKind::Standard, Release::VarnIncomplete);
    image.bytes()[15] = 'D';
    EXPECT_EQ(identifyRelease(image)->text, kDefault);
}

TEST(CheckVersion, SizesOutsideTheNesRange)
{
    EXPECT_EQ(identifyRelease(RomImage(std::vector<std::uint8_t>(600000), "big.nes"))->text, kDefault);
    EXPECT_EQ(identifyRelease(RomImage(std::vector<std::uint8_t>(1000), "small.nes"))->text, kDefault);
    EXPECT_EQ(identifyRelease(RomImage({}, "empty.nes"))->text, kDefault);

    // A 600,000-byte file carrying a valid NES signature is still not recognised.
    auto bytes = test::sampleBytes();
    bytes.resize(600000);
    EXPECT_EQ(identifyRelease(RomImage(std::move(bytes), "big.nes"))->text, kDefault);
}

TEST(CheckVersion, SixteenMebibyteImages)
{
    EXPECT_FALSE(identifyRelease(RomImage(std::vector<std::uint8_t>(kGbaImageSize), "other.gba")))
        << "another game: no message at all";
    const auto message = identifyRelease(RomImage(test::sampleBytes(SampleKind::Gba), "dos.gba"));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->caption, "Give it time... it'll happen");
    EXPECT_EQ(message->text,
              "Ahhh, I see you have loaded Final Fantasy 1 & 2: Dawn of Souls. It's too bad nothing is supported for "
              "this yet. :(\n\nGood thing this is 16 megs, any bigger and you could have trouble...");
}

} // namespace
} // namespace talvek
