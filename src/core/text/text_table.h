#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace talvek {

// 256 display strings, indexed by the game's byte codes. A byte may stand for several characters
// (a two-letter pair, a placeholder such as "C1*"). Texts are UTF-8; nothing is trimmed.
class TextTable {
public:
    static constexpr int kEntryCount = 256;

    [[nodiscard]] const std::string &operator[](std::uint8_t byte) const { return entries_[byte]; }
    void set(std::uint8_t byte, std::string text) { entries_[byte] = std::move(text); }
    void clear() { entries_ = {}; }

    // Length in bytes of the longest entry.
    [[nodiscard]] std::size_t longestEntry() const;

    // Parses the .tbl format: lines "key=text" with a hexadecimal key (blanks skipped, read up to the
    // first non-hex character); CR LF and LF end lines; keys above 0xFF, negative keys and lines
    // without "=" are ignored; later lines win.
    [[nodiscard]] static TextTable parse(std::string_view fileContents);

    // Reads and parses a .tbl file; nullopt when it cannot be read.
    [[nodiscard]] static std::optional<TextTable> loadFromFile(const std::string &path);

private:
    std::array<std::string, kEntryCount> entries_;
};

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
