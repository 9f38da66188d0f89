#include "shop_formation_json.h"

#include <set>

#include "formation_record.h"
#include "monster_record.h"
#include "record_fields.h"
#include "rom/read_trace.h"
#include "shop_record.h"
#include "text/text_codec.h"

namespace talvek::shop {

using json_support::asInteger;
using json_support::checkedIndex;
using json_support::importTable;
using json_support::Json;

namespace {

Json slotJson(const RomImage &image, const TextTable &table, std::uint8_t item, std::uint8_t price)
{
    Json slot;
    slot["item"] = item == 0 ? Json(nullptr) : item <= kItemEntries ? Json(decodeName(image, item, table)) : Json(item);
    if (price >= kPriceCodeBase)
        slot["price_index"] = price - kPriceCodeBase;
    else
        slot["price_byte"] = price; // a code below 0xC0 names no price
    return slot;
}

std::uint8_t itemOfJson(const RomImage &image, const TextTable &table, const Json &value, const std::string &path)
{
    if (value.is_null())
        return 0;
    if (value.is_number_integer())
        return static_cast<std::uint8_t>(checkedIndex(value, path, 256));
    if (value.is_string())
        for (int id = 1; id <= kItemEntries; ++id)
            if (decodeName(image, id, table) == value.get<std::string>())
                return static_cast<std::uint8_t>(id);
    throw ImportError(path + ": no item named " + value.dump());
}

Json monsterJson(const RomImage &image, const TextTable &table, std::uint8_t id)
{
    return id < formation::kMonsterCount ? Json(monster::name(image, id, table)) : Json(id);
}

std::uint8_t monsterOfJson(const RomImage &image, const TextTable &table, const Json &value, const std::string &path)
{
    if (value.is_number_integer())
        return static_cast<std::uint8_t>(checkedIndex(value, path, 256));
    if (value.is_string())
        for (int id = 0; id < formation::kMonsterCount; ++id)
            if (monster::name(image, id, table) == value.get<std::string>())
                return static_cast<std::uint8_t>(id);
    throw ImportError(path + ": no monster named " + value.dump());
}

} // namespace

void exportJson(const RomImage &image, const TextTable &table, Json &document)
{
    Json shops = Json::array();
    for (int s = 0; s < kRecordCount; ++s) {
        ReadTrace::mark("shops", s);
        Json slots = Json::array();
        for (int k = 0; k < kSlotCount; ++k)
            slots.push_back(slotJson(image, table, image.game(recordOffset(s) + 2 * k), image.game(recordOffset(s) + 2 * k + 1)));
        shops.push_back({{"index", s}, {"name", std::string(kShopLabels[static_cast<std::size_t>(s)])}, {"slots", slots}});
    }
    document["shops"] = shops;
    Json buy = Json::array(), sell = Json::array();
    for (int p = 0; p < kBuyPriceCount; ++p) {
        ReadTrace::mark("buy_prices", p);
        buy.push_back(buyPrice(image, p));
    }
    for (int id = 0; id < kSellPriceCount; ++id) {
        ReadTrace::mark("sell_prices", id);
        sell.push_back(sellPrice(image, id));
    }
    document["buy_prices"] = buy;
    document["sell_prices"] = sell;

    using namespace formation;
    Json formations = Json::array();
    for (int f = 0; f < formation::kRecordCount; ++f) {
        ReadTrace::mark("formations", f);
        const std::int64_t at = formation::recordOffset(f);
        Json enemies = Json::array();
        for (int k = 0; k < kEnemyCount; ++k)
            if (image.game(at + Flags) & (0x80 >> k))
                enemies.push_back(k + 1);
        formations.push_back({{"index", f},
                              {"monster_set", image.game(at + MonsterSet)},
                              {"quantity_set_1", image.game(at + QuantitySet1)},
                              {"quantity_set_2", image.game(at + QuantitySet2)},
                              {"palette_1", image.game(at + Palette1)},
                              {"palette_2", image.game(at + Palette2)},
                              {"palette_2_enemies", enemies},
                              {"extra", image.game(kExtraBytes + f)}});
    }
    document["formations"] = formations;
    Json monsterSets = Json::array();
    for (int m = 0; m < kMonsterSetCount; ++m) {
        ReadTrace::mark("monster_sets", m);
        Json set = Json::array();
        for (int k = 0; k < kEnemyCount; ++k)
            set.push_back(monsterJson(image, table, image.game(kMonsterSets + 4 * m + k)));
        monsterSets.push_back(set);
    }
    document["monster_sets"] = monsterSets;
    Json quantitySets = Json::array();
    for (int q = 0; q < kQuantitySetCount; ++q) {
        ReadTrace::mark("quantity_sets", q);
        Json set = Json::array();
        for (int k = 0; k < kEnemyCount; ++k) {
            const std::uint8_t count = image.game(kQuantitySets + 4 * q + k);
            set.push_back({{"min", count & 0x0F}, {"max", count >> 4}});
        }
        quantitySets.push_back(set);
    }
    document["quantity_sets"] = quantitySets;
}

bool importJson(RomImage &image, const std::string &key, const Json &value, const Json &current, const TextTable &table)
{
    static const std::set<std::string> kKeys{"shops", "buy_prices", "sell_prices", "formations", "monster_sets",
                                             "quantity_sets"};
    if (!kKeys.contains(key))
        return false;
    const Json &now = current.at(key);
    using namespace formation;
    if (key == "shops") {
        json_support::importRecords(value, now, key, [&](int s, const Json &record, const Json &) {
            return std::map<std::string, json_support::FieldSetter>{
                {"slots", [&image, &table, &record, s](const Json &slots, const std::string &path) {
                     json_support::asArray(slots, path, kSlotCount);
                     for (int k = 0; k < kSlotCount; ++k) {
                         const Json &slot = json_support::asObject(slots[static_cast<std::size_t>(k)], path);
                         const Json &old = record.at("slots").at(static_cast<std::size_t>(k));
                         const std::string slotPath = path + "[" + std::to_string(k) + "]";
                         for (const auto &[name, item] : slot.items()) {
                             if (!json_support::differs(item, old, name))
                                 continue;
                             if (name == "item")
                                 image.setGame(shop::recordOffset(s) + 2 * k, itemOfJson(image, table, item, slotPath + ".item"));
                             else if (name == "price_index")
                                 image.setGame(shop::recordOffset(s) + 2 * k + 1,
                                               static_cast<std::uint8_t>(kPriceCodeBase + checkedIndex(item, slotPath, kBuyPriceCount)));
                             else if (name == "price_byte")
                                 image.setGame(shop::recordOffset(s) + 2 * k + 1,
                                               static_cast<std::uint8_t>(checkedIndex(item, slotPath, 256)));
                             else
                                 throw ImportError(slotPath + ": unknown field \"" + name + "\"");
                         }
                     }
                 }},
            };
        });
    } else if (key == "buy_prices" || key == "sell_prices") {
        const bool buy = key == "buy_prices";
        importTable(value, now, key, buy ? kBuyPriceCount : kSellPriceCount, [&](int i, const Json &item, const std::string &path) {
            storeClampedU16(image, (buy ? kBuyPrices : kSellPrices) + 2 * i, asInteger(item, path));
        });
    } else if (key == "formations") {
        json_support::importRecords(value, now, key, [&](int f, const Json &, const Json &) {
            const std::int64_t at = formation::recordOffset(f);
            auto set = [&image, at](int byte, int count) {
                return [&image, at, byte, count](const Json &item, const std::string &path) {
                    image.setGame(at + byte, static_cast<std::uint8_t>(checkedIndex(item, path, count)));
                };
            };
            return std::map<std::string, json_support::FieldSetter>{
                {"monster_set", set(MonsterSet, kMonsterSetCount)},
                {"quantity_set_1", set(QuantitySet1, kQuantitySetCount)},
                {"quantity_set_2", set(QuantitySet2, kQuantitySetCount)},
                {"palette_1", set(Palette1, 256)},
                {"palette_2", set(Palette2, 256)},
                {"palette_2_enemies", [&image, at](const Json &item, const std::string &path) {
                     std::uint8_t flags = image.game(at + Flags) & 0x0F;
                     for (const auto &enemy : json_support::asArray(item, path))
                         flags |= static_cast<std::uint8_t>(0x80 >> (checkedIndex(enemy, path, kEnemyCount + 1) - 1));
                     image.setGame(at + Flags, flags);
                 }},
                {"extra", [&image, f](const Json &item, const std::string &path) {
                     storeClampedByte(image, kExtraBytes + f, asInteger(item, path));
                 }},
            };
        });
    } else if (key == "monster_sets") {
        importTable(value, now, key, kMonsterSetCount, [&](int m, const Json &item, const std::string &path) {
            json_support::asArray(item, path, kEnemyCount);
            for (int k = 0; k < kEnemyCount; ++k)
                if (json_support::differs(item[static_cast<std::size_t>(k)], now.at(static_cast<std::size_t>(m)), static_cast<std::size_t>(k)))
                    image.setGame(kMonsterSets + 4 * m + k, monsterOfJson(image, table, item[static_cast<std::size_t>(k)], path));
        });
    } else if (key == "quantity_sets") {
        importTable(value, now, key, kQuantitySetCount, [&](int q, const Json &item, const std::string &path) {
            json_support::asArray(item, path, kEnemyCount);
            for (int k = 0; k < kEnemyCount; ++k) {
                const Json &count = json_support::asObject(item[static_cast<std::size_t>(k)], path);
                const std::uint8_t old = image.game(kQuantitySets + 4 * q + k);
                const auto min = count.contains("min") ? clampTo(asInteger(count.at("min"), path), 0, 15) : old & 0x0F;
                const auto max = count.contains("max") ? clampTo(asInteger(count.at("max"), path), 0, 15) : old >> 4;
                image.setGame(kQuantitySets + 4 * q + k, static_cast<std::uint8_t>(max << 4 | min));
            }
        });
    }
    return true;
}

} // namespace talvek::shop
