#include "text_table.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "number_parsing.h"

namespace talvek {

std::size_t TextTable::longestEntry() const
{
    std::size_t longest = 0;
    for (const auto &entry : entries_)
        longest = std::max(longest, entry.size());
    return longest;
}

TextTable TextTable::parse(std::string_view contents)
{
    TextTable table;
    while (!contents.empty()) {
        std::string_view line;
        const auto lineFeed = contents.find('\n');
        if (lineFeed == std::string_view::npos) {
            line = contents;
            contents = {};
        } else {
            line = contents.substr(0, lineFeed);
            contents.remove_prefix(lineFeed + 1);
        }
        // CR LF ends a line like LF; a lone CR is ordinary text.
        if (lineFeed != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::int64_t key = parseLeadingHex(line.substr(0, equals));
        if (key < 0 || key > 0xFF)
            continue;
        table.set(static_cast<std::uint8_t>(key), std::string(line.substr(equals + 1)));
    }
    return table;
}

std::optional<TextTable> TextTable::loadFromFile(const std::string &path)
{
    // Only a regular file of sane size is a table; anything else is reported as unreadable.
    constexpr std::uintmax_t kMaxTableFileSize = 64 * 1024 * 1024;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || std::filesystem::file_size(path, error) > kMaxTableFileSize
        || error)
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::string contents{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        return std::nullopt;
    return parse(contents);
}

} // namespace talvek
