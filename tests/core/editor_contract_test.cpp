#include <gtest/gtest.h>

#include "rom/editor_contract.h"
#include "test_support.h"

namespace talvek {
namespace {

TEST(EditorContract, SixteenMebibyteImageIsRefusedWithEachEditorsMessage)
{
    const RomImage gba(std::vector<std::uint8_t>(kGbaImageSize), "g.gba");
    const std::pair<EditorKind, const char *> cases[] = {
        {EditorKind::Armor, "New gear?!"},
        {EditorKind::Character, "Haven't even found this yet."},
        {EditorKind::Monster, "New monsters?!"},
        {EditorKind::Spells, "Whoa! Spells don't suck!"},
        {EditorKind::Weapon, "That'd be nice, huh?"},
        {EditorKind::Text, "This could potentially be the easiest to find."},
        {EditorKind::Shop, "I'm not that smart yet."},
        {EditorKind::Font, "The font looks compressed, as do all the graphics. *sigh*"},
        {EditorKind::Formation, "*sigh*"},
    };
    for (const auto &[kind, message] : cases)
        EXPECT_EQ(editorRefusal(kind, gba), message);
}

TEST(EditorContract, OtherSizesOpenWhenTheLayoutFits)
{
    for (std::size_t size : {std::size_t(0x40010), std::size_t(0x40011), std::size_t(0x80010), std::size_t(600000)})
        EXPECT_FALSE(editorRefusal(EditorKind::Monster, RomImage(std::vector<std::uint8_t>(size), "r.nes")))
            << size;
}

TEST(EditorContract, TooSmallOrMissingImagesAreRefusedClearly)
{
    const auto small = editorRefusal(EditorKind::Armor, RomImage(std::vector<std::uint8_t>(1000), "s.nes"));
    ASSERT_TRUE(small);
    EXPECT_NE(small->find("1000 bytes"), std::string::npos);
    EXPECT_NE(small->find("262160"), std::string::npos);
    EXPECT_TRUE(editorRefusal(EditorKind::Armor, RomImage{}));
}

} // namespace
} // namespace talvek
