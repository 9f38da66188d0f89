// Applying an arbitrary patch, and creating then applying a patch between two arbitrary files.
#include <cstdint>
#include <vector>

#include "patch/ips_patch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace talvek::ips;
    const std::vector<std::uint8_t> rom(64, 0x11);
    try {
        (void)applyPatch(rom, std::vector<std::uint8_t>(data, data + size));
    } catch (const PatchError &) {
    }
    const std::size_t half = size / 2;
    const std::vector<std::uint8_t> original(data, data + half), modified(data + half, data + size);
    const auto applied = applyPatch(original, createPatch(original, modified));
    if (applied.bytes != modified)
        __builtin_trap();
    return 0;
}
