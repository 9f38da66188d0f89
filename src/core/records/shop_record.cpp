#include "shop_record.h"

#include "record_fields.h"

namespace talvek::shop {

int buyPrice(const RomImage &image, int entry)
{
    return readU16(image, kBuyPrices + 2 * entry);
}

int sellPrice(const RomImage &image, int itemId)
{
    return readU16(image, kSellPrices + 2 * itemId);
}

int sellItemOf(const Slot &slot)
{
    return slot.itemEntry ? *slot.itemEntry + 1 : 0;
}

ShopForm read(const RomImage &image, int s)
{
    ShopForm form;
    for (int k = 0; k < kSlotCount; ++k) {
        Slot &slot = form.shopSlots[static_cast<std::size_t>(k)];
        const std::uint8_t item = image.game(recordOffset(s) + 2 * k);
        const std::uint8_t price = image.game(recordOffset(s) + 2 * k + 1);
        if (item >= 1 && item <= kItemEntries)
            slot.itemEntry = item - 1;
        if (price >= kPriceCodeBase)
            slot.priceEntry = price - kPriceCodeBase;
        slot.buy = slot.priceEntry ? buyPrice(image, *slot.priceEntry) : 0;
        slot.sell = sellPrice(image, sellItemOf(slot));
    }
    return form;
}

void store(RomImage &image, int s, const ShopForm &form)
{
    for (int k = 0; k < kSlotCount; ++k) {
        const Slot &slot = form.shopSlots[static_cast<std::size_t>(k)];
        if (slot.itemEntry)
            image.setGame(recordOffset(s) + 2 * k, static_cast<std::uint8_t>(*slot.itemEntry + 1));
        if (slot.priceEntry)
            image.setGame(recordOffset(s) + 2 * k + 1, static_cast<std::uint8_t>(kPriceCodeBase + *slot.priceEntry));
    }
    for (const Slot &slot : form.shopSlots)
        if (slot.priceEntry)
            storeClampedU16(image, kBuyPrices + 2 * *slot.priceEntry, slot.buy);
    for (const Slot &slot : form.shopSlots)
        storeClampedU16(image, kSellPrices + 2 * sellItemOf(slot), slot.sell);
}

} // namespace talvek::shop
