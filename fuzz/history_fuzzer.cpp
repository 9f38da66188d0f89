// Reading an arbitrary restore point file, and recording then undoing and redoing a save between two
// arbitrary files.
#include <cstdint>
#include <vector>

#include "history/restore_point.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using talvek::RestorePoint;
    const std::vector<std::uint8_t> input(data, data + size);
    if (const auto point = RestorePoint::decode(input)) {
        if (point->encode() != input)
            __builtin_trap();
        if (point->beforeSize <= (1 << 20) && point->afterSize <= (1 << 20))
            (void)point->undo(point->redo(std::vector<std::uint8_t>(64, 0x11)));
    }
    const std::size_t half = size / 2;
    const std::vector<std::uint8_t> before(data, data + half), after(data + half, data + size);
    const auto point = RestorePoint::between(before, after, 0, "fuzz");
    if (point.undo(after) != before || point.redo(before) != after)
        __builtin_trap();
    return 0;
}
