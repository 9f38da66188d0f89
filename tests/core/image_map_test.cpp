#include <gtest/gtest.h>

#include <algorithm>

#include "records/image_map.h"
#include "records/record_json.h"
#include "rom/read_trace.h"
#include "test_support.h"

namespace talvek {
namespace {

bool mayShow(const MapRegion &region, const std::string &kind)
{
    return region.kind == kind || std::ranges::find(region.alsoReadBy, kind) != region.alsoReadBy.end();
}

TEST(ImageMap, EveryExportedValueLiesInItsKindsRegions)
{
    // What the export shows as each element's own values is what the record code reads: all of it must lie
    // in the regions the map gives that kind, on the sample and on images with random records.
    for (const auto kind : {SampleKind::Standard, SampleKind::Combo}) {
        for (const auto &bytes : {test::sampleBytes(kind), test::randomisedSample(kind, 5)}) {
            const RomImage image(bytes, "x.nes");
            const ImageMap map(image);
            const ReadTrace trace;
            (void)exportAllRecords(image, test::shippedDteTable());
            ASSERT_GT(trace.reads().size(), 1000u);
            for (const auto &[element, indexes] : trace.reads())
                for (const auto index : indexes) {
                    const MapRegion *region = map.regionAt(index);
                    ASSERT_TRUE(region && mayShow(*region, element.first))
                        << element.first << " " << element.second << " reads 0x" << std::hex << index << " in "
                        << (region ? region->name : "no region");
                }
        }
    }
}

TEST(ImageMap, TablesOfDifferentKindsDoNotOverlapUnlessTheGameSharesThem)
{
    const RomImage image(test::sampleBytes(SampleKind::Combo), "x.nes");
    const ImageMap map(image);
    const auto &regions = map.regions();
    for (const MapRegion &a : regions)
        for (const MapRegion &b : regions) {
            if (&a == &b || a.type != MapRegion::Type::Table || b.type != MapRegion::Type::Table)
                continue;
            const bool overlap = a.start < b.end && b.start < a.end;
            EXPECT_TRUE(!overlap || mayShow(a, b.kind) || mayShow(b, a.kind)) << a.name << " and " << b.name;
        }
}

TEST(ImageMap, NamesRegionsWithRomBaseAppliedAndClipsThemToTheImage)
{
    const RomImage combo(test::sampleBytes(SampleKind::Combo), "x.nes");
    const ImageMap map(combo);
    ASSERT_GT(combo.romBase(), 0);
    EXPECT_EQ(map.regionAt(combo.romBase() + 0x30010)->name, "armour records");
    EXPECT_EQ(map.regionAt(combo.romBase() + 0x179F0 + 31)->name, "gil amounts");
    EXPECT_EQ(map.regionAt(combo.romBase() + 0x1710 + 3 * 128 - 1)->name, "battle palettes");
    EXPECT_EQ(map.regionAt(combo.romBase() + 0x1710 + 3 * 128), nullptr) << "past the palette arrays";
    EXPECT_EQ(map.regionAt(combo.romBase() + 0x2B91A)->type, MapRegion::Type::TextReach);
    EXPECT_EQ(map.regionAt(combo.romBase() + 0x18010)->name, "Dialogue 1 pointers");
    EXPECT_EQ(map.regionAt(0x30010), nullptr) << "the game's offset without RomBase is another cartridge's";

    EXPECT_TRUE(map.writableBy(EditorKind::Font).empty());
    for (const auto &info : kEditors)
        for (const MapRegion &region : map.writableBy(info.kind))
            EXPECT_TRUE(region.start >= 0 && region.end <= combo.size()) << region.name;

    const RomImage small(std::vector<std::uint8_t>(0x30020), "small.nes");
    const ImageMap clipped(small);
    EXPECT_EQ(clipped.regionAt(0x30010)->name, "armour records");
    for (const MapRegion &region : clipped.regions())
        EXPECT_LE(region.end, 0x30020) << region.name;
}

// The JSON pointer of an import error's path ("monsters[125].spoils_set: ..." gives /monsters/125/spoils_set).
json_support::Json::json_pointer pointerOf(const std::string &error)
{
    std::string pointer = "/";
    for (const char c : error.substr(0, error.find(':')))
        pointer += (c == '.' || c == '[') ? '/' : c;
    std::erase(pointer, ']');
    return json_support::Json::json_pointer(pointer.size() > 1 ? pointer : "");
}

TEST(ImageMap, ImportWritesOnlyWhereTheMapSays)
{
    // Importing the sample's values onto images with random records changes only bytes the map lets the
    // import write. A value the import refuses there (a list entry the random image lacks) keeps the
    // random image's own.
    for (unsigned seed = 1; seed <= 3; ++seed) {
        for (const auto kind : {SampleKind::Standard, SampleKind::Combo}) {
            const auto before = test::randomisedSample(kind, seed);
            const auto current = exportAllRecords(RomImage(before, "random.nes"), test::shippedDteTable());
            auto document = exportAllRecords(RomImage(test::sampleBytes(kind), "sample.nes"), test::shippedDteTable());
            RomImage target(before, "random.nes");
            for (int attempt = 0;; ++attempt) {
                ASSERT_LT(attempt, 500);
                target = RomImage(before, "random.nes");
                try {
                    importAllRecords(target, document, test::shippedDteTable());
                    break;
                } catch (const ImportError &error) {
                    document[pointerOf(error.what())] = current.at(pointerOf(error.what()));
                }
            }
            std::vector<std::int64_t> changed;
            for (std::size_t i = 0; i < before.size(); ++i)
                if (before[i] != target.bytes()[i])
                    changed.push_back(static_cast<std::int64_t>(i));
            EXPECT_GT(changed.size(), 1000u);
            EXPECT_TRUE(allWithin(changed, ImageMap(target).writableByImport()));
        }
    }
}

} // namespace
} // namespace talvek
