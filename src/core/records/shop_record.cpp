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

bool sells(const Slot &slot)
{
    return slot.itemId.value_or(0) > 0;
}

ShopForm read(const RomImage &image, int s)
{
    ShopForm form;
    for (int k = 0; k < kSlotCount; ++k) {
        Slot &slot = form.shopSlots[static_cast<std::size_t>(k)];
        const std::uint8_t item = image.game(recordOffset(s) + 2 * k);
        const std::uint8_t price = image.game(recordOffset(s) + 2 * k + 1);
        if (item <= kItemEntries)
            slot.itemId = item;
        if (price >= kPriceCodeBase)
            slot.priceEntry = price - kPriceCodeBase;
        if (slot.priceEntry)
            slot.buy = buyPrice(image, *slot.priceEntry);
        if (sells(slot))
            slot.sell = sellPrice(image, *slot.itemId);
    }
    return form;
}

void store(RomImage &image, int s, const ShopForm &form)
{
    for (int k = 0; k < kSlotCount; ++k) {
        const Slot &slot = form.shopSlots[static_cast<std::size_t>(k)];
        if (slot.itemId)
            image.setGame(recordOffset(s) + 2 * k, static_cast<std::uint8_t>(*slot.itemId));
        if (slot.priceEntry)
            image.setGame(recordOffset(s) + 2 * k + 1, static_cast<std::uint8_t>(kPriceCodeBase + *slot.priceEntry));
    }
    for (const Slot &slot : form.shopSlots)
        if (slot.priceEntry)
            storeTypedU16(image, kBuyPrices + 2 * *slot.priceEntry, slot.buy);
    // An empty slot has no sell price: item id 0's entry is written by no slot.
    for (const Slot &slot : form.shopSlots)
        if (sells(slot))
            storeTypedU16(image, kSellPrices + 2 * *slot.itemId, slot.sell);
}

} // namespace talvek::shop
