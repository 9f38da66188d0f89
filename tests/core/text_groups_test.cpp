#include <gtest/gtest.h>

#include "rom/rom_image.h"
#include "test_support.h"
#include "text/keyword_list.h"
#include "text/text_codec.h"
#include "text/text_groups.h"

namespace talvek {
namespace {

TEST(TextGroups, LocationsOfEachKind)
{
    const RomImage image(test::sampleBytes(), "s.nes");
    const auto items = locateTextEntry(image, 0, 0);
    EXPECT_EQ(items.pointerLocation, 0x28212);
    EXPECT_EQ(items.pointerValue, image.bytes()[0x28212] | (image.bytes()[0x28213] << 8));
    EXPECT_EQ(items.textLocation, items.pointerValue + 0x20010);
    EXPECT_EQ(locateTextEntry(image, kMiscellaneousGroup, 9).pointerLocation, 0x2826E);
    EXPECT_EQ(locateTextEntry(image, kMiscellaneousGroup, 8).pointerLocation, 0x283E0 + 16);
    for (int n : {0, 1, 2}) {
        const auto character = locateTextEntry(image, kCharactersGroup, n);
        EXPECT_FALSE(character.pointerLocation);
        EXPECT_EQ(character.textLocation, 0xF92 + 0x80 * n);
    }
    EXPECT_EQ(locateTextEntry(image, kPrologueGroup, 0).textLocation, 0x2B91A);
    EXPECT_FALSE(locateTextEntry(image, kEpilogueGroup, 0).textLocation);
    EXPECT_EQ(locateTextEntry(image, 13, 79).pointerLocation, 0x37F12 + 2 * 79);

    const RomImage prototype(test::sampleBytes(SampleKind::Prototype), "p.nes");
    EXPECT_EQ(locateTextEntry(prototype, kPrologueGroup, 0).textLocation, 0x2BBAA);
    const RomImage combo(test::sampleBytes(SampleKind::Combo), "c.nes");
    const auto comboItems = locateTextEntry(combo, 0, 0);
    EXPECT_EQ(comboItems.pointerLocation, 0x68212);
    EXPECT_EQ(comboItems.textLocation, comboItems.pointerValue + 0x60010);
    EXPECT_EQ(locateTextEntry(combo, kCharactersGroup, 8).textLocation, 0x40000 + 0xF92 + 0x400);
}

TEST(TextGroups, LabelsAndContents)
{
    const RomImage image(test::sampleBytes(), "s.nes");
    const auto &dte = test::shippedDteTable();
    EXPECT_EQ(textEntryLabels(image, 0, dte).front(), "Potion");
    EXPECT_EQ(textEntryLabels(image, 4, dte).at(40), "Tackle") << "Spells 2 lies in bank 0xC010";
    EXPECT_EQ(textEntryLabels(image, 7, dte).at(0), "Goblin");
    EXPECT_EQ(textEntryLabels(image, 7, dte).size(), 128u);
    EXPECT_EQ(textEntryLabels(image, 8, dte).at(0), "Critical hit!");
    EXPECT_EQ(textEntryLabels(image, kCharactersGroup, dte).at(3), "      ");
    EXPECT_EQ(textEntryLabels(image, kMiscellaneousGroup, dte).at(9), "Lost Letter");
    EXPECT_EQ(textEntryLabels(image, 12, dte).at(255), "Dialogue 255");
    EXPECT_TRUE(textEntryLabels(image, kEpilogueGroup, dte).empty());

    const auto keywords = KeywordList::build(image, dte);
    const auto dialogue = readTextEntry(image, 11, locateTextEntry(image, 11, 2), dte, keywords);
    EXPECT_EQ(dialogue.text, "[F]Yes\\n[F]No");
    EXPECT_EQ(dialogue.fingerParameter, 3);
    EXPECT_EQ(readTextEntry(image, 11, locateTextEntry(image, 11, 1), dte, keywords).text,
              "C1*: We need the Mythril.\\nWhere is it?");
}

TEST(TextGroups, StoredLengthFollowsTheTextKind)
{
    std::vector<std::uint8_t> bytes(0x40010, 0x8A);
    bytes[0x1000] = 0x8A;
    bytes[0x1001] = 0x16;
    bytes[0x1002] = 0x00; // a finger parameter of 0, not the end
    bytes[0x1003] = 0x8A;
    bytes[0x1004] = 0x00;
    const RomImage image(std::move(bytes), "x.nes");
    const TextEntryLocation at{std::nullopt, 0, 0x1000};
    EXPECT_EQ(storedTextLength(image, 11, at), 5);
    EXPECT_EQ(storedTextLength(image, 0, at), 3) << "outside dialogue 0x16 is an ordinary byte";
    EXPECT_EQ(storedTextLength(image, kCharactersGroup, at), 6);
    EXPECT_EQ(storedTextLength(image, 0, {std::nullopt, 0, 0x40000}), 16) << "no terminator: up to the end";
    EXPECT_EQ(storedTextLength(image, 0, {std::nullopt, 0, 0x50000}), 0) << "a pointer past the end";
}

TEST(TextGroups, EncodingRulesByGroup)
{
    const auto &dte = test::shippedDteTable();
    KeywordList keywords;
    keywords.set(9, "Rose");
    EXPECT_EQ(encodeTextEntry(kCharactersGroup, "Al", dte, keywords, 0),
              (std::vector<std::uint8_t>{0x8A, 0xAF, 0xFF, 0xFF, 0xFF, 0xFF}))
        << "padded with the space, no terminator";
    EXPECT_EQ(encodeTextEntry(kCharactersGroup, "ABCDEFGH", dte, keywords, 0).size(), 6u) << "cut to six bytes";
    EXPECT_EQ(encodeTextEntry(11, "Rose", dte, keywords, 0), (std::vector<std::uint8_t>{0x18, 9, 0}));
    EXPECT_EQ(encodeTextEntry(0, "Rose", dte, keywords, 0).front(), 0x9B) << "no keywords in names";
}

TEST(TextGroups, StoreWritesInPlaceAndNeverPastTheEnd)
{
    RomImage image(std::vector<std::uint8_t>(0x40010, 0x55), "x.nes");
    const TextEntryLocation named{0x100, 0x1234, 0x2000};
    EXPECT_TRUE(storeTextEntry(image, named, {1, 2, 0}, 0xBEEF));
    EXPECT_EQ(image.bytes()[0x100], 0xEF);
    EXPECT_EQ(image.bytes()[0x101], 0xBE);
    EXPECT_EQ(image.bytes()[0x2002], 0);
    const auto before = image.bytes();
    EXPECT_FALSE(storeTextEntry(image, {0x100, 0, 0x4000E}, {1, 2, 3}, 0x1111));
    EXPECT_FALSE(storeTextEntry(image, {std::nullopt, 0, std::nullopt}, {1}, 0));
    EXPECT_EQ(image.bytes(), before) << "nothing written, the pointer neither";
}

TEST(TextGroups, LineBreakForms)
{
    EXPECT_EQ(toTableLineBreaks("a\r\nb\nc"), "a\\nb\\nc");
    EXPECT_EQ(toEditLineBreaks("a\\nb"), "a\nb");
}

TEST(TextGroups, SampleDialogueReencodesToTheSameBytes)
{
    const RomImage image(test::sampleBytes(), "s.nes");
    const auto &dte = test::shippedDteTable();
    const auto keywords = KeywordList::build(image, dte);
    for (int group : {11, 12, 13})
        for (int n = 0; n < kTextGroups[static_cast<std::size_t>(group)].entries; ++n) {
            const auto location = locateTextEntry(image, group, n);
            const auto content = readTextEntry(image, group, location, dte, keywords);
            const auto bytes = encodeTextEntry(group, content.text, dte, keywords, content.fingerParameter.value_or(0));
            const auto stored = storedTextLength(image, group, location);
            ASSERT_EQ(static_cast<std::int64_t>(bytes.size()), stored) << group << "/" << n;
            ASSERT_TRUE(std::equal(bytes.begin(), bytes.end(), image.bytes().begin() + *location.textLocation))
                << group << "/" << n;
        }
}

} // namespace
} // namespace talvek
