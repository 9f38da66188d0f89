#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace talvek {

// While a ReadTrace lives, every byte this thread reads through RomImage::at() or game() is recorded
// against the export element marked last. The diff uses it to learn which bytes a record shows as its own
// values, apart from the names of other records it shows as labels.
class ReadTrace {
public:
    using Element = std::pair<std::string, int>; // export key and index (-1 for a single value)

    ReadTrace();
    ~ReadTrace();
    ReadTrace(const ReadTrace &) = delete;
    ReadTrace &operator=(const ReadTrace &) = delete;

    // Marks the start of one element of an export key: the reads up to the next mark belong to it.
    // Costs one check when no trace is recording.
    static void mark(std::string_view key, int index);
    static void noteRead(std::int64_t bufferIndex);

    // Buffer indexes each element read (unsorted, may repeat).
    [[nodiscard]] const std::map<Element, std::vector<std::int64_t>> &reads() const { return reads_; }

private:
    // The trace recording on this thread lives in read_trace.cpp only: thread-local state read from inline
    // functions in other files trips the undefined-behaviour sanitizer's checks of TLS wrappers.
    ReadTrace *previous_;
    std::vector<std::int64_t> *current_ = nullptr;
    std::map<Element, std::vector<std::int64_t>> reads_;
};

// Scope of reads made to show a label (another record's name): they belong to no element.
class LabelReads {
public:
    LabelReads();
    ~LabelReads();
    LabelReads(const LabelReads &) = delete;
    LabelReads &operator=(const LabelReads &) = delete;
};

} // namespace talvek
