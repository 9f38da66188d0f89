#include "bps_patch.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "rom/checksum.h"
#include "rom/size_class.h"

namespace talvek::bps {
namespace {

constexpr char kMagic[4] = {'B', 'P', 'S', '1'};
constexpr std::size_t kFooterSize = 12;
enum Action : std::uint64_t { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };

std::string hex(std::uint32_t value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

std::uint32_t readU32(std::span<const std::uint8_t> bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8
        | static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// The format's numbers: seven bits a byte, low first, the last byte flagged with 0x80, and each further
// byte counting one more (so every number has exactly one form).
class Writer {
public:
    void number(std::uint64_t value)
    {
        while (true) {
            const auto low = static_cast<std::uint8_t>(value & 0x7F);
            value >>= 7;
            if (value == 0) {
                out.push_back(0x80 | low);
                return;
            }
            out.push_back(low);
            --value;
        }
    }
    void action(Action kind, std::uint64_t length) { number(((length - 1) << 2) | kind); }
    void offset(std::int64_t delta)
    {
        number((static_cast<std::uint64_t>(delta < 0 ? -delta : delta) << 1) | (delta < 0 ? 1 : 0));
    }
    void u32(std::uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    std::vector<std::uint8_t> out;
};

std::size_t numberSize(std::uint64_t value)
{
    std::size_t size = 1;
    while ((value >>= 7) != 0) {
        --value;
        ++size;
    }
    return size;
}

class Reader {
public:
    Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t number()
    {
        std::uint64_t value = 0, shift = 1;
        while (true) {
            if (at_ >= bytes_.size())
                throw PatchError("the patch ends in the middle of a number");
            const std::uint8_t x = bytes_[at_++];
            if (shift > (std::uint64_t{1} << 56))
                throw PatchError("the patch holds a number too large for any file");
            value += (x & 0x7F) * shift;
            if (x & 0x80)
                return value;
            shift <<= 7;
            value += shift;
        }
    }
    std::span<const std::uint8_t> take(std::uint64_t count)
    {
        if (count > bytes_.size() - at_)
            throw PatchError("the patch ends in the middle of an action");
        const auto taken = bytes_.subspan(at_, static_cast<std::size_t>(count));
        at_ += static_cast<std::size_t>(count);
        return taken;
    }
    [[nodiscard]] bool atEnd() const { return at_ == bytes_.size(); }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

// Finds earlier places holding the same bytes: a chain of positions per hash of four bytes, as zlib keeps.
class MatchFinder {
public:
    static constexpr int kKey = 4;
    // The chain links need no first value: a link is written when its position is inserted, before it is read.
    explicit MatchFinder(std::span<const std::uint8_t> data)
        : data_(data), head_(1 << 16, -1), previous_(std::make_unique_for_overwrite<std::int32_t[]>(data.size()))
    {
    }

    void insert(std::int64_t at)
    {
        if (at + kKey > static_cast<std::int64_t>(data_.size()))
            return;
        auto &first = head_[hash(at)];
        previous_[static_cast<std::size_t>(at)] = first;
        first = static_cast<std::int32_t>(at);
    }
    // The longest match for text among the inserted positions (the nearest to near among equals).
    struct Match {
        std::int64_t at = -1;
        std::int64_t length = 0;
    };
    Match longest(std::span<const std::uint8_t> text, std::int64_t near, int tries = 32) const
    {
        Match best;
        if (text.size() < kKey)
            return best;
        for (std::int64_t at = head_[key(text.data())]; at >= 0 && tries-- > 0; at = previous_[static_cast<std::size_t>(at)]) {
            const auto limit = std::min(text.size(), data_.size() - static_cast<std::size_t>(at));
            std::size_t length = 0;
            while (length < limit && data_[static_cast<std::size_t>(at) + length] == text[length])
                ++length;
            const auto l = static_cast<std::int64_t>(length);
            if (l > best.length || (l == best.length && l > 0 && std::llabs(at - near) < std::llabs(best.at - near)))
                best = {at, l};
        }
        return best;
    }

private:
    static std::size_t key(const std::uint8_t *p)
    {
        std::uint32_t word;
        std::memcpy(&word, p, sizeof word);
        return (word * 2654435761u) >> 16;
    }
    std::size_t hash(std::int64_t at) const { return key(data_.data() + at); }

    std::span<const std::uint8_t> data_;
    std::vector<std::int32_t> head_; // images are at most 32 MiB
    std::unique_ptr<std::int32_t[]> previous_;
};

} // namespace

bool looksLikeBps(std::span<const std::uint8_t> patch)
{
    return patch.size() >= sizeof kMagic && std::memcmp(patch.data(), kMagic, sizeof kMagic) == 0;
}

std::vector<std::uint8_t> createPatch(std::span<const std::uint8_t> source, std::span<const std::uint8_t> target,
                                      std::string_view metadata)
{
    Writer w;
    w.out.assign(kMagic, kMagic + sizeof kMagic);
    w.number(source.size());
    w.number(target.size());
    w.number(metadata.size());
    w.out.insert(w.out.end(), metadata.begin(), metadata.end());

    // Built at the first search: a patch of scattered small changes never needs them.
    std::optional<MatchFinder> sourceMatches, targetMatches;

    const auto size = static_cast<std::int64_t>(target.size());
    // How many bytes from at on (up to limit) the target keeps from the source in place.
    const auto inPlace = [&](std::int64_t at, std::int64_t limit) {
        limit = std::min<std::int64_t>(limit, static_cast<std::int64_t>(source.size()));
        std::int64_t count = 0;
        while (at + count < limit && source[static_cast<std::size_t>(at + count)] == target[static_cast<std::size_t>(at + count)])
            ++count;
        return count;
    };
    std::int64_t sourceOffset = 0, targetOffset = 0, literalStart = -1, indexed = 0;
    auto flushLiteral = [&](std::int64_t end) {
        if (literalStart < 0)
            return;
        w.action(TargetRead, static_cast<std::uint64_t>(end - literalStart));
        w.out.insert(w.out.end(), target.begin() + literalStart, target.begin() + end);
        literalStart = -1;
    };
    std::int64_t out = 0;
    while (out < size) {
        const std::int64_t same = inPlace(out, size);
        // A run in place is the cheapest action: one number. Inside new bytes it must pay for the
        // TargetRead that resumes after it.
        // A copy is looked for only where the target is not its source in place, now or in the next few
        // bytes: a changed byte or two before a run in place is best sent as it is.
        const bool runNearby = same >= 32 || [&] {
            for (std::int64_t k = 1; k <= 4 && out + k < size; ++k)
                if (inPlace(out + k, std::min(out + k + 8, size)) == std::min<std::int64_t>(8, size - out - k))
                    return true;
            return false;
        }();
        MatchFinder::Match fromSource, fromTarget;
        if (!runNearby) {
            if (!sourceMatches) {
                sourceMatches.emplace(source);
                for (std::int64_t i = static_cast<std::int64_t>(source.size()) - 1; i >= 0; --i)
                    sourceMatches->insert(i); // the lowest position first in each chain
                targetMatches.emplace(target);
            }
            while (indexed < out)
                targetMatches->insert(indexed++);
            const auto rest = target.subspan(static_cast<std::size_t>(out));
            fromSource = sourceMatches->longest(rest, sourceOffset);
            fromTarget = targetMatches->longest(rest, targetOffset);
        }
        const auto copyCost = [&](const MatchFinder::Match &m, std::int64_t relative) {
            return static_cast<std::int64_t>(numberSize(static_cast<std::uint64_t>(std::max<std::int64_t>(m.length - 1, 0)) << 2)
                                             + numberSize(static_cast<std::uint64_t>(std::llabs(m.at - relative)) << 1));
        };
        const std::int64_t resume = literalStart >= 0 ? 1 : 0;
        if (same > 0 && same >= fromSource.length && same >= fromTarget.length && same > 1 + resume) {
            flushLiteral(out);
            w.action(SourceRead, static_cast<std::uint64_t>(same));
            out += same;
            continue;
        }
        const bool sourceBetter = fromSource.length >= fromTarget.length;
        const auto &best = sourceBetter ? fromSource : fromTarget;
        const std::int64_t relative = sourceBetter ? sourceOffset : targetOffset;
        // New bytes followed by a run in place that reaches as far as the copy are cheaper as a TargetRead.
        bool literalIsCheaper = false;
        if (best.length > 0) {
            const std::int64_t end = out + best.length;
            std::int64_t resumeAt = out + 1;
            while (resumeAt < end && inPlace(resumeAt, std::min(resumeAt + 4, size)) < 4)
                ++resumeAt;
            literalIsCheaper = resumeAt < end && inPlace(resumeAt, end) == end - resumeAt
                && (resumeAt - out) + (1 - resume) <= copyCost(best, relative);
        }
        if (!literalIsCheaper && best.length > copyCost(best, relative) + resume) {
            flushLiteral(out);
            w.action(sourceBetter ? SourceCopy : TargetCopy, static_cast<std::uint64_t>(best.length));
            w.offset(best.at - relative);
            (sourceBetter ? sourceOffset : targetOffset) = best.at + best.length;
            out += best.length;
            continue;
        }
        if (literalStart < 0)
            literalStart = out;
        ++out;
    }
    flushLiteral(out);

    w.u32(crc32Of(source));
    w.u32(crc32Of(target));
    w.u32(crc32Of(w.out));
    return w.out;
}

std::vector<std::uint8_t> applyPatch(std::span<const std::uint8_t> source, std::span<const std::uint8_t> patch)
{
    if (!looksLikeBps(patch))
        throw PatchError("not a BPS patch (no \"BPS1\" at its start)");
    if (patch.size() < sizeof kMagic + 3 + kFooterSize)
        throw PatchError("the patch is too short to be a BPS patch");
    const auto body = patch.first(patch.size() - kFooterSize);
    const auto footer = patch.last(kFooterSize);
    const std::uint32_t storedPatchCrc = readU32(footer.subspan(8));
    if (const std::uint32_t actual = crc32Of(patch.first(patch.size() - 4)); actual != storedPatchCrc)
        throw PatchError("the patch is damaged: its CRC32 is stored as " + hex(storedPatchCrc) + " but its bytes give "
                         + hex(actual));
    const std::uint32_t sourceCrc = readU32(footer), targetCrc = readU32(footer.subspan(4));
    if (const std::uint32_t actual = crc32Of(source); actual != sourceCrc)
        throw PatchError("the patch is for a ROM whose CRC32 is " + hex(sourceCrc) + "; this ROM's CRC32 is " + hex(actual));

    Reader r(body.subspan(sizeof kMagic));
    const std::uint64_t sourceSize = r.number(), targetSize = r.number(), metadataSize = r.number();
    if (sourceSize != source.size())
        throw PatchError("the patch is for a ROM of " + std::to_string(sourceSize) + " bytes; this ROM has "
                         + std::to_string(source.size()));
    if (targetSize > static_cast<std::uint64_t>(kMaxRomFileSize))
        throw PatchError("the patch would make a file of " + std::to_string(targetSize) + " bytes, larger than any ROM");
    (void)r.take(metadataSize);

    std::vector<std::uint8_t> target(static_cast<std::size_t>(targetSize));
    std::uint64_t out = 0, sourceOffset = 0, targetOffset = 0;
    auto relative = [&r](std::uint64_t &offset, std::uint64_t limit, const char *what) {
        const std::uint64_t data = r.number();
        const std::uint64_t distance = data >> 1;
        if (data & 1) {
            if (distance > offset)
                throw PatchError(std::string("a ") + what + " action reaches before the start of its file");
            offset -= distance;
        } else {
            if (distance > limit - std::min(offset, limit))
                throw PatchError(std::string("a ") + what + " action reaches past the end of its file");
            offset += distance;
        }
    };
    while (!r.atEnd()) {
        const std::uint64_t data = r.number();
        const std::uint64_t length = (data >> 2) + 1;
        if (length > targetSize - out)
            throw PatchError("an action writes past the end of the target");
        switch (data & 3) {
        case SourceRead:
            if (out + length > sourceSize)
                throw PatchError("a SourceRead action reads past the end of the ROM");
            std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(out), length, target.begin() + static_cast<std::ptrdiff_t>(out));
            break;
        case TargetRead: {
            const auto bytes = r.take(length);
            std::copy(bytes.begin(), bytes.end(), target.begin() + static_cast<std::ptrdiff_t>(out));
            break;
        }
        case SourceCopy:
            relative(sourceOffset, sourceSize, "SourceCopy");
            if (length > sourceSize - sourceOffset)
                throw PatchError("a SourceCopy action reads past the end of the ROM");
            std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(sourceOffset), length,
                        target.begin() + static_cast<std::ptrdiff_t>(out));
            sourceOffset += length;
            break;
        case TargetCopy:
            relative(targetOffset, out, "TargetCopy");
            if (targetOffset >= out)
                throw PatchError("a TargetCopy action reads target bytes not written yet");
            // Byte by byte: a copy may overlap what it writes (a run repeated).
            for (std::uint64_t k = 0; k < length; ++k)
                target[static_cast<std::size_t>(out + k)] = target[static_cast<std::size_t>(targetOffset + k)];
            targetOffset += length;
            break;
        }
        out += length;
    }
    if (out != targetSize)
        throw PatchError("the patch's actions end before the target is complete");
    if (const std::uint32_t actual = crc32Of(target); actual != targetCrc)
        throw PatchError("the patched file's CRC32 is " + hex(actual) + ", not the " + hex(targetCrc) + " the patch expects");
    return target;
}

} // namespace talvek::bps
