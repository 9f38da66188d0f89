#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "restore_point.h"

namespace talvek {

struct StoredPoint {
    std::uint64_t sequence = 0; // the file's number; grows with every point recorded
    RestorePoint point;
};

// The restore points of one ROM, in the folder ROMFILE.history beside it: one file per point, written
// atomically like the ROM, and, while saves are undone, a file naming the last point still applied.
class HistoryStore {
public:
    static constexpr std::size_t kMaxPoints = 5000; // the oldest are dropped past this

    explicit HistoryStore(const std::string &romPath);
    [[nodiscard]] static std::string folderFor(const std::string &romPath);

    // Reads the folder. A missing folder is an empty history. A damaged point file is skipped with a
    // warning. False, with the reason, when the folder cannot be read at all. Without contents, only the
    // points' numbers are read (all that recording a new point needs).
    bool load(std::string *error, bool contents = true);

    [[nodiscard]] const std::vector<StoredPoint> &points() const { return points_; }
    // How many points the file holds applied: the file is the image after points()[head() - 1].
    [[nodiscard]] std::size_t head() const { return head_; }
    [[nodiscard]] const std::vector<std::string> &warnings() const { return warnings_; }

    // Records a point after the head: the undone points past it are dropped, as are the oldest past
    // kMaxPoints. False, with the reason, when it could not be written.
    bool record(const RestorePoint &point, std::string *error);
    // Removes the newest point (its save failed after it was recorded).
    void forgetNewest();
    // Marks how many points are applied after an undo or redo.
    bool setHead(std::size_t head, std::string *error);

private:
    [[nodiscard]] std::string pointFile(std::uint64_t sequence) const;
    [[nodiscard]] std::string headFile() const;

    std::string folder_;
    std::vector<StoredPoint> points_;
    std::size_t head_ = 0;
    std::vector<std::string> warnings_;
};

// The image at a history position (0: before the first point) composed from the file's content at
// position head, one point at a time. Each step checks that the content is what the point recorded;
// where it is not (the file was changed outside Talvek), it refuses with the reason, or with force
// writes the points' bytes over that content anyway.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> imageAtPosition(const std::vector<StoredPoint> &points,
                                                                       std::size_t head, std::vector<std::uint8_t> current,
                                                                       std::size_t target, bool force, std::string *error);

} // namespace talvek
