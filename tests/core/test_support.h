#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "records/image_map.h"
#include "rom/rom_image.h"
#include "sample/sample_image_builder.h"
#include "text/keyword_list.h"
#include "text/text_groups.h"
#include "text/text_table.h"

namespace talvek::test {

inline const TextTable &shippedDteTable()
{
    static const TextTable table =
        TextTable::loadFromFile(std::string(TALVEK_DATA_DIR) + "/StandardDTETable.tbl").value();
    return table;
}

inline std::vector<std::uint8_t> sampleBytes(SampleKind kind = SampleKind::Standard)
{
    return SampleImageBuilder(shippedDteTable()).build(kind);
}

// The sample with AI record 20 naming spell 75, which does not exist: the editors that list the AI records
// report it.
inline std::vector<std::uint8_t> sampleWithInvalidAiRecord()
{
    auto bytes = sampleBytes();
    bytes[0x30346 + 5 * 20] = 75;
    return bytes;
}

// The sample (standard or combo) with every byte of the records and shared tables random: values past
// every limit, broken lists and bit sets, with the texts and their pointers left whole.
inline std::vector<std::uint8_t> randomisedSample(SampleKind kind, unsigned seed)
{
    auto bytes = sampleBytes(kind);
    const RomImage image(bytes, "x.nes");
    std::mt19937 random(seed);
    for (const MapRegion &region : ImageMap(image).writableByImport())
        for (auto i = region.start; i < region.end; ++i)
            bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(random());
    return bytes;
}

// Renames the entry of a text group whose text is from, keeping its pointer (nothing when there is none).
inline void renameText(std::vector<std::uint8_t> &bytes, int group, const std::string &from, const std::string &to)
{
    RomImage image(bytes, "x.nes");
    const auto &table = test::shippedDteTable();
    const auto keywords = KeywordList::build(image, table);
    for (int entry = 0; entry < kTextGroups[static_cast<std::size_t>(group)].entries; ++entry) {
        const auto location = locateTextEntry(image, group, entry);
        if (readTextEntry(image, group, location, table, keywords).text != from)
            continue;
        if (storeTextEntry(image, location, encodeTextEntry(group, to, table, keywords, 0), location.pointerValue))
            bytes = image.bytes();
        return;
    }
}

// A fresh directory under the system's temporary directory, removed with the object.
class TempDir {
public:
    TempDir()
    {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("talvek-test-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir()
    {
        std::error_code error;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, error);
        std::filesystem::remove_all(path_, error);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    [[nodiscard]] const std::filesystem::path &path() const { return path_; }
    [[nodiscard]] std::string file(const std::string &name) const { return (path_ / name).string(); }

    std::string write(const std::string &name, const std::vector<std::uint8_t> &bytes) const
    {
        std::ofstream(file(name), std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return file(name);
    }
    std::string writeText(const std::string &name, const std::string &text) const
    {
        std::ofstream(file(name), std::ios::binary) << text;
        return file(name);
    }

private:
    std::filesystem::path path_;
};

inline std::vector<std::uint8_t> readFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace talvek::test
