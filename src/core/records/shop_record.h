#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "record_fields.h"
#include "rom/rom_image.h"

namespace talvek::shop {

// 28 shops of 8 bytes at 0x3861D: four slots of an item id and a buy price code (0xC0 + price number).
inline constexpr std::int64_t kTableOffset = 0x3861D;
inline constexpr int kRecordSize = 8;
inline constexpr int kRecordCount = 28;
inline constexpr int kSlotCount = 4;
// 64 shared buy prices and one sell price per item id 0 to 191, 16-bit each.
inline constexpr std::int64_t kBuyPrices = 0x38190;
inline constexpr int kBuyPriceCount = 64;
inline constexpr std::int64_t kSellPrices = 0x38010;
inline constexpr int kSellPriceCount = 192;
inline constexpr std::uint8_t kPriceCodeBase = 0xC0;
inline constexpr int kItemEntries = 191; // item ids 1 to 191; the drop-downs list "--none--" (id 0) first

inline constexpr std::array<std::string_view, kRecordCount> kShopLabels{{
    "Altea - Weapon", "Altea - Armor", "Altea - Magic", "Altea - Mithril Weapon", "Altea - Mithril Armor",
    "Gatea - Weapon", "Gatea - Armor", "Poft - Weapon", "Poft - Armor", "Poft - Magic", "Unknown - Mithril",
    "Salamando - Weapon", "Salamando - Armor", "Salamando - Magic", "Bofsk - Weapon", "Bofsk - Armor",
    "Bofsk - Magic", "Phin - Weapon", "Phin - Armor", "Phin - Magic", "Mysidia - Weapon", "Mysidia - Armor",
    "Mysidia - Magic", "Tropical Island - Misc.", "Item 1", "Item 2", "Item 3", "Talvek Passage - Magic"}};

[[nodiscard]] constexpr std::int64_t recordOffset(int s) { return kTableOffset + kRecordSize * s; }
[[nodiscard]] int buyPrice(const RomImage &image, int entry);
[[nodiscard]] int sellPrice(const RomImage &image, int itemId);

struct Slot {
    std::optional<int> itemId;     // 0 for an empty slot; none for a byte past the item list, which is kept
    std::optional<int> priceEntry; // none for a code below 0xC0
    Typed buy;                     // as typed; none: the buy price is kept
    Typed sell;                    // the item's sell price; an empty slot has none
};
struct ShopForm {
    std::array<Slot, kSlotCount> shopSlots{};
};

// Whether a slot holds an item with a sell price of its own (not empty, not past the list).
[[nodiscard]] bool sells(const Slot &slot);

[[nodiscard]] ShopForm read(const RomImage &image, int s);
// Item and price bytes (a slot without a choice keeps its byte), then the typed buy prices and the typed
// sell prices slot by slot, so the later slot wins on a shared entry; clamped to 0..65535.
void store(RomImage &image, int s, const ShopForm &form);

} // namespace talvek::shop
