#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace talvek {

// Describes what a save changes (the first change and how many more) for its restore point.
using ChangeSummarizer =
    std::function<std::string(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after)>;

enum class SaveOutcome { Saved, ChangedOnDisk, Failed };

struct SaveReport {
    SaveOutcome outcome = SaveOutcome::Failed;
    std::vector<std::string> warnings; // the restore point could not be recorded; the save went on
    std::string error;                 // why a history move refused
    bool changedOutside = false;       // refused because the file is not what the history recorded
    std::vector<std::uint8_t> written; // what the file holds now, after a history move
};

struct SaveRequest {
    std::string path;
    std::span<const std::uint8_t> bytes;
    // The content the file had when it was last read or written; when the file now differs, nothing is
    // written and the outcome is ChangedOnDisk. None: no check.
    const std::vector<std::uint8_t> *expectedOnDisk = nullptr;
    bool recordHistory = true;
    ChangeSummarizer summarize;
};

// The one whole-file save: checks the file against what was expected, records a restore point of what it
// replaces (a damaged or unwritable history only adds a warning), then writes the file atomically. A save
// over a missing file, or of bytes the file already holds, records no point.
[[nodiscard]] SaveReport saveRecorded(const SaveRequest &request);

// Moves through the ROM's restore points without recording new ones: the file is written with the image
// before its newest applied save (undo) or after the next undone one (redo). Refuses when there is
// nothing to move to, or the file is not what the history says it is.
[[nodiscard]] SaveReport undoLastSave(const std::string &path);
[[nodiscard]] SaveReport redoSave(const std::string &path);

// Puts the file back to its content just before restore point number (counted from 1). The revert is a
// save with a restore point of its own. Without force, refuses when the file was changed outside Talvek
// since the history last recorded it.
[[nodiscard]] SaveReport revertToBefore(const std::string &path, std::size_t number, bool force,
                                        const ChangeSummarizer &summarize);

} // namespace talvek
