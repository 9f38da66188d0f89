#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "rom/rom_file.h"
#include "test_support.h"

namespace talvek {
namespace {

namespace fs = std::filesystem;

TEST(ReadRomFile, ReadsTheWholeFileByteForByte)
{
    test::TempDir dir;
    const auto bytes = test::sampleBytes(SampleKind::Combo);
    const auto image = readRomFile(dir.write("combo.nes", bytes));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->bytes(), bytes);
    EXPECT_EQ(image->romBase(), 0x40000);
}

TEST(ReadRomFile, RefusesWhatIsNoRom)
{
    test::TempDir dir;
    EXPECT_FALSE(readRomFile(dir.file("missing.nes")));
    EXPECT_FALSE(readRomFile(dir.path().string())) << "a directory";
    const auto huge = dir.file("huge.nes");
    fs::resize_file(dir.write("huge.nes", {}), kMaxRomFileSize + 1);
    EXPECT_FALSE(readRomFile(huge)) << "over 32 MiB";
    fs::resize_file(huge, kMaxRomFileSize);
    EXPECT_TRUE(readRomFile(huge)) << "exactly 32 MiB";
}

TEST(ReadRomFile, EmptyAndOneByteFilesOpenAsUnrecognised)
{
    test::TempDir dir;
    for (std::size_t size : {0u, 1u}) {
        const auto image = readRomFile(dir.write("small.nes", std::vector<std::uint8_t>(size, 7)));
        ASSERT_TRUE(image);
        EXPECT_EQ(image->size(), static_cast<std::int64_t>(size));
        EXPECT_FALSE(image->holdsGameLayout());
    }
}

TEST(SaveRomFile, ReplacesTheFileAndKeepsItsPermissions)
{
    test::TempDir dir;
    const auto path = dir.write("rom.nes", std::vector<std::uint8_t>(100, 1));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const auto bytes = test::sampleBytes();
    ASSERT_TRUE(saveRomFile(path, bytes));
    EXPECT_EQ(test::readFile(path), bytes);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1) << "no temporary left";
}

TEST(SaveRomFile, WritesThroughASymbolicLink)
{
    test::TempDir dir;
    const auto target = dir.write("real.nes", {1, 2, 3});
    const auto link = dir.file("link.nes");
    fs::create_symlink(target, link);
    ASSERT_TRUE(saveRomFile(link, std::vector<std::uint8_t>{4, 5}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::readFile(target), (std::vector<std::uint8_t>{4, 5}));
}

TEST(SaveRomFile, ReadOnlyRomIsRefusedAndUntouched)
{
    test::TempDir dir;
    const std::vector<std::uint8_t> old(300, 9);
    const auto path = dir.write("ro.nes", old);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(saveRomFile(path, test::sampleBytes()));
    EXPECT_EQ(test::readFile(path), old);
}

TEST(SaveRomFile, FailedWriteLeavesTheOldFile)
{
    test::TempDir dir;
    const std::vector<std::uint8_t> old(300, 9);
    const auto path = dir.write("rom.nes", old);
    int calls = 0;
    SaveSteps diskFull;
    diskFull.write = [&](int fd, std::span<const std::uint8_t> bytes) {
        ++calls;
        // Half the bytes reach the disk, then it is full.
        [[maybe_unused]] const auto written = ::write(fd, bytes.data(), bytes.size() / 2);
        return false;
    };
    EXPECT_FALSE(saveRomFile(path, test::sampleBytes(), diskFull));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(test::readFile(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1) << "temporary removed";
}

TEST(SaveRomFile, FailedRenameLeavesTheOldFile)
{
    test::TempDir dir;
    const std::vector<std::uint8_t> old(300, 9);
    const auto path = dir.write("rom.nes", old);
    SaveSteps renameFails;
    renameFails.rename = [](const std::string &, const std::string &) { return false; };
    EXPECT_FALSE(saveRomFile(path, test::sampleBytes(), renameFails));
    EXPECT_EQ(test::readFile(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1) << "temporary removed";
}

TEST(SaveRomFile, SyncsTheFileThenRenamesThenSyncsTheFolder)
{
    // The rename is durable only once the folder's entry is on disk; a folder that cannot be synced does
    // not turn a finished save into a failure.
    test::TempDir dir;
    const auto path = dir.write("rom.nes", std::vector<std::uint8_t>(300, 9));
    std::vector<std::string> steps;
    SaveSteps recording;
    recording.sync = [&](int fd) { steps.push_back("sync file"); return ::fsync(fd) == 0; };
    recording.rename = [&](const std::string &from, const std::string &to) {
        steps.push_back("rename");
        return std::rename(from.c_str(), to.c_str()) == 0;
    };
    recording.syncFolder = [&](const std::string &folder) {
        steps.push_back("sync " + folder);
        return false;
    };
    EXPECT_TRUE(saveRomFile(path, test::sampleBytes(), recording));
    EXPECT_EQ(steps, (std::vector<std::string>{"sync file", "rename", "sync " + dir.path().string()}));
    EXPECT_EQ(test::readFile(path), test::sampleBytes());
    EXPECT_TRUE(saveRomFile(path, std::vector<std::uint8_t>(5, 1))) << "the real folder sync";
}

TEST(SaveRomFile, WritesInPlaceWhereNoTemporaryFileCanBeMade)
{
    test::TempDir dir;
    const auto path = dir.write("rom.nes", std::vector<std::uint8_t>(0x50000, 9)); // longer than what replaces it
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    SaveSteps noTemporary;
    noTemporary.makeTemporary = [](char *) {
        errno = EACCES; // a folder the user may not write in
        return -1;
    };
    ASSERT_TRUE(saveRomFile(path, test::sampleBytes(), noTemporary));
    EXPECT_EQ(test::readFile(path), test::sampleBytes());
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    fs::permissions(path, fs::perms::owner_read);
    EXPECT_FALSE(saveRomFile(path, std::vector<std::uint8_t>{1}, noTemporary)) << "a read-only ROM stays refused";
    EXPECT_FALSE(saveRomFile(dir.file("new.nes"), std::vector<std::uint8_t>{1}, noTemporary))
        << "only an existing ROM is written in place";
}

TEST(SaveRomFile, UnwritableDirectoryOrMissingFolderFails)
{
    test::TempDir dir;
    EXPECT_FALSE(saveRomFile(dir.file("no/such/folder/rom.nes"), std::vector<std::uint8_t>{1}));
    EXPECT_FALSE(saveRomFile(dir.path().string(), std::vector<std::uint8_t>{1})) << "a directory";
}

} // namespace
} // namespace talvek
