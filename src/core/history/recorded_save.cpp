#include "recorded_save.h"

#include <algorithm>
#include <ctime>

#include "history_store.h"
#include "rom/rom_file.h"

namespace talvek {
namespace {

std::vector<std::uint8_t> bytesOf(std::span<const std::uint8_t> bytes)
{
    return {bytes.begin(), bytes.end()};
}

SaveReport refused(std::string error, bool changedOutside = false)
{
    SaveReport report;
    report.outcome = SaveOutcome::Failed;
    report.error = std::move(error);
    report.changedOutside = changedOutside;
    return report;
}

// Undo and redo: the store first, then the ROM; a failed ROM write puts the head back.
SaveReport moveHead(const std::string &path, bool forward)
{
    HistoryStore store(path);
    std::string error;
    if (!store.load(&error))
        return refused(error);
    const std::size_t head = store.head();
    if (forward ? head >= store.points().size() : head == 0)
        return refused(forward ? "there is no undone save to redo" : "there is no save to undo");
    const auto file = readRomFile(path);
    if (!file)
        return refused("cannot read " + path);
    const std::size_t target = forward ? head + 1 : head - 1;
    auto image = imageAtPosition(store.points(), head, file->bytes(), target, false, &error);
    if (!image)
        return refused(error, true);
    if (!store.setHead(target, &error))
        return refused(error);
    if (!saveRomFile(path, *image)) {
        (void)store.setHead(head, &error);
        return refused("Unable to save to ROM: " + path);
    }
    SaveReport report;
    report.outcome = SaveOutcome::Saved;
    report.written = std::move(*image);
    return report;
}

} // namespace

SaveReport saveRecorded(const SaveRequest &request)
{
    SaveReport report;
    const auto onDisk = readRomFile(request.path);
    if (request.expectedOnDisk && (!onDisk || onDisk->bytes() != *request.expectedOnDisk)) {
        report.outcome = SaveOutcome::ChangedOnDisk;
        return report;
    }

    std::optional<HistoryStore> store;
    if (request.recordHistory && onDisk && !std::equal(onDisk->bytes().begin(), onDisk->bytes().end(),
                                                       request.bytes.begin(), request.bytes.end())) {
        store.emplace(request.path);
        std::string error;
        const std::string summary = request.summarize ? request.summarize(onDisk->bytes(), request.bytes) : std::string();
        const auto point = RestorePoint::between(onDisk->bytes(), request.bytes, std::time(nullptr), summary);
        if (!store->load(&error, false) || !store->record(point, &error)) {
            report.warnings.push_back("No restore point was recorded: " + error + ".");
            store.reset();
        } else {
            for (const auto &warning : store->warnings())
                report.warnings.push_back(warning);
        }
    }
    if (!saveRomFile(request.path, request.bytes)) {
        if (store)
            store->forgetNewest();
        report.outcome = SaveOutcome::Failed;
        return report;
    }
    report.outcome = SaveOutcome::Saved;
    report.written = bytesOf(request.bytes);
    return report;
}

SaveReport undoLastSave(const std::string &path)
{
    return moveHead(path, false);
}

SaveReport redoSave(const std::string &path)
{
    return moveHead(path, true);
}

SaveReport revertToBefore(const std::string &path, std::size_t number, bool force, const ChangeSummarizer &summarize)
{
    HistoryStore store(path);
    std::string error;
    if (!store.load(&error))
        return refused(error);
    if (number < 1 || number > store.points().size())
        return refused("no restore point " + std::to_string(number) + " (the history of " + path + " has "
                       + std::to_string(store.points().size()) + ")");
    const auto file = readRomFile(path);
    if (!file)
        return refused("cannot read " + path);
    auto image = imageAtPosition(store.points(), store.head(), file->bytes(), number - 1, force, &error);
    if (!image)
        return refused(error, true);
    SaveRequest request{path, *image, nullptr, true, summarize};
    auto report = saveRecorded(request);
    if (report.outcome != SaveOutcome::Saved)
        report.error = "Unable to save to ROM: " + path;
    return report;
}

} // namespace talvek
