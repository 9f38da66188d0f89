#include <gtest/gtest.h>

#include <random>

#include "records/armor_record.h"
#include "records/character_record.h"
#include "records/record_json.h"
#include "test_support.h"

namespace talvek {
namespace {

using json_support::Json;

// An image whose record areas hold arbitrary bytes, values out of every range included.
RomImage scrambledImage(unsigned seed)
{
    auto bytes = test::sampleBytes();
    std::mt19937 random(seed);
    auto scramble = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            bytes[i] = static_cast<std::uint8_t>(random());
    };
    scramble(0xB0C, 0xB0F);
    scramble(0xF90, 0xF90 + 9 * 0x80);
    scramble(0x30010, 0x307D3); // armour, weapons, AI list, spells
    scramble(0x1710, 0x1890);   // battle palettes
    scramble(0x2CD8E, 0x2CDCE); // weapon palette numbers
    scramble(0x307D3, 0x30F53); // monsters, their tables and scripts
    scramble(0x17790, 0x17A10); // spoils
    scramble(0x38010, 0x38210); // sell and buy prices
    scramble(0x3861D, 0x386FD); // shops
    scramble(0x2C630, 0x2CDCE); // formations, extra bytes, monster and quantity sets
    return RomImage(std::move(bytes), "s.nes");
}

TEST(RecordJson, ExportThenImportChangesNothing)
{
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        RomImage image = scrambledImage(seed);
        const auto before = image.bytes();
        const Json document = exportAllRecords(image, test::shippedDteTable());
        importAllRecords(image, Json::parse(document.dump()), test::shippedDteTable());
        EXPECT_EQ(image.bytes(), before) << "seed " << seed;
    }
    RomImage sample(test::sampleBytes(), "s.nes");
    importAllRecords(sample, exportAllRecords(sample, test::shippedDteTable()), test::shippedDteTable());
    EXPECT_EQ(sample.bytes(), test::sampleBytes());
}

TEST(RecordJson, ExportShowsLabelsNamesAndValuesAsShown)
{
    const RomImage image(test::sampleBytes(), "s.nes");
    const Json document = exportAllRecords(image, test::shippedDteTable());
    const Json &armor38 = document["armor"][38];
    EXPECT_EQ(armor38["elemental_defense"].size(), 8u);
    EXPECT_EQ(document["armor"][40]["stat_boost"], "Magic power");
    EXPECT_EQ(document["armor"][39]["stat_boost"], 9) << "a byte without an entry is exported as itself";
    EXPECT_TRUE(document["armor"][0]["stat_boost"].is_null());
    EXPECT_EQ(document["armor"][0]["name"], "Unequipped");

    const Json &mira = document["characters"][1];
    EXPECT_EQ(mira["name"], "Mira  ");
    EXPECT_EQ(mira["left_handed"], true);
    EXPECT_EQ(mira["equipment"]["left_hand"], "Dragon Bow");
    EXPECT_TRUE(mira["equipment"]["right_hand"].is_null());
    EXPECT_EQ(document["characters"][3]["name"], "Minh");
    EXPECT_EQ(document["characters"][0]["spells"][1]["spell"], "Dispel");
    EXPECT_EQ(document["characters"][0]["skills"]["fist"]["level"], 1) << "levels are exported as shown";
    EXPECT_EQ(document["characters"][5]["equipment"]["head"], 0x9A);
    EXPECT_EQ(document["gil"], 123456);
}

TEST(RecordJson, ImportWritesOnlyWhatChangedThroughTheClamps)
{
    RomImage image(test::sampleBytes(), "s.nes");
    Json document = exportAllRecords(image, test::shippedDteTable());
    document["armor"][3]["defense"] = 300;
    document["armor"][3]["stat_boost"] = "Soul";
    document["characters"][2]["hp"][0] = 70000;
    document["characters"][2]["skills"]["bow"]["level"] = 0;
    document["characters"][2]["equipment"]["head"] = "Dragon Helm";
    document["gil"] = 12345678;
    importAllRecords(image, document, test::shippedDteTable());

    auto expected = test::sampleBytes();
    expected[0x30010 + 18] = 255;
    expected[0x30010 + 18 + 4] = 4;
    const std::size_t at = 0xF90 + 2 * 0x80;
    expected[at + 8] = 0xFF;
    expected[at + 9] = 0xFF;
    expected[at + 0x4E] = 0;
    expected[at + 0x19] = 0x79;
    expected[0xB0C] = 0x7F;
    expected[0xB0D] = 0x96;
    expected[0xB0E] = 0x98;
    // The sample has characters 0 to 2 and 5 in the back row: the party row rule moves 0 to the front.
    expected[0xF90 + 0x75] = 1;
    EXPECT_EQ(image.bytes(), expected);
}

TEST(RecordJson, WeaponSpellAndAiImportsFollowTheEditorsRules)
{
    RomImage image(test::sampleBytes(), "s.nes");
    Json document = Json::parse(R"({
        "weapons": [{"index": 12, "accuracy": 250, "added_effect": "Inflict temporary ailment", "ailments": ["Sleep"],
                     "cast_spell": null, "palette": 42}, {"index": 13, "added_effect": 64}],
        "spells": [{"index": 4, "type": "Inflicts permanent ailment", "status_ailment": ["Blind", "Death"]},
                   {"index": 6, "animation": 300, "status_ailment": [3]}],
        "ai_list": [{"index": 2, "spell": "Cure", "level": 40, "targeting": "Self"}, {"index": 3, "spell": null}],
        "battle_palettes": []
    })");
    document["battle_palettes"] = exportAllRecords(image, test::shippedDteTable())["battle_palettes"];
    document["battle_palettes"][5][0] = 0x21;
    importAllRecords(image, document, test::shippedDteTable());

    auto expected = test::sampleBytes();
    const std::size_t weapon12 = 0x30106 + 9 * 12;
    expected[weapon12 + 1] = 100;
    expected[weapon12 + 7] = 0x02 | 0x08;
    expected[weapon12 + 8] = 0xFF;
    expected[0x2CD8E + 12] = 42;
    expected[0x30106 + 9 * 13 + 7] = 0x40;
    expected[0x305E9 + 7 * 4] = 0x03;
    expected[0x305E9 + 7 * 4 + 4] = 0x82;
    expected[0x305E9 + 7 * 6 + 6] = 0xFF;
    expected[0x305E9 + 7 * 6 + 4] = 0x04 << 1;
    expected[0x30346 + 10] = 4; // Cure is spell record 3, byte 4
    expected[0x30346 + 10 + 1] = 16;
    expected[0x30346 + 10 + 3] = 5;
    expected[0x30346 + 15] = 0xFF;
    expected[0x1710 + 5] = 0x21;
    EXPECT_EQ(image.bytes(), expected);

    RomImage again(test::sampleBytes(), "s.nes");
    EXPECT_THROW(importAllRecords(again, Json::parse(R"({"weapons": [{"index": 3, "palette": 1}]})"),
                                  test::shippedDteTable()),
                 ImportError)
        << "positions 0 to 9 own no palette";
    EXPECT_THROW(importAllRecords(again, Json::parse(R"({"ai_list": [{"index": 3, "spell": "Nope"}]})"),
                                  test::shippedDteTable()),
                 ImportError);
}

TEST(RecordJson, MonsterImportsWriteRecordsAndSharedTables)
{
    RomImage image(test::sampleBytes(), "s.nes");
    const Json document = Json::parse(R"({
        "monsters": [{"index": 2, "ai_script": null, "hp_index": 31, "hits_index": 9, "accuracy_index": 1}],
        "hp_mp_values": [], "added_effects": [], "spoils_sets": [], "ai_scripts": []
    })");
    Json full = exportAllRecords(image, test::shippedDteTable());
    Json change = document;
    change["hp_mp_values"] = full["hp_mp_values"];
    change["hp_mp_values"][31] = 70000;
    change["added_effects"] = full["added_effects"];
    change["added_effects"][4] = Json::parse(R"({"added_effect": "Inflict permanent ailment", "ailments": ["Toad"]})");
    change["spoils_sets"] = full["spoils_sets"];
    change["spoils_sets"][1][0] = Json::parse(R"({"gil_amount": 7})");
    change["spoils_sets"][1][1] = Json::parse(R"({"item": "Potion"})");
    change["ai_scripts"] = full["ai_scripts"];
    change["ai_scripts"][0x2A][3] = 5;
    importAllRecords(image, change, test::shippedDteTable());

    auto expected = test::sampleBytes();
    expected[0x307D3 + 20] = 0xFF;
    expected[0x307D3 + 21] = 31;
    expected[0x307D3 + 23] = 0x91;
    expected[0x30CD3 + 62] = 0xFF;
    expected[0x30CD3 + 63] = 0xFF;
    expected[0x30D43 + 4] = 0x01 | 0x20;
    expected[0x17818] = 0xF7;
    expected[0x17819] = 1;
    expected[0x30ED3 + 3] = 5;
    EXPECT_EQ(image.bytes(), expected);

    for (const char *bad : {R"({"monsters": [{"index": 0, "hp_index": 32}]})", R"({"monsters": [{"index": 0, "ai_script": 58}]})",
                            R"({"monsters": [{"index": 0, "race_index": 16}]})"}) {
        RomImage again(test::sampleBytes(), "s.nes");
        EXPECT_THROW(importAllRecords(again, Json::parse(bad), test::shippedDteTable()), ImportError) << bad;
    }
}

TEST(RecordJson, ShopAndFormationImports)
{
    RomImage image(test::sampleBytes(), "s.nes");
    Json document = Json::parse(R"({
        "shops": [{"index": 0, "slots": [{"item": "Ether", "price_index": 63}, {"item": null, "price_index": 0},
                                         {"item": "Potion", "price_index": 1}, {"item": "Tent", "price_index": 3}]}],
        "formations": [{"index": 2, "palette_2_enemies": [1, 3], "extra": 999, "quantity_set_2": 121}],
        "monster_sets": [], "quantity_sets": []
    })");
    const Json full = exportAllRecords(image, test::shippedDteTable());
    document["monster_sets"] = full["monster_sets"];
    document["monster_sets"][4][2] = "Goblin";
    document["quantity_sets"] = full["quantity_sets"];
    document["quantity_sets"][5][1] = Json::parse(R"({"min": 2, "max": 30})");
    importAllRecords(image, document, test::shippedDteTable());

    auto expected = test::sampleBytes();
    expected[0x3861D] = 3;
    expected[0x3861D + 1] = 0xFF;
    expected[0x3861D + 2] = 0;
    expected[0x3861D + 3] = 0xC0;
    expected[0x3861D + 4] = 1;
    expected[0x3861D + 5] = 0xC1;
    expected[0x2C630 + 16] = 0xA0 | (expected[0x2C630 + 16] & 0x0F);
    expected[0x2CA30 + 2] = 0xFF;
    expected[0x2C630 + 16 + 7] = 121;
    expected[0x2CAB0 + 18] = 0;
    expected[0x2CBB0 + 21] = 0xF2;
    EXPECT_EQ(image.bytes(), expected);
}

TEST(RecordJson, PartialDocumentsLeaveTheRestAlone)
{
    RomImage image(test::sampleBytes(), "s.nes");
    importAllRecords(image, Json::parse(R"({"armor": [{"index": 5, "magic_defense": 1}]})"), test::shippedDteTable());
    auto expected = test::sampleBytes();
    expected[0x30010 + 30 + 5] = 1;
    EXPECT_EQ(image.bytes(), expected) << "no character changed: no party row rule either";
}

TEST(RecordJson, EachExportGroupNamesTheKeysItWrites)
{
    // The import reads only the groups whose keys a document names, so each group's list must be exact.
    const RomImage image(test::sampleBytes(), "s.nes");
    for (const ExportGroup &group : exportGroups()) {
        Json document = Json::object();
        group(image, test::shippedDteTable(), document);
        std::vector<std::string> keys(group.keys.begin(), group.keys.end()), names;
        for (const auto &[key, value] : document.items())
            names.push_back(key);
        EXPECT_EQ(names, keys);
    }
}

TEST(RecordJson, InvalidDocumentsAreRefused)
{
    const char *documents[] = {
        R"([1, 2])",
        R"({"shoes": []})",
        R"({"armor": [{"index": 41, "defense": 1}]})",
        R"({"armor": [{"defense": 1}]})",
        R"({"armor": [{"index": 1, "defence": 1}]})",
        R"({"armor": [{"index": 1, "defense": "ten"}]})",
        R"({"armor": [{"index": 1, "elemental_defense": ["Water"]}]})",
        R"({"armor": [{"index": 1, "stat_boost": "Luck"}]})",
        R"({"armor": [{"index": 1, "stat_boost": 256}]})",
        R"({"characters": [{"index": 0, "hp": [1]}]})",
        R"({"characters": [{"index": 0, "skills": {"whip": {"level": 1}}}]})",
        R"({"characters": [{"index": 0, "equipment": {"head": "Potion"}}]})",
        R"({"characters": [{"index": 0, "back_row": 1}]})",
        R"({"gil": "lots"})",
    };
    for (const char *text : documents) {
        RomImage image(test::sampleBytes(), "s.nes");
        EXPECT_THROW(importAllRecords(image, Json::parse(text), test::shippedDteTable()), ImportError) << text;
    }
}

TEST(RecordJson, SmallImagesAreRefused)
{
    RomImage image(std::vector<std::uint8_t>(1000), "s.nes");
    EXPECT_THROW((void)exportAllRecords(image, test::shippedDteTable()), ImportError);
}

} // namespace
} // namespace talvek
