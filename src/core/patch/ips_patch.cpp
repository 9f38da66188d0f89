#include "ips_patch.h"

#include <algorithm>
#include <string>

namespace talvek::ips {
namespace {

constexpr std::uint8_t kHeader[] = {'P', 'A', 'T', 'C', 'H'};
constexpr std::uint8_t kEof[] = {'E', 'O', 'F'};
constexpr std::size_t kMaxRecord = 0xFFFF;
constexpr std::size_t kMinRun = 8; // runs this long go out as run-length records

// Writes records of the modified image; no record ever starts at the "EOF" offset: one that would is
// started a byte earlier, rewriting that byte with its (modified) value.
class Writer {
public:
    Writer(std::vector<std::uint8_t> &out, std::span<const std::uint8_t> modified) : out_(out), modified_(modified) {}

    void literal(std::size_t from, std::size_t to)
    {
        while (from < to) {
            if (static_cast<std::int64_t>(from) == kEofOffset)
                --from;
            const std::size_t n = std::min(to - from, kMaxRecord);
            offset(from);
            size(n);
            out_.insert(out_.end(), modified_.begin() + static_cast<std::ptrdiff_t>(from),
                        modified_.begin() + static_cast<std::ptrdiff_t>(from + n));
            from += n;
        }
    }
    void run(std::size_t from, std::size_t to)
    {
        while (from < to) {
            if (static_cast<std::int64_t>(from) == kEofOffset) {
                literal(from, from + 1);
                ++from;
                continue;
            }
            const std::size_t n = std::min(to - from, kMaxRecord);
            offset(from);
            size(0);
            size(n);
            out_.push_back(modified_[from]);
            from += n;
        }
    }
    void offset(std::size_t at)
    {
        out_.push_back(static_cast<std::uint8_t>(at >> 16));
        out_.push_back(static_cast<std::uint8_t>(at >> 8));
        out_.push_back(static_cast<std::uint8_t>(at));
    }

private:
    void size(std::size_t n)
    {
        out_.push_back(static_cast<std::uint8_t>(n >> 8));
        out_.push_back(static_cast<std::uint8_t>(n));
    }

    std::vector<std::uint8_t> &out_;
    std::span<const std::uint8_t> modified_;
};

bool same(std::span<const std::uint8_t> original, std::span<const std::uint8_t> modified, std::size_t i)
{
    return i < original.size() && original[i] == modified[i];
}

// Emits modified[from, to) as literal and run-length records.
void emitChange(Writer &writer, std::span<const std::uint8_t> modified, std::size_t from, std::size_t to)
{
    std::size_t literalStart = from;
    std::size_t i = from;
    while (i < to) {
        std::size_t runEnd = i;
        while (runEnd < to && modified[runEnd] == modified[i])
            ++runEnd;
        if (runEnd - i >= kMinRun) {
            writer.literal(literalStart, i);
            writer.run(i, runEnd);
            literalStart = runEnd;
        }
        i = runEnd;
    }
    writer.literal(literalStart, to);
}

} // namespace

std::vector<std::uint8_t> createPatch(std::span<const std::uint8_t> original, std::span<const std::uint8_t> modified)
{
    std::vector<std::uint8_t> patch(std::begin(kHeader), std::end(kHeader));
    Writer writer(patch, modified);
    std::size_t i = 0;
    while (i < modified.size()) {
        if (same(original, modified, i)) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        // Merge changes separated by short unchanged stretches into one record.
        std::size_t end = i;
        while (end < modified.size()) {
            if (!same(original, modified, end)) {
                ++end;
                continue;
            }
            std::size_t gap = end;
            while (gap < modified.size() && same(original, modified, gap) && gap - end < 6)
                ++gap;
            if (gap - end >= 6 || gap == modified.size())
                break;
            end = gap;
        }
        if (static_cast<std::int64_t>(end) > kMaxTarget)
            throw PatchError("IPS cannot address changes past 16 MiB");
        emitChange(writer, modified, start, end);
        i = end;
    }
    patch.insert(patch.end(), std::begin(kEof), std::end(kEof));
    if (modified.size() < original.size())
        writer.offset(modified.size());
    return patch;
}

Applied applyPatch(std::span<const std::uint8_t> rom, std::span<const std::uint8_t> patch)
{
    if (patch.size() < sizeof(kHeader) || !std::equal(std::begin(kHeader), std::end(kHeader), patch.begin()))
        throw PatchError("not an IPS patch (no \"PATCH\" header)");
    Applied result;
    result.bytes.assign(rom.begin(), rom.end());
    std::size_t at = sizeof(kHeader);
    auto need = [&](std::size_t n, const char *what) {
        if (patch.size() - at < n)
            throw PatchError(std::string("damaged patch: ") + what + " runs past the end of the patch");
    };
    auto read = [&](std::size_t n) {
        std::uint32_t value = 0;
        for (std::size_t k = 0; k < n; ++k)
            value = (value << 8) | patch[at++];
        return value;
    };
    for (;;) {
        if (patch.size() - at < 3)
            throw PatchError("damaged patch: no \"EOF\" marker");
        if (std::equal(std::begin(kEof), std::end(kEof), patch.begin() + static_cast<std::ptrdiff_t>(at))) {
            at += 3;
            if (patch.size() - at == 3)
                result.bytes.resize(std::min<std::size_t>(result.bytes.size(), read(3)));
            else if (at != patch.size())
                throw PatchError("damaged patch: unexpected data after \"EOF\"");
            return result;
        }
        const std::uint32_t offset = read(3);
        need(2, "a record");
        std::uint32_t size = read(2);
        std::uint8_t fill = 0;
        const bool run = size == 0;
        if (run) {
            need(3, "a run-length record");
            size = read(2);
            fill = patch[at++];
        } else {
            need(size, "a record");
        }
        const std::size_t end = static_cast<std::size_t>(offset) + size;
        if (end > result.bytes.size())
            result.bytes.resize(end, 0);
        for (std::size_t k = 0; k < size; ++k)
            result.bytes[offset + k] = run ? fill : patch[at + k];
        if (!run)
            at += size;
        ++result.records;
        result.bytesWritten += size;
    }
}

} // namespace talvek::ips
