#include "editor_fixture.h"
#include "editors/c_shop.h"

namespace talvek {
namespace {

class ShopEditorTest : public test::EditorFixture {
protected:
    static constexpr std::size_t shopAt(int s) { return 0x3861D + 8 * static_cast<std::size_t>(s); }
    [[nodiscard]] int word(std::size_t at) const { return image.bytes()[at] | (image.bytes()[at + 1] << 8); }
    static QComboBox *combo(CShop &dialog, const char *kind, int slot)
    {
        return find<QComboBox>(dialog, (kind + std::to_string(slot) + "Combo").c_str());
    }
};

TEST_F(ShopEditorTest, ListsTheShopsAndShowsSlots)
{
    openSample();
    CShop dialog(context());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Shop Editor"));
    auto *list = find<QListWidget>(dialog, "shopList");
    ASSERT_EQ(list->count(), 28);
    EXPECT_EQ(list->item(27)->text(), QStringLiteral("Talvek Passage - Magic"));
    EXPECT_EQ(combo(dialog, "item", 1)->count(), 192);
    EXPECT_EQ(combo(dialog, "item", 1)->itemText(0), QStringLiteral("--none--"));
    EXPECT_EQ(combo(dialog, "price", 1)->count(), 64);
    EXPECT_EQ(combo(dialog, "item", 1)->currentText(), QStringLiteral("Potion"));
    EXPECT_EQ(text(dialog, "buy1Edit"), QString::number(word(0x38190)));
    EXPECT_EQ(text(dialog, "sell1Edit"), QString::number(word(0x38010 + 2)));
}

TEST_F(ShopEditorTest, EmptySlotsHaveNoSellPriceAndCanBeMade)
{
    openSample();
    CShop dialog(context());
    selectRow(dialog, "shopList", 3); // slot 4 holds item byte 0
    EXPECT_EQ(combo(dialog, "item", 4)->currentText(), QStringLiteral("--none--"));
    EXPECT_FALSE(find<QLineEdit>(dialog, "sell4Edit")->isEnabled()) << "its value would land on item id 0";
    const int itemZeroPrice = word(0x38010);
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[shopAt(3) + 6], 0x00);
    EXPECT_EQ(word(0x38010), itemZeroPrice);

    choose(dialog, "item1Combo", 0); // the user empties slot 1
    EXPECT_FALSE(find<QLineEdit>(dialog, "sell1Edit")->isEnabled());
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[shopAt(3)], 0x00);
    EXPECT_EQ(word(0x38010), itemZeroPrice);
}

TEST_F(ShopEditorTest, PricesClampAndSharedEntriesReachOtherShops)
{
    openSample();
    CShop dialog(context());
    const int entry = image.bytes()[shopAt(0) + 1] - 0xC0;
    type(dialog, "buy1Edit", QStringLiteral("70000"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x38190 + 2 * static_cast<std::size_t>(entry)], 0xFF);
    EXPECT_EQ(image.bytes()[0x38191 + 2 * static_cast<std::size_t>(entry)], 0xFF);
    EXPECT_EQ(combo(dialog, "price", 1)->itemText(entry), QStringLiteral("65535")) << "the price lists are refilled";
    EXPECT_EQ(text(dialog, "buy1Edit"), QStringLiteral("65535"));
    // Shop 10 slot 1 uses the same price entry (40 entries are shared round the shops).
    selectRow(dialog, "shopList", 10);
    EXPECT_EQ(image.bytes()[shopAt(10) + 1] - 0xC0, entry);
    EXPECT_EQ(text(dialog, "buy1Edit"), QStringLiteral("65535"));
    EXPECT_EQ(savedFile(), image.bytes());
}

TEST_F(ShopEditorTest, ChangingAnItemResetsThatSlotsPriceOnly)
{
    openSample();
    CShop dialog(context());
    const auto before = image.bytes();
    type(dialog, "buy1Edit", QStringLiteral("77"));
    choose(dialog, "item3Combo", combo(dialog, "item", 3)->currentIndex()); // the entry it already shows
    EXPECT_EQ(text(dialog, "buy1Edit"), QStringLiteral("77")) << "nothing reset, no typing lost";
    EXPECT_EQ(combo(dialog, "price", 3)->currentIndex(), before[shopAt(0) + 5] - 0xC0);

    choose(dialog, "item3Combo", 10);
    EXPECT_EQ(combo(dialog, "price", 3)->currentIndex(), 0);
    EXPECT_EQ(text(dialog, "buy3Edit"), QString::number(word(0x38190)));
    EXPECT_EQ(text(dialog, "sell3Edit"), QString::number(word(0x38010 + 20)));
    EXPECT_EQ(combo(dialog, "price", 1)->currentIndex(), before[shopAt(0) + 1] - 0xC0);
    EXPECT_EQ(text(dialog, "buy1Edit"), QStringLiteral("77"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[shopAt(0) + 4], 10);
    EXPECT_EQ(image.bytes()[shopAt(0) + 5], 0xC0);
    for (std::size_t price : {1u, 3u, 7u})
        EXPECT_EQ(image.bytes()[shopAt(0) + price], before[shopAt(0) + price]);
    EXPECT_EQ(word(0x38190 + 2 * static_cast<std::size_t>(before[shopAt(0) + 1] - 0xC0)), 77);
}

TEST_F(ShopEditorTest, PickingAPriceWithoutTypingLeavesItUnchanged)
{
    openSample();
    CShop dialog(context());
    choose(dialog, "price1Combo", 5);
    EXPECT_EQ(text(dialog, "buy1Edit"), QString::number(word(0x38190 + 10)));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[shopAt(0) + 1], 0xC5);
    EXPECT_EQ(word(0x38190 + 10), test::sampleBytes()[0x38190 + 10] | (test::sampleBytes()[0x38191 + 10] << 8));
}

TEST_F(ShopEditorTest, LaterSlotWinsAndUnlistedBytesAreKept)
{
    openSample();
    CShop dialog(context());
    selectRow(dialog, "shopList", 4); // slot 3's item byte 0xC3 has no entry
    EXPECT_EQ(combo(dialog, "item", 3)->currentIndex(), -1);
    choose(dialog, "price1Combo", 7);
    choose(dialog, "price2Combo", 7);
    type(dialog, "buy1Edit", QStringLiteral("100"));
    type(dialog, "buy2Edit", QStringLiteral("200"));
    click(dialog, "saveButton");
    EXPECT_EQ(word(0x38190 + 14), 200);
    EXPECT_EQ(image.bytes()[shopAt(4) + 4], 0xC3);

    selectRow(dialog, "shopList", 5); // slot 2's price code 0x20 names no price
    EXPECT_EQ(combo(dialog, "price", 2)->currentIndex(), -1);
    const auto before = image.bytes();
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[shopAt(5) + 3], 0x20);
    EXPECT_EQ(std::vector<std::uint8_t>(image.bytes().begin() + 0x38190, image.bytes().begin() + 0x38210),
              std::vector<std::uint8_t>(before.begin() + 0x38190, before.begin() + 0x38210));
}

TEST_F(ShopEditorTest, ComboImageOffsets)
{
    openSample(SampleKind::Combo);
    CShop dialog(context());
    type(dialog, "sell1Edit", QStringLiteral("9"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x40000 + 0x38010 + 2], 9);
}

} // namespace
} // namespace talvek
