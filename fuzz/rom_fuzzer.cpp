// One slice of an image per input: byte 0 chooses a record kind (an export group), a text group, or the
// whole-image reads (release, find, cross-references); byte 1 the size class; the rest is laid over that
// slice's own bytes (found through the image map) in an image of fixed noise, so every input reaches the
// code under test at once. Record kinds must come back unchanged from export then import.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "records/image_map.h"
#include "records/record_json.h"
#include "rom/release_identifier.h"
#include "rom/rom_image.h"
#include "search/cross_references.h"
#include "search/text_search.h"
#include "text/keyword_list.h"
#include "text/text_groups.h"
#include "text/text_table.h"

using namespace talvek;

namespace {

const TextTable &fuzzTable()
{
    static const TextTable table = [] {
        TextTable t;
        for (int b = 0x8A; b < 0xA4; ++b)
            t.set(static_cast<std::uint8_t>(b), std::string(1, static_cast<char>('A' + b - 0x8A)));
        t.set(0x16, "[F]");
        t.set(0x01, "\\n");
        return t;
    }();
    return table;
}

// A standard, a combo and an odd-sized image of fixed noise, one byte in eight a zero (a text terminator,
// so that texts in the noise stay short). Each input starts from its noise copied into the same buffer:
// no large allocation per input.
RomImage &freshImage(std::size_t sizeClass)
{
    static const std::array<std::vector<std::uint8_t>, 3> noise = [] {
        std::array<std::vector<std::uint8_t>, 3> all;
        const std::size_t sizes[] = {0x40010, 0x80010, 0x40011};
        for (std::size_t k = 0; k < all.size(); ++k) {
            all[k].resize(sizes[k]);
            std::uint32_t state = 12345;
            for (auto &byte : all[k]) {
                state = state * 1103515245u + 12345u;
                byte = static_cast<std::uint8_t>(state >> 16);
                if (byte % 8 == 0)
                    byte = 0;
            }
        }
        return all;
    }();
    static std::array<RomImage, 3> images{RomImage(noise[0], "fuzz.nes"), RomImage(noise[1], "fuzz.nes"),
                                          RomImage(noise[2], "fuzz.nes")};
    // memcpy, not a loop: the coverage instrumentation would trace every byte of a loop
    std::memcpy(images[sizeClass].bytes().data(), noise[sizeClass].data(), noise[sizeClass].size());
    return images[sizeClass];
}

// Lays data over the regions, in order: repeated to fill tables, once over texts (past it, the noise
// ends texts soon).
void layOver(RomImage &image, const std::vector<MapRegion> &regions, const std::uint8_t *data, std::size_t size,
             bool repeat = true)
{
    if (size == 0)
        return;
    std::size_t next = 0;
    for (const MapRegion &region : regions)
        for (auto i = region.start; i < region.end && (repeat || next < size); ++i)
            image.bytes()[static_cast<std::size_t>(i)] = data[next++ % size];
}

void fuzzRecords(RomImage &image, const ExportGroup &group, const std::uint8_t *data, std::size_t size)
{
    const ImageMap map(image);
    std::vector<MapRegion> regions;
    for (const MapRegion &region : map.writableByImport())
        for (std::string_view key : group.keys)
            if (region.kind == key)
                regions.push_back(region);
    layOver(image, regions, data, size);

    json_support::Json document = json_support::Json::object();
    group(image, fuzzTable(), document);
    static std::vector<std::uint8_t> before;
    before.assign(image.bytes().begin(), image.bytes().end());
    importAllRecords(image, document, fuzzTable());
    if (image.bytes() != before)
        __builtin_trap(); // export then import must change nothing
}

void fuzzTextGroup(RomImage &image, int group, const std::uint8_t *data, std::size_t size)
{
    const ImageMap map(image);
    // Regions are named after their group ("Items pointers", "Items text"); the names are "character N name".
    const std::string prefix = group == kCharactersGroup ? "character " : std::string(kTextGroups[static_cast<std::size_t>(group)].name) + " ";
    std::vector<MapRegion> regions;
    for (const MapRegion &region : map.regions())
        if (region.kind == "text" && region.name.starts_with(prefix))
            regions.push_back(region);
    layOver(image, regions, data, size, false);

    const auto keywords = KeywordList::build(image, fuzzTable());
    (void)textEntryLabels(image, group, fuzzTable());
    for (int entry = 0; entry < textEntryCount(group); ++entry) {
        const auto location = locateTextEntry(image, group, entry);
        (void)readTextEntry(image, group, location, fuzzTable(), keywords);
        (void)storedTextLength(image, group, location);
    }
}

void fuzzWholeImage(RomImage &image, const std::uint8_t *data, std::size_t size)
{
    const ImageMap map(image);
    layOver(image, map.writableByImport(), data, size);
    (void)identifyRelease(image);
    const auto refs = CrossReferences::build(image, fuzzTable());
    for (int id = 0; id < 256; ++id)
        for (const Place &place : refs.usesOfItem(id))
            (void)describePlace(place);
    (void)TextSearch::build(image, fuzzTable()).find({"A"});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    RomImage &image = freshImage(data[1] % 3);
    if (!image.holdsGameLayout())
        return 0;
    const auto &groups = exportGroups();
    const std::size_t slices = groups.size() + kTextGroups.size() + 1;
    const std::size_t slice = data[0] % slices;
    if (slice < groups.size())
        fuzzRecords(image, groups[slice], data + 2, size - 2);
    else if (slice < groups.size() + kTextGroups.size())
        fuzzTextGroup(image, static_cast<int>(slice - groups.size()), data + 2, size - 2);
    else
        fuzzWholeImage(image, data + 2, size - 2);
    return 0;
}
