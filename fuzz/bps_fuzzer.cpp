// Applying an arbitrary BPS patch (with correct CRC-32s, so the actions are reached), and creating then
// applying a patch between two arbitrary files.
#include <cstdint>
#include <vector>

#include "patch/bps_patch.h"
#include "rom/checksum.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace talvek;
    const std::vector<std::uint8_t> source(64, 0x11);
    std::vector<std::uint8_t> patch(data, data + size);
    try {
        (void)bps::applyPatch(source, patch);
    } catch (const bps::PatchError &) {
    }
    // The same bytes as the actions of a patch for source, its CRC-32s made right.
    std::vector<std::uint8_t> framed{'B', 'P', 'S', '1', 0xC0};
    framed.insert(framed.end(), data, data + size);
    const auto appendU32 = [&framed](std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            framed.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    appendU32(crc32Of(source));
    appendU32(0);
    appendU32(crc32Of(framed));
    try {
        (void)bps::applyPatch(source, framed);
    } catch (const bps::PatchError &) {
    }
    const std::size_t half = size / 2;
    const std::vector<std::uint8_t> original(data, data + half), modified(data + half, data + size);
    if (bps::applyPatch(original, bps::createPatch(original, modified)) != modified)
        __builtin_trap();
    return 0;
}
