#include "restore_point.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "rom/checksum.h"
#include "rom/size_class.h"

namespace talvek {
namespace {

constexpr char kMagic[8] = {'T', 'V', 'K', 'R', 'P', 0x01, 0x0D, 0x0A};
// Differing runs closer than this are stored as one range: fewer headers, a few unchanged bytes.
constexpr std::int64_t kJoinGap = 8;

class Writer {
public:
    void bytes(std::span<const std::uint8_t> data) { out.insert(out.end(), data.begin(), data.end()); }
    void number(std::uint64_t value, int width)
    {
        for (int i = 0; i < width; ++i)
            out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    std::vector<std::uint8_t> out;
};

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}
    bool number(std::uint64_t &value, int width)
    {
        if (data_.size() - at_ < static_cast<std::size_t>(width))
            return false;
        value = 0;
        for (int i = 0; i < width; ++i)
            value |= static_cast<std::uint64_t>(data_[at_ + static_cast<std::size_t>(i)]) << (8 * i);
        at_ += static_cast<std::size_t>(width);
        return true;
    }
    bool bytes(std::vector<std::uint8_t> &out, std::uint64_t count)
    {
        if (count > data_.size() - at_)
            return false;
        out.assign(data_.begin() + static_cast<std::ptrdiff_t>(at_), data_.begin() + static_cast<std::ptrdiff_t>(at_ + count));
        at_ += static_cast<std::size_t>(count);
        return true;
    }
    [[nodiscard]] bool atEnd() const { return at_ == data_.size(); }

private:
    std::span<const std::uint8_t> data_;
    std::size_t at_ = 0;
};

// Writes the range's side into image (already at its final size), clipped to it.
void put(std::vector<std::uint8_t> &image, std::int64_t offset, const std::vector<std::uint8_t> &side)
{
    if (offset < 0 || offset >= static_cast<std::int64_t>(image.size()))
        return;
    const auto count = std::min<std::size_t>(side.size(), image.size() - static_cast<std::size_t>(offset));
    std::copy_n(side.begin(), count, image.begin() + offset);
}

} // namespace

std::uint64_t imageHash(std::span<const std::uint8_t> bytes)
{
    // Multiply and rotate over 8-byte words (the last word zero-padded), then the length.
    constexpr std::uint64_t kPrime = 0x9E3779B97F4A7C15ULL;
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (std::size_t at = 0; at < bytes.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, std::min<std::size_t>(8, bytes.size() - at));
        hash = std::rotl((hash ^ word) * kPrime, 29);
    }
    return (hash ^ bytes.size()) * kPrime;
}

RestorePoint RestorePoint::between(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                                   std::int64_t time, std::string summary)
{
    RestorePoint point;
    point.time = time;
    point.summary = std::move(summary);
    point.beforeSize = static_cast<std::int64_t>(before.size());
    point.afterSize = static_cast<std::int64_t>(after.size());
    point.beforeHash = imageHash(before);
    point.afterHash = imageHash(after);

    const std::int64_t common = std::min(point.beforeSize, point.afterSize);
    const std::int64_t longest = std::max(point.beforeSize, point.afterSize);
    auto side = [](std::span<const std::uint8_t> image, std::int64_t from, std::int64_t to) {
        to = std::min<std::int64_t>(to, static_cast<std::int64_t>(image.size()));
        return from >= to ? std::vector<std::uint8_t>{} : std::vector<std::uint8_t>(image.begin() + from, image.begin() + to);
    };
    std::int64_t i = 0;
    while (i < longest) {
        while (i < common && before[static_cast<std::size_t>(i)] == after[static_cast<std::size_t>(i)])
            ++i;
        if (i >= longest)
            break;
        const std::int64_t start = i;
        std::int64_t end = i; // one past the last differing byte of the run
        while (i < longest) {
            if (i >= common || before[static_cast<std::size_t>(i)] != after[static_cast<std::size_t>(i)]) {
                end = ++i;
                continue;
            }
            if (i - end >= kJoinGap)
                break;
            ++i;
        }
        // A run that reaches the end of the shorter image takes the longer image's extra bytes with it.
        const std::int64_t stop = end >= common ? longest : end;
        point.ranges.push_back({start, side(before, start, stop), side(after, start, stop)});
        i = stop;
    }
    return point;
}

std::vector<std::uint8_t> RestorePoint::undo(std::vector<std::uint8_t> after) const
{
    after.resize(static_cast<std::size_t>(beforeSize), 0);
    for (const Range &range : ranges)
        put(after, range.offset, range.before);
    return after;
}

std::vector<std::uint8_t> RestorePoint::redo(std::vector<std::uint8_t> before) const
{
    before.resize(static_cast<std::size_t>(afterSize), 0);
    for (const Range &range : ranges)
        put(before, range.offset, range.after);
    return before;
}

std::vector<std::uint8_t> RestorePoint::encode() const
{
    Writer w;
    w.bytes(std::span(reinterpret_cast<const std::uint8_t *>(kMagic), sizeof kMagic));
    w.number(static_cast<std::uint64_t>(time), 8);
    w.number(static_cast<std::uint64_t>(beforeSize), 8);
    w.number(static_cast<std::uint64_t>(afterSize), 8);
    w.number(beforeHash, 8);
    w.number(afterHash, 8);
    w.number(summary.size(), 4);
    w.bytes(std::span(reinterpret_cast<const std::uint8_t *>(summary.data()), summary.size()));
    w.number(ranges.size(), 4);
    for (const Range &range : ranges) {
        w.number(static_cast<std::uint64_t>(range.offset), 8);
        w.number(range.before.size(), 4);
        w.number(range.after.size(), 4);
        w.bytes(range.before);
        w.bytes(range.after);
    }
    w.number(crc32Of(w.out), 4);
    return w.out;
}

std::optional<RestorePoint> RestorePoint::decode(std::span<const std::uint8_t> file)
{
    if (file.size() < sizeof kMagic + 4 || std::memcmp(file.data(), kMagic, sizeof kMagic) != 0)
        return std::nullopt;
    const auto body = file.first(file.size() - 4);
    std::uint64_t storedCrc = 0;
    if (!Reader(file.last(4)).number(storedCrc, 4) || storedCrc != crc32Of(body))
        return std::nullopt;

    Reader r(body.subspan(sizeof kMagic));
    RestorePoint point;
    std::uint64_t time = 0, beforeSize = 0, afterSize = 0, summaryLength = 0, rangeCount = 0;
    std::vector<std::uint8_t> summary;
    if (!r.number(time, 8) || !r.number(beforeSize, 8) || !r.number(afterSize, 8) || !r.number(point.beforeHash, 8)
        || !r.number(point.afterHash, 8) || !r.number(summaryLength, 4) || !r.bytes(summary, summaryLength)
        || !r.number(rangeCount, 4))
        return std::nullopt;
    if (beforeSize > static_cast<std::uint64_t>(kMaxRomFileSize) || afterSize > static_cast<std::uint64_t>(kMaxRomFileSize))
        return std::nullopt;
    point.time = static_cast<std::int64_t>(time);
    point.beforeSize = static_cast<std::int64_t>(beforeSize);
    point.afterSize = static_cast<std::int64_t>(afterSize);
    point.summary.assign(summary.begin(), summary.end());
    for (std::uint64_t k = 0; k < rangeCount; ++k) {
        Range range;
        std::uint64_t offset = 0, beforeLength = 0, afterLength = 0;
        if (!r.number(offset, 8) || !r.number(beforeLength, 4) || !r.number(afterLength, 4)
            || !r.bytes(range.before, beforeLength) || !r.bytes(range.after, afterLength))
            return std::nullopt;
        // Every range lies inside the image it belongs to.
        if (offset > beforeSize || offset > afterSize || beforeLength > beforeSize - offset
            || afterLength > afterSize - offset)
            return std::nullopt;
        range.offset = static_cast<std::int64_t>(offset);
        point.ranges.push_back(std::move(range));
    }
    if (!r.atEnd())
        return std::nullopt;
    return point;
}

} // namespace talvek
