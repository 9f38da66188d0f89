#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace talvek {

class KeywordList;
class RomImage;
class TextTable;

inline constexpr std::uint8_t kEndOfString = 0x00;
inline constexpr std::uint8_t kFingerCode = 0x16;  // finger position; one parameter byte follows
inline constexpr std::uint8_t kKeywordCode = 0x18; // keyword reference; one index byte follows

// The name pointer table: 256 pointers at 0x28210 into bank 0x20010.
inline constexpr std::int64_t kNamePointerTable = 0x28210;
inline constexpr std::int64_t kNameBankBase = 0x20010;

// Every decoder reads by buffer index and stops at the end of the buffer; an offset outside it gives "".
// A text without a terminator is shown up to kMaxDecodedBytes of the image: no text of the game comes near
// that, and a garbled image stays quick to browse. The text editor decodes up to kMaxEditableBytes and
// refuses to save an edit of a longer text, so the cap never shortens a stored text.
inline constexpr std::int64_t kMaxDecodedBytes = 4096;
inline constexpr std::int64_t kMaxEditableBytes = 0x10000;

// Every byte has a written form: a byte whose table text is empty is written "{XX}" (two upper-case
// hexadecimal digits), and the encoder turns "{XX}" (either case) back into that byte. No shipped table
// text contains a brace.
[[nodiscard]] std::string rawByteEscape(std::uint8_t byte);
// The byte of an escape at the start of text, or nothing.
[[nodiscard]] std::optional<std::uint8_t> rawByteAt(std::string_view text);
inline constexpr std::size_t kRawByteEscapeLength = 4;
// The byte's table text, or its escape when the table has none.
[[nodiscard]] std::string_view writtenForm(const TextTable &table, std::uint8_t byte, std::string &escapeBuffer);

// Table texts of the bytes up to, not including, the first 0x00.
[[nodiscard]] std::string decodeString(std::span<const std::uint8_t> bytes, std::int64_t offset,
                                       const TextTable &table, std::int64_t maxBytes = kMaxDecodedBytes);
// Table texts of exactly count bytes, 0x00 included.
[[nodiscard]] std::string decodeFixed(std::span<const std::uint8_t> bytes, std::int64_t offset, int count,
                                      const TextTable &table);

struct DecodedDialogue {
    std::string text;
    std::optional<std::uint8_t> fingerParameter; // the last one found
};
// Dialogue: 0x16 shows its table text and takes the next byte as the finger parameter; 0x18 k shows
// keyword k (an empty keyword shows as the two escapes "{18}{KK}").
[[nodiscard]] DecodedDialogue decodeDialogue(std::span<const std::uint8_t> bytes, std::int64_t offset,
                                             const TextTable &table, const KeywordList &keywords,
                                             std::int64_t maxBytes = kMaxDecodedBytes);

// 16-bit little-endian pointer at game offset tableOffset + 2 * index.
[[nodiscard]] std::uint16_t readTextPointer(const RomImage &image, std::int64_t tableOffset, int index);
// Buffer index of the text a pointer of a bank addresses.
[[nodiscard]] std::int64_t textPointerTarget(const RomImage &image, std::int64_t bankBase, std::uint16_t pointer);
// Name k of the name pointer table, decoded.
[[nodiscard]] std::string decodeName(const RomImage &image, int k, const TextTable &table);

// The table's (and a keyword list's) texts arranged for the encoder, giving exactly the greedy rule's answer:
// the longest entry the text starts with; at that length the highest byte, else the lowest keyword index.
// Build it once to encode many texts with the same table.
class EncodingIndex {
public:
    EncodingIndex(const TextTable &table, const KeywordList *keywords);

    struct Match {
        std::size_t length = 0;
        bool keyword = false;
        std::uint8_t value = 0; // the byte, or the keyword index
    };
    // The match for the start of text, or nothing when no entry begins it.
    [[nodiscard]] std::optional<Match> longestMatch(std::string_view text) const;

private:
    // A trie of the entries; entries too long for it (a garbled table) are compared one by one.
    struct Node {
        std::vector<std::pair<char, int>> children;
        int byte = -1;
        int keyword = -1;
    };
    static constexpr std::size_t kTrieLimit = 1024;
    void insert(std::string_view text, bool keyword, int value);

    std::vector<Node> nodes_{1};
    std::vector<std::pair<std::string_view, Match>> longEntries_; // longest first
};

// Greedy longest match, the highest byte winning among equal entries; keywords (0x18 k) only where the
// table has no entry for a candidate; an escape "{XX}" is the byte XX itself; characters nothing matches
// are dropped (and appended to dropped, when given). In dialogue every 0x16 is followed by
// fingerParameter; without one (names), 0x16 is an ordinary byte. A 0x00 ends the result when terminated.
[[nodiscard]] std::vector<std::uint8_t> encodeText(std::string_view text, const TextTable &table,
                                                   const KeywordList *keywords,
                                                   std::optional<std::uint8_t> fingerParameter, bool terminated,
                                                   std::string *dropped = nullptr);

[[nodiscard]] std::vector<std::uint8_t> encodeText(std::string_view text, const EncodingIndex &index,
                                                   std::optional<std::uint8_t> fingerParameter, bool terminated,
                                                   std::string *dropped = nullptr);

// The "Finger position" field: hexadecimal, clamped to 0 to 0xFF.
[[nodiscard]] std::uint8_t parseFingerParameter(std::string_view text);

} // namespace talvek
