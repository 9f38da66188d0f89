// Opening an arbitrary image of each size class: identification, every record kind's read and export, text,
// find and cross-references.
#include <cstdint>
#include <vector>

#include "records/record_json.h"
#include "rom/release_identifier.h"
#include "rom/rom_image.h"
#include "search/cross_references.h"
#include "search/text_search.h"
#include "text/keyword_list.h"
#include "text/text_groups.h"
#include "text/text_table.h"

using namespace talvek;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const std::size_t kSizes[] = {0x40010, 0x80010, 0x40011, 0};
    std::size_t imageSize = kSizes[data[0] % 4];
    if (imageSize == 0)
        imageSize = size; // any other size: the input itself
    std::vector<std::uint8_t> bytes(imageSize);
    for (std::size_t i = 0; i < imageSize; ++i)
        bytes[i] = data[i % size];
    RomImage image(std::move(bytes), "fuzz.nes");
    (void)identifyRelease(image);

    static TextTable table = [] {
        TextTable t;
        for (int b = 0x8A; b < 0xA4; ++b)
            t.set(static_cast<std::uint8_t>(b), std::string(1, static_cast<char>('A' + b - 0x8A)));
        t.set(0x16, "[F]");
        return t;
    }();
    if (!image.holdsGameLayout())
        return 0;
    const auto document = exportAllRecords(image, table);
    const auto before = image.bytes();
    importAllRecords(image, document, table);
    if (image.bytes() != before)
        __builtin_trap(); // export then import must change nothing
    const auto keywords = KeywordList::build(image, table);
    for (int group = 0; group < static_cast<int>(kTextGroups.size()); group += 3)
        (void)readTextEntry(image, group, locateTextEntry(image, group, data[0] % 9), table, keywords);
    const auto refs = CrossReferences::build(image, table);
    for (int id = 0; id < 256; ++id)
        for (const Place &place : refs.usesOfItem(id))
            (void)describePlace(place);
    (void)TextSearch::build(image, table).find({"A"});
    return 0;
}
