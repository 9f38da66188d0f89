#include "history_store.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "rom/rom_file.h"

namespace talvek {
namespace fs = std::filesystem;

namespace {

constexpr char kPointSuffix[] = ".point";
constexpr char kHeadName[] = "head";

std::optional<std::uint64_t> numberIn(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failure != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// History files are written to a temporary file and renamed, so no reader ever sees half of one, but not
// synced: that would double the cost of every save. A point lost to a power cut reads as damaged and is
// skipped; the ROM's own write is synced.
bool writeFile(const std::string &path, std::span<const std::uint8_t> bytes)
{
    SaveSteps steps;
    steps.sync = [](int) { return true; };
    return saveRomFile(path, bytes, steps);
}

} // namespace

HistoryStore::HistoryStore(const std::string &romPath) : folder_(folderFor(romPath)) {}

std::string HistoryStore::folderFor(const std::string &romPath)
{
    return romPath + ".history";
}

std::string HistoryStore::pointFile(std::uint64_t sequence) const
{
    char name[32];
    std::snprintf(name, sizeof name, "%08llu%s", static_cast<unsigned long long>(sequence), kPointSuffix);
    return (fs::path(folder_) / name).string();
}

std::string HistoryStore::headFile() const
{
    return (fs::path(folder_) / kHeadName).string();
}

bool HistoryStore::load(std::string *error, bool contents)
{
    points_.clear();
    warnings_.clear();
    head_ = 0;
    std::error_code failure;
    const auto status = fs::status(folder_, failure);
    if (status.type() == fs::file_type::not_found)
        return true;
    if (status.type() != fs::file_type::directory) {
        *error = folder_ + " is not a folder";
        return false;
    }
    fs::directory_iterator entries(folder_, failure);
    if (failure) {
        *error = "cannot read " + folder_ + " (" + failure.message() + ")";
        return false;
    }
    for (const auto &entry : entries) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with(kPointSuffix))
            continue;
        const auto sequence = numberIn(std::string_view(name).substr(0, name.size() - (sizeof kPointSuffix - 1)));
        if (sequence && !contents) {
            points_.push_back({*sequence, {}});
            continue;
        }
        const auto file = sequence ? readRomFile(entry.path().string()) : std::nullopt;
        const auto point = file ? RestorePoint::decode(file->bytes()) : std::nullopt;
        if (!point) {
            warnings_.push_back("restore point " + entry.path().string() + " is damaged and was skipped");
            continue;
        }
        points_.push_back({*sequence, *point});
    }
    std::sort(points_.begin(), points_.end(), [](const StoredPoint &a, const StoredPoint &b) { return a.sequence < b.sequence; });

    head_ = points_.size();
    if (const auto headBytes = readRomFile(headFile())) {
        const std::string text(headBytes->bytes().begin(), headBytes->bytes().end());
        const auto last = numberIn(text.substr(0, text.find_last_not_of("\n") + 1));
        if (!last)
            warnings_.push_back(headFile() + " is damaged; every restore point is taken as applied");
        else
            head_ = static_cast<std::size_t>(std::count_if(points_.begin(), points_.end(),
                                                           [&](const StoredPoint &p) { return p.sequence <= *last; }));
    }
    return true;
}

bool HistoryStore::record(const RestorePoint &point, std::string *error)
{
    std::error_code failure;
    fs::create_directories(folder_, failure);
    if (failure || !fs::is_directory(folder_, failure)) {
        *error = "cannot make the folder " + folder_;
        return false;
    }
    const std::uint64_t sequence = points_.empty() ? 1 : points_.back().sequence + 1;
    if (!writeFile(pointFile(sequence), point.encode())) {
        *error = "cannot write " + pointFile(sequence);
        return false;
    }
    // The undone points can no longer be redone once a new save follows them.
    for (std::size_t k = head_; k < points_.size(); ++k)
        fs::remove(pointFile(points_[k].sequence), failure);
    points_.resize(head_);
    fs::remove(headFile(), failure);
    points_.push_back({sequence, point});
    while (points_.size() > kMaxPoints) {
        fs::remove(pointFile(points_.front().sequence), failure);
        points_.erase(points_.begin());
    }
    head_ = points_.size();
    return true;
}

void HistoryStore::forgetNewest()
{
    if (points_.empty())
        return;
    std::error_code failure;
    fs::remove(pointFile(points_.back().sequence), failure);
    points_.pop_back();
    head_ = std::min(head_, points_.size());
}

bool HistoryStore::setHead(std::size_t head, std::string *error)
{
    head = std::min(head, points_.size());
    std::error_code failure;
    if (head == points_.size()) {
        fs::remove(headFile(), failure);
    } else {
        const std::string text = std::to_string(head == 0 ? 0 : points_[head - 1].sequence) + "\n";
        if (!writeFile(headFile(), std::span(reinterpret_cast<const std::uint8_t *>(text.data()), text.size()))) {
            *error = "cannot write " + headFile();
            return false;
        }
    }
    head_ = head;
    return true;
}

std::optional<std::vector<std::uint8_t>> imageAtPosition(const std::vector<StoredPoint> &points, std::size_t head,
                                                         std::vector<std::uint8_t> current, std::size_t target,
                                                         bool force, std::string *error)
{
    if (head > points.size() || target > points.size()) {
        *error = "no restore point " + std::to_string(target + 1);
        return std::nullopt;
    }
    auto matches = [&](std::int64_t size, std::uint64_t hash) {
        return static_cast<std::int64_t>(current.size()) == size && imageHash(current) == hash;
    };
    for (std::size_t at = head; at > target; --at) {
        const RestorePoint &point = points[at - 1].point;
        if (!force && !matches(point.afterSize, point.afterHash)) {
            *error = "the ROM is not as restore point " + std::to_string(at) + " left it (changed outside Talvek?)";
            return std::nullopt;
        }
        current = point.undo(std::move(current));
    }
    for (std::size_t at = head; at < target; ++at) {
        const RestorePoint &point = points[at].point;
        if (!force && !matches(point.beforeSize, point.beforeHash)) {
            *error = "the ROM is not as it was before restore point " + std::to_string(at + 1) + " (changed outside Talvek?)";
            return std::nullopt;
        }
        current = point.redo(std::move(current));
    }
    return current;
}

} // namespace talvek
