#include <gtest/gtest.h>

#include <filesystem>

#include "history/history_store.h"
#include "history/recorded_save.h"
#include "test_support.h"

namespace talvek {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> withByte(std::vector<std::uint8_t> bytes, std::size_t at, std::uint8_t value)
{
    bytes[at] = value;
    return bytes;
}

SaveReport save(const std::string &path, const std::vector<std::uint8_t> &bytes,
                const std::vector<std::uint8_t> *expected = nullptr, bool record = true)
{
    return saveRecorded({path, bytes, expected, record, [](auto, auto) { return std::string("a change"); }});
}

std::size_t pointCount(const std::string &path)
{
    HistoryStore store(path);
    std::string error;
    EXPECT_TRUE(store.load(&error)) << error;
    return store.points().size();
}

// A ROM saved twice with restore points: the original, then one byte changed, then another.
struct TwoSaves {
    TwoSaves()
    {
        EXPECT_EQ(save(path, first).outcome, SaveOutcome::Saved);
        EXPECT_EQ(save(path, second).outcome, SaveOutcome::Saved);
    }
    test::TempDir dir;
    std::vector<std::uint8_t> original = test::sampleBytes();
    std::string path = dir.write("game.nes", original);
    std::vector<std::uint8_t> first = withByte(original, 0x30016, 99);
    std::vector<std::uint8_t> second = withByte(first, 0x30017, 42);
};

TEST(RestorePoint, UndoesAndRedoesAnyChangeAndSurvivesItsFileForm)
{
    const auto sample = test::sampleBytes();
    auto scattered = sample;
    for (std::size_t at : {0u, 1u, 9u, 20u, 0x30010u, 0x3FFFFu, 0x4000Fu})
        scattered[at] ^= 0x5A;
    auto longer = sample;
    longer.resize(sample.size() + 100, 0xEE);
    longer[5] = 1;
    auto shorter = sample;
    shorter.resize(1000);
    for (const auto &after : {sample, scattered, longer, shorter}) {
        const auto point = RestorePoint::between(sample, after, 1234, "summary");
        EXPECT_EQ(point.undo(after), sample);
        EXPECT_EQ(point.redo(sample), after);
        const auto decoded = RestorePoint::decode(point.encode());
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->undo(after), sample);
        EXPECT_EQ(decoded->summary, "summary");
        EXPECT_EQ(decoded->time, 1234);
        EXPECT_EQ(decoded->afterHash, imageHash(after));
    }
    // A small save stores a few bytes, not the image.
    EXPECT_LT(RestorePoint::between(sample, scattered, 0, "x").encode().size(), 300u);
}

TEST(RestorePoint, RefusesDamagedFiles)
{
    const auto sample = test::sampleBytes();
    const auto file = RestorePoint::between(sample, withByte(sample, 100, 7), 0, "one byte").encode();
    for (std::size_t length = 0; length < file.size(); ++length)
        EXPECT_FALSE(RestorePoint::decode(std::span(file).first(length))) << "cut to " << length;
    for (std::size_t at = 0; at < file.size(); ++at) {
        auto flipped = file;
        flipped[at] ^= 0x01;
        EXPECT_FALSE(RestorePoint::decode(flipped)) << "byte " << at << " changed";
    }
    EXPECT_FALSE(RestorePoint::decode(std::vector<std::uint8_t>(64, 0xFF)));
}

TEST(RecordedSave, SaveThenRevertGivesTheOriginalAndARevertCanBeReverted)
{
    const TwoSaves saves;
    const auto &[dir, original, path, first, second] = saves;
    EXPECT_EQ(pointCount(path), 2u);

    ASSERT_EQ(revertToBefore(path, 1, false, {}).outcome, SaveOutcome::Saved);
    EXPECT_EQ(test::readFile(path), original);
    EXPECT_EQ(pointCount(path), 3u) << "the revert records a point of its own";
    ASSERT_EQ(revertToBefore(path, 3, false, {}).outcome, SaveOutcome::Saved);
    EXPECT_EQ(test::readFile(path), second);

    // A save of what the file holds records nothing; a missing file is created without a point.
    ASSERT_EQ(save(path, second).outcome, SaveOutcome::Saved);
    EXPECT_EQ(pointCount(path), 4u);
    const auto fresh = dir.file("fresh.nes");
    ASSERT_EQ(save(fresh, original).outcome, SaveOutcome::Saved);
    EXPECT_FALSE(fs::exists(HistoryStore::folderFor(fresh)));
}

TEST(RecordedSave, UndoAndRedoMoveWithoutNewPointsAndANewSaveDropsTheRedo)
{
    const TwoSaves saves;
    const auto &[dir, original, path, first, second] = saves;

    auto undone = undoLastSave(path);
    ASSERT_EQ(undone.outcome, SaveOutcome::Saved) << undone.error;
    EXPECT_EQ(undone.written, first);
    ASSERT_EQ(undoLastSave(path).outcome, SaveOutcome::Saved);
    EXPECT_EQ(test::readFile(path), original);
    EXPECT_EQ(undoLastSave(path).error, "there is no save to undo");

    // The position survives a restart: a new store reads it from the folder.
    HistoryStore store(path);
    std::string error;
    ASSERT_TRUE(store.load(&error));
    EXPECT_EQ(store.points().size(), 2u);
    EXPECT_EQ(store.head(), 0u);

    ASSERT_EQ(redoSave(path).outcome, SaveOutcome::Saved);
    EXPECT_EQ(test::readFile(path), first);
    const auto third = withByte(first, 0x30018, 5);
    ASSERT_EQ(save(path, third).outcome, SaveOutcome::Saved);
    EXPECT_EQ(pointCount(path), 2u) << "the undone second save is dropped";
    EXPECT_EQ(redoSave(path).error, "there is no undone save to redo");
    ASSERT_EQ(undoLastSave(path).outcome, SaveOutcome::Saved);
    EXPECT_EQ(test::readFile(path), first);
}

TEST(RecordedSave, ChangedOnDiskIsRefusedAndNothingIsWritten)
{
    test::TempDir dir;
    const auto original = test::sampleBytes();
    const auto path = dir.write("game.nes", original);
    const auto outside = withByte(original, 50, 1);
    dir.write("game.nes", outside); // another program's save
    EXPECT_EQ(save(path, withByte(original, 60, 2), &original).outcome, SaveOutcome::ChangedOnDisk);
    EXPECT_EQ(test::readFile(path), outside);
    EXPECT_FALSE(fs::exists(HistoryStore::folderFor(path)));
    EXPECT_EQ(save(path, withByte(original, 60, 2), &outside).outcome, SaveOutcome::Saved);
}

TEST(RecordedSave, RevertRefusesAFileChangedOutsideUnlessForced)
{
    test::TempDir dir;
    const auto original = test::sampleBytes();
    const auto path = dir.write("game.nes", original);
    const auto saved = withByte(original, 0x30016, 99);
    ASSERT_EQ(save(path, saved).outcome, SaveOutcome::Saved);
    const auto outside = withByte(saved, 50, 1);
    dir.write("game.nes", outside);

    const auto refused = revertToBefore(path, 1, false, {});
    EXPECT_EQ(refused.outcome, SaveOutcome::Failed);
    EXPECT_NE(refused.error.find("changed outside Talvek"), std::string::npos) << refused.error;
    EXPECT_TRUE(refused.changedOutside);
    EXPECT_EQ(test::readFile(path), outside);
    EXPECT_EQ(undoLastSave(path).outcome, SaveOutcome::Failed);
    EXPECT_EQ(test::readFile(path), outside);

    // Forced, the save's own bytes go back and the outside change stays.
    ASSERT_EQ(revertToBefore(path, 1, true, {}).outcome, SaveOutcome::Saved);
    EXPECT_EQ(test::readFile(path), withByte(original, 50, 1));

    // A ROM of another size is refused too.
    dir.write("game.nes", std::vector<std::uint8_t>(1000, 0));
    EXPECT_EQ(revertToBefore(path, 1, false, {}).outcome, SaveOutcome::Failed);
    EXPECT_EQ(test::readFile(path).size(), 1000u);
    EXPECT_NE(revertToBefore(path, 9, false, {}).error.find("no restore point 9"), std::string::npos);
    EXPECT_NE(revertToBefore(path, 0, false, {}).error.find("no restore point 0"), std::string::npos);
}

TEST(RecordedSave, ADamagedMissingOrUnwritableHistoryNeverStopsASave)
{
    test::TempDir dir;
    const auto original = test::sampleBytes();
    const auto next = withByte(original, 0x30016, 99);

    // Garbage in the folder: skipped with a warning, the new point recorded beside it.
    const auto damaged = dir.write("damaged.nes", original);
    fs::create_directories(HistoryStore::folderFor(damaged));
    dir.writeText("damaged.nes.history/00000001.point", "not a restore point");
    dir.writeText("damaged.nes.history/head", "garbage");
    auto report = save(damaged, next);
    EXPECT_EQ(report.outcome, SaveOutcome::Saved);
    EXPECT_EQ(test::readFile(damaged), next);
    HistoryStore store(damaged);
    std::string error;
    ASSERT_TRUE(store.load(&error));
    EXPECT_EQ(store.points().size(), 1u);
    EXPECT_EQ(store.warnings().size(), 1u) << "the damaged point; the garbled head went with the new save";

    // A file where the folder should be: one warning, the ROM saved.
    const auto blocked = dir.write("blocked.nes", original);
    dir.writeText("blocked.nes.history", "a file");
    report = save(blocked, next);
    EXPECT_EQ(report.outcome, SaveOutcome::Saved);
    ASSERT_EQ(report.warnings.size(), 1u);
    EXPECT_NE(report.warnings[0].find("is not a folder"), std::string::npos) << report.warnings[0];
    EXPECT_EQ(test::readFile(blocked), next);
    EXPECT_EQ(undoLastSave(blocked).outcome, SaveOutcome::Failed);

    // Turned off: no folder at all.
    const auto off = dir.write("off.nes", original);
    EXPECT_EQ(save(off, next, nullptr, false).outcome, SaveOutcome::Saved);
    EXPECT_FALSE(fs::exists(HistoryStore::folderFor(off)));
}

TEST(RecordedSave, AFailedWriteLeavesNoPointBehind)
{
    test::TempDir dir;
    const auto original = test::sampleBytes();
    const auto path = dir.write("game.nes", original);
    fs::permissions(path, fs::perms::owner_read); // a read-only ROM is never replaced
    EXPECT_EQ(save(path, withByte(original, 0x30016, 99)).outcome, SaveOutcome::Failed);
    EXPECT_EQ(pointCount(path), 0u);
}

} // namespace
} // namespace talvek
