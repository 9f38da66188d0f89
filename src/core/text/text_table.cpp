#include "text_table.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "number_parsing.h"

namespace talvek {

bool TextTable::empty() const
{
    return std::all_of(entries_.begin(), entries_.end(), [](const std::string &entry) { return entry.empty(); });
}

std::size_t TextTable::longestEntry() const
{
    std::size_t longest = 0;
    for (const auto &entry : entries_)
        longest = std::max(longest, entry.size());
    return longest;
}

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        std::uint32_t codePoint = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(length) > text.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            codePoint = codePoint << 6 | (next & 0x3F);
        }
        static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < kSmallest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

std::string invalidTableLinesMessage(std::string_view fileName, const std::vector<int> &invalidLines)
{
    std::string message = std::string(fileName) + ": line " + std::to_string(invalidLines.front());
    if (invalidLines.size() > 1)
        message += " and " + std::to_string(invalidLines.size() - 1) + " more";
    message += invalidLines.size() > 1 ? " are" : " is";
    message += " not valid UTF-8 and could not be read.\nTables are read as UTF-8; save the file in that encoding.";
    return message;
}

TextTable TextTable::parse(std::string_view contents, std::vector<int> *invalidLines)
{
    TextTable table;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (contents.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        contents.remove_prefix(kByteOrderMark.size());
    int lineNumber = 0;
    while (!contents.empty()) {
        ++lineNumber;
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
        if (!isValidUtf8(line)) {
            if (invalidLines)
                invalidLines->push_back(lineNumber);
            continue;
        }
        const std::int64_t key = parseLeadingHex(line.substr(0, equals));
        if (key < 0 || key > 0xFF)
            continue;
        table.set(static_cast<std::uint8_t>(key), std::string(line.substr(equals + 1)));
    }
    return table;
}

std::optional<TextTable> TextTable::loadFromFile(const std::string &path, std::vector<int> *invalidLines)
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
    return parse(contents, invalidLines);
}

} // namespace talvek
