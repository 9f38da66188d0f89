#include <gtest/gtest.h>

#include <algorithm>

#include "records/character_record.h"
#include "records/formation_record.h"
#include "records/monster_record.h"
#include "records/record_json.h"
#include "records/shop_record.h"
#include "records/weapon_record.h"
#include "search/cross_references.h"
#include "search/record_names.h"
#include "search/text_search.h"
#include "test_support.h"
#include "text/text_codec.h"

namespace talvek {
namespace {

using json_support::Json;

std::vector<std::string> findLines(const RomImage &image, const std::vector<std::string> &words)
{
    std::vector<std::string> lines;
    const TextSearch search = TextSearch::build(image, test::shippedDteTable());
    for (const auto &match : search.find(words))
        lines.push_back(describeMatch(*match.entry));
    return lines;
}

bool contains(const std::vector<std::string> &lines, const std::string &line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(TextSearch, FindsRecordNamesAndTextOfEveryKindOfGroup)
{
    const RomImage image(test::sampleBytes(), "s.nes");
    struct Case {
        std::vector<std::string> words;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {{"hi-potion"}, {"text 0 1: Hi-Potion"}},                                  // a name group
        {{"CRITICAL"}, {"text 8 0: Critical hit!"}},                               // battle messages
        {{"mira"}, {"characters 1 \"Mira  \"", "text 9 1: Mira  "}},               // a record name, its text
        {{"defend"}, {"text 10 1: Defend"}},                                       // miscellaneous
        {{"house 0"}, {"text 11 0: Hello, traveller.\\nThis is house 0."}},        // dialogue
        {{"forgotten"}, {"text 14 0: The year is long forgotten.\\nAn emperor rose from the west\\nand marched "
                         "on the free towns.\\n\\nFour young friends fled\\nwhen their home burned.\\nThis is "
                         "their story."}},                                         // prologue
        {{"altea - weapon"}, {"shops 0 \"Altea - Weapon\""}},
        {{"knife", "bronze"}, {"weapons 1 \"Bronze Knife\"", "text 1 0: Bronze Knife"}}, // every word, any order
    };
    for (const Case &c : cases) {
        const auto lines = findLines(image, c.words);
        for (const std::string &line : c.expected)
            EXPECT_TRUE(contains(lines, line)) << c.words.front() << ": " << line;
    }
    EXPECT_TRUE(findLines(image, {"zzqq"}).empty());
    EXPECT_TRUE(findLines(image, {}).empty());
    EXPECT_TRUE(findLines(image, {"knife", "zzqq"}).empty());
}

TEST(TextSearch, ScoresAWholeMatchAboveAMatchInsideAWord)
{
    const RomImage image(test::sampleBytes(), "s.nes");
    const TextSearch search = TextSearch::build(image, test::shippedDteTable());
    int whole = 0, inside = 0;
    for (const auto &match : search.find({"potion"})) {
        if (match.entry->text == "Potion")
            whole = match.score;
        if (match.entry->text == "Hi-Potion")
            inside = match.score;
    }
    EXPECT_GT(inside, 0);
    EXPECT_GT(whole, inside);
    EXPECT_EQ(TextSearch::wordsOf("  bronze  knife "), (std::vector<std::string>{"bronze", "knife"}));
}

TEST(RecordNames, AreTheNamesTheExportWrites)
{
    const RomImage image(test::sampleBytes(), "s.nes");
    const Json document = exportAllRecords(image, test::shippedDteTable());
    for (const NamedKind &named : recordNames(image, test::shippedDteTable())) {
        const Json &records = document.at(named.kind);
        ASSERT_EQ(records.size(), named.names.size()) << named.kind;
        for (std::size_t i = 0; i < named.names.size(); ++i)
            EXPECT_EQ(records[i].at("name"), named.names[i]) << named.kind << " " << i;
    }
}

// The export's value at a place: KIND, INDEX, then the dotted PATH.
const Json &valueAt(const Json &document, const Place &place)
{
    const Json *value = &document.at(place.kind).at(static_cast<std::size_t>(place.index));
    std::size_t start = 0;
    while (start < place.path.size()) {
        const std::size_t end = std::min(place.path.find('.', start), place.path.size());
        const std::string step = place.path.substr(start, end - start);
        value = std::isdigit(static_cast<unsigned char>(step[0])) ? &value->at(std::stoul(step)) : &value->at(step);
        start = end + 1;
    }
    return *value;
}

std::vector<std::string> describe(const std::vector<Place> &places)
{
    std::vector<std::string> lines;
    for (const Place &place : places)
        lines.push_back(describePlace(place));
    return lines;
}

TEST(CrossReferences, ListAnItemThatIsSoldDroppedAndEquipped)
{
    auto bytes = test::sampleBytes();
    constexpr int kItem = 0x31; // the Bronze Knife
    bytes[shop::recordOffset(3) + 2 * 2] = kItem;
    bytes[monster::kSpoilsSets + 8 * 12 + 4] = kItem;
    for (int m = 0; m < monster::kRecordCount; ++m)
        bytes[monster::kSpoilsSetNumbers + m] = m == 5 || m == 17 ? 12 : bytes[monster::kSpoilsSetNumbers + m] == 12 ? 0 : bytes[monster::kSpoilsSetNumbers + m];
    bytes[character::recordOffset(1) + character::kEquipment + character::RightHand] = kItem;
    const RomImage image(bytes, "s.nes");
    const auto lines = describe(CrossReferences::build(image, test::shippedDteTable()).usesOfItem(kItem));
    for (const char *line : {"characters 1 \"Mira  \" equipment.right_hand", "spoils_sets 12 4 (monsters 5, 17)",
                             "shops 3 \"Altea - Mithril Weapon\" slots.2.item"})
        EXPECT_TRUE(contains(lines, line)) << line;
}

TEST(CrossReferences, ListAnAiRecordUsedByAWeaponAndAMonsterAndAMonsterInTwoFormations)
{
    auto bytes = test::sampleBytes();
    bytes[weapon::recordOffset(4) + weapon::CastSpell] = 30;        // AI record 30
    bytes[monster::kScripts + 8 * 9 + 3] = 31;                      // attack entry 31: AI record 30
    bytes[monster::recordOffset(40)] = 9;                           // monster 40 runs script 9 too
    bytes[formation::kMonsterSets + 4 * 12 + 2] = 7;                // monster 7 in set 12
    for (int f = 0; f < formation::kRecordCount; ++f)
        if (f == 7 || f == 40)
            bytes[formation::recordOffset(f) + formation::MonsterSet] = 12;
    const RomImage image(bytes, "s.nes");
    const auto refs = CrossReferences::build(image, test::shippedDteTable());

    const auto ai = refs.usesOfAiRecord(30);
    EXPECT_TRUE(contains(describe(ai), "weapons 4 \"Silver Knife\" cast_spell"));
    const auto script = std::find_if(ai.begin(), ai.end(), [](const Place &p) { return p.kind == "ai_scripts"; });
    ASSERT_NE(script, ai.end());
    EXPECT_EQ(script->index, 9);
    EXPECT_EQ(script->path, "3");
    EXPECT_TRUE(std::ranges::find(script->users, 40) != script->users.end());

    const auto sets = refs.usesOfMonster(7);
    const auto set = std::find_if(sets.begin(), sets.end(), [](const Place &p) { return p.index == 12; });
    ASSERT_NE(set, sets.end());
    EXPECT_EQ(set->path, "2");
    EXPECT_TRUE(std::ranges::find(set->users, 7) != set->users.end());
    EXPECT_TRUE(std::ranges::find(set->users, 40) != set->users.end());

    EXPECT_TRUE(refs.usesOfItem(0).empty());
    EXPECT_TRUE(refs.usesOfItem(192).empty());
    EXPECT_TRUE(refs.usesOfMonster(-1).empty());
}

// Every place the index lists shows the id in the export, and the export names no item, AI record or monster
// in these fields that the index misses.
TEST(CrossReferences, AgreeWithTheExportOnEveryId)
{
    const RomImage image(test::sampleBytes(), "s.nes");
    const auto &table = test::shippedDteTable();
    const Json document = exportAllRecords(image, table);
    const auto refs = CrossReferences::build(image, table);
    const auto castLabels = weapon::castSpellList(image, table).labels;

    std::size_t itemPlaces = 0;
    for (int id = CrossReferences::kFirstItem; id <= CrossReferences::kLastItem; ++id)
        for (const Place &place : refs.usesOfItem(id)) {
            const Json &value = place.kind == "spoils_sets" ? valueAt(document, place).at("item") : valueAt(document, place);
            if (value.is_number()) // a byte the slot's drop-down does not offer
                EXPECT_EQ(value, id) << describePlace(place);
            else
                EXPECT_EQ(value, decodeName(image, id, table)) << describePlace(place);
            ++itemPlaces;
        }
    std::size_t named = 0;
    auto namesAnItem = [](const Json &value) {
        return value.is_string() || (value.is_number() && value.get<int>() >= 1 && value.get<int>() <= 191);
    };
    for (const Json &shop : document.at("shops"))
        for (const Json &slot : shop.at("slots"))
            named += namesAnItem(slot.at("item"));
    for (const Json &set : document.at("spoils_sets"))
        for (const Json &drop : set)
            named += drop.contains("item") && namesAnItem(drop.at("item"));
    for (const Json &character : document.at("characters"))
        for (const auto &[slot, item] : character.at("equipment").items())
            named += namesAnItem(item);
    EXPECT_EQ(itemPlaces, named);

    for (int record = 0; record < ai_list::kRecordCount; ++record)
        for (const Place &place : refs.usesOfAiRecord(record)) {
            const Json &value = valueAt(document, place);
            if (place.kind == "weapons")
                EXPECT_EQ(value, castLabels[static_cast<std::size_t>(record) + 1]) << describePlace(place);
            else
                EXPECT_EQ(value, record + 1) << describePlace(place);
        }
    for (int m = 0; m < monster::kRecordCount; ++m)
        for (const Place &place : refs.usesOfMonster(m))
            EXPECT_EQ(valueAt(document, place), monster::name(image, m, table)) << describePlace(place);
}

} // namespace
} // namespace talvek
