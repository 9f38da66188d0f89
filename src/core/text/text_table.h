#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvek {

// 256 display strings, indexed by the game's byte codes. A byte may stand for several characters
// (a two-letter pair, a placeholder such as "C1*"). Texts are UTF-8; nothing is trimmed.
class TextTable {
public:
    static constexpr int kEntryCount = 256;

    [[nodiscard]] const std::string &operator[](std::uint8_t byte) const { return entries_[byte]; }
    void set(std::uint8_t byte, std::string text) { entries_[byte] = std::move(text); }
    void clear() { entries_ = {}; }

    // True when no entry has a text (the file failed to load, say).
    [[nodiscard]] bool empty() const;

    // Length in bytes of the longest entry.
    [[nodiscard]] std::size_t longestEntry() const;

    // Parses the .tbl format: lines "key=text" with a hexadecimal key (blanks skipped, read up to the
    // first non-hex character); CR LF and LF end lines; keys above 0xFF, negative keys and lines
    // without "=" are ignored; later lines win. Tables are UTF-8: a byte-order mark at the start is
    // skipped, and a line that is not valid UTF-8 is skipped and its number (from 1) added to invalidLines.
    [[nodiscard]] static TextTable parse(std::string_view fileContents, std::vector<int> *invalidLines = nullptr);

    // Reads and parses a .tbl file; nullopt when it cannot be read.
    [[nodiscard]] static std::optional<TextTable> loadFromFile(const std::string &path,
                                                               std::vector<int> *invalidLines = nullptr);

private:
    std::array<std::string, kEntryCount> entries_;
};

// Whether text is well-formed UTF-8 (no overlong forms, surrogates or code points past U+10FFFF).
[[nodiscard]] bool isValidUtf8(std::string_view text);

// The warning for a table with lines that are not UTF-8, naming the file and the first such line.
[[nodiscard]] std::string invalidTableLinesMessage(std::string_view fileName, const std::vector<int> &invalidLines);

// The four tables the program loads at start-up, with the message shown when a file cannot be read.
struct TableFile {
    const char *fileName;
    const char *failureMessage;
};

inline constexpr TableFile kStandardTableFile{"StandardTable.tbl",
                                              "Could not load the standard table.\nSome of the text will not display."};
inline constexpr TableFile kStandardDteTableFile{
    "StandardDTETable.tbl", "Could not load the standard DTE table.\nSome of the text will not display."};
inline constexpr TableFile kPrototypeTableFile{
    "Prototype.tbl", "Could not load the Prototype table.\nSome of the text will not display."};
inline constexpr TableFile kPrototypeDteTableFile{
    "PrototypeDTE.tbl", "Could not load the Prototype DTE table.\nSome of the text will not display."};

} // namespace talvek
