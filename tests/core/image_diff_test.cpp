#include <gtest/gtest.h>

#include <functional>
#include <numeric>

#include "records/image_diff.h"
#include "records/monster_record.h"
#include "records/record_json.h"
#include "test_support.h"

namespace talvek {
namespace {

std::vector<std::string> diffLines(const std::vector<std::uint8_t> &before, const std::vector<std::uint8_t> &after)
{
    const RomImage a(before, "a.nes"), b(after, "b.nes");
    std::vector<std::string> lines;
    for (const auto &change : diffImages(a, test::shippedDteTable(), b, test::shippedDteTable()))
        lines.push_back(describeChange(change));
    return lines;
}

struct DiffCase {
    const char *what;
    std::function<void(std::vector<std::uint8_t> &)> change;
    std::vector<std::string> expected;
};

TEST(ImageDiff, NamesEachChangeInTheEditorsTerms)
{
    const std::vector<DiffCase> cases{
        {"identical images", [](auto &) {}, {}},
        {"a record field", [](auto &b) { b[0x30010 + 6 * 1] = 12; }, {"armor 1 \"Leather Helm\": defense 4 -> 12"}},
        {"a shared table entry, two bytes",
         [](auto &b) {
             b[monster::kGilAmounts + 14] = 360 & 0xFF;
             b[monster::kGilAmounts + 15] = 360 >> 8;
         },
         {"gil_amounts 7: 640 -> 360"}},
        {"a nested field", [](auto &b) { b[0x30010 + 6 * 1] = 4; }, {}},
        {"an item renamed: its text entry only, not the shops and spoils that show the name",
         [](auto &b) { test::renameText(b, 0, "Echo Herb", "Xcho Herb"); }, {"text 0 7: \"Echo Herb\" -> \"Xcho Herb\""}},
        {"a monster renamed: not the monster sets that show it",
         [](auto &b) { test::renameText(b, 7, "Wolf", "Wolv"); }, {"text 7 2: \"Wolf\" -> \"Wolv\""}},
        {"a drop byte that shows the same gil amount", [](auto &b) { b[monster::kSpoilsSets + 8 + 7] ^= 0x30; },
         {"bytes 0x1781F-0x1781F (1 byte)"}},
        {"bytes no record covers", [](auto &b) { b[3] ^= 1; b[4] ^= 1; }, {"bytes 0x3-0x4 (2 bytes)"}},
        {"a longer image", [](auto &b) { b.resize(b.size() + 16, 0xFF); }, {"bytes 0x40010-0x4001F (16 bytes)"}},
    };
    const auto sample = test::sampleBytes();
    for (const auto &c : cases) {
        auto changed = sample;
        c.change(changed);
        EXPECT_EQ(diffLines(sample, changed), c.expected) << c.what;
    }
}

TEST(ImageDiff, ListsKindsInExportOrderThenTextThenBytes)
{
    auto changed = test::sampleBytes();
    changed[5] ^= 1;
    test::renameText(changed, 0, "Echo Herb", "Xcho Herb");
    changed[monster::kGilAmounts + 14] = 1;
    changed[0x30010 + 6 * 2] = 99;
    const auto lines = diffLines(test::sampleBytes(), changed);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[0].starts_with("armor 2 "));
    EXPECT_TRUE(lines[1].starts_with("gil_amounts 7: "));
    EXPECT_TRUE(lines[2].starts_with("text 0 7: "));
    EXPECT_EQ(lines[3], "bytes 0x5-0x5 (1 byte)");
}

TEST(ImageDiff, AccountsForEveryDifferingByteOnce)
{
    // Random changes across the records and texts of the sample and of garbled images: the ranges hold only
    // differing bytes, and every differing byte outside the shown fields and texts is in a range.
    std::mt19937 random(7);
    std::vector<std::uint8_t> noise(0x40010);
    for (auto &byte : noise)
        byte = static_cast<std::uint8_t>(random());
    for (const auto &base : {test::sampleBytes(), std::vector<std::uint8_t>(0x40010, 0xFF), noise}) {
        auto changed = base;
        for (int k = 0; k < 200; ++k)
            changed[0x16000 + random() % 0x1A000] = static_cast<std::uint8_t>(random());
        const RomImage a(base, "a"), b(changed, "b");
        const auto changes = diffImages(a, test::shippedDteTable(), b, test::shippedDteTable());
        ASSERT_FALSE(changes.empty());
        std::size_t inRanges = 0;
        for (const auto &change : changes) {
            if (change.type != ImageChange::Type::Bytes)
                continue;
            for (auto i = change.start; i <= change.end; ++i, ++inRanges)
                EXPECT_NE(base[static_cast<std::size_t>(i)], changed[static_cast<std::size_t>(i)]) << i;
        }
        const auto differing = static_cast<std::size_t>(std::inner_product(
            base.begin(), base.end(), changed.begin(), 0, std::plus<>(), std::not_equal_to<>()));
        EXPECT_LE(inRanges, differing);
        EXPECT_GT(changes.size(), 10u) << "the changes are named, not one range";
    }
}

TEST(ImageDiff, JsonFormsAndSummary)
{
    auto changed = test::sampleBytes();
    changed[0x30010 + 6 * 1] = 12;
    test::renameText(changed, 0, "Echo Herb", "Xcho Herb");
    changed[3] ^= 1;
    const RomImage a(test::sampleBytes(), "a"), b(changed, "b");
    const auto changes = diffImages(a, test::shippedDteTable(), b, test::shippedDteTable());
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changeToJson(changes[0]), json_support::Json::parse(R"({"kind": "armor", "index": 1, "name": "Leather Helm",
        "field": "defense", "old": 4, "new": 12})"));
    EXPECT_EQ(changeToJson(changes[1]),
              json_support::Json::parse(R"({"kind": "text", "group": 0, "entry": 7, "old": "Echo Herb", "new": "Xcho Herb"})"));
    EXPECT_EQ(changeToJson(changes[2]), json_support::Json::parse(R"({"kind": "bytes", "start": 3, "end": 3, "count": 1})"));
    const NameTables names{test::shippedDteTable(), test::shippedDteTable()};
    EXPECT_EQ(summarizeDiff(a.bytes(), b.bytes(), names), "armor 1 \"Leather Helm\": defense 4 -> 12 (+2 more)");
}

} // namespace
} // namespace talvek
