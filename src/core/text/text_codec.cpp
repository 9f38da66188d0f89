#include "text_codec.h"

#include <algorithm>

#include "keyword_list.h"
#include "number_parsing.h"
#include "rom/read_trace.h"
#include "rom/rom_image.h"
#include "text_table.h"

namespace talvek {
namespace {

bool inside(std::span<const std::uint8_t> bytes, std::int64_t offset)
{
    return offset >= 0 && offset < static_cast<std::int64_t>(bytes.size());
}

// Length in bytes of the first UTF-8 character, so an unmatched character is dropped whole.
std::size_t leadingCharacterLength(std::string_view text)
{
    std::size_t length = 1;
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        ++length;
    return length;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string rawByteEscape(std::uint8_t byte)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {'{', kDigits[byte >> 4], kDigits[byte & 0x0F], '}'};
}

std::optional<std::uint8_t> rawByteAt(std::string_view text)
{
    if (text.size() < kRawByteEscapeLength || text[0] != '{' || text[3] != '}')
        return std::nullopt;
    const int high = hexDigit(text[1]);
    const int low = hexDigit(text[2]);
    if (high < 0 || low < 0)
        return std::nullopt;
    return static_cast<std::uint8_t>(high << 4 | low);
}

std::string_view writtenForm(const TextTable &table, std::uint8_t byte, std::string &escapeBuffer)
{
    if (!table[byte].empty())
        return table[byte];
    escapeBuffer = rawByteEscape(byte);
    return escapeBuffer;
}

std::string decodeString(std::span<const std::uint8_t> bytes, std::int64_t offset, const TextTable &table,
                         std::int64_t maxBytes)
{
    std::string text;
    std::string escape;
    const std::int64_t end = offset + maxBytes;
    for (; offset < end && inside(bytes, offset) && bytes[static_cast<std::size_t>(offset)] != kEndOfString; ++offset)
        text += writtenForm(table, bytes[static_cast<std::size_t>(offset)], escape);
    return text;
}

std::string decodeFixed(std::span<const std::uint8_t> bytes, std::int64_t offset, int count, const TextTable &table)
{
    std::string text;
    std::string escape;
    for (int i = 0; i < count && inside(bytes, offset + i); ++i)
        text += writtenForm(table, bytes[static_cast<std::size_t>(offset + i)], escape);
    return text;
}

DecodedDialogue decodeDialogue(std::span<const std::uint8_t> bytes, std::int64_t offset, const TextTable &table,
                               const KeywordList &keywords, std::int64_t maxBytes)
{
    DecodedDialogue result;
    std::string escape;
    auto byteAt = [&](std::int64_t at) { return bytes[static_cast<std::size_t>(at)]; };
    const std::int64_t end = offset + maxBytes;
    while (offset < end && inside(bytes, offset)) {
        const std::uint8_t byte = byteAt(offset);
        if (byte == kEndOfString)
            break;
        // A control code whose parameter lies past the end of the buffer ends the text.
        if (byte == kFingerCode || byte == kKeywordCode) {
            if (!inside(bytes, offset + 1))
                break;
            const std::uint8_t parameter = byteAt(offset + 1);
            if (byte == kFingerCode && !table[kFingerCode].empty()) {
                result.fingerParameter = parameter;
                result.text += table[kFingerCode];
            } else if (byte == kKeywordCode && !keywords[parameter].empty()) {
                result.text += keywords[parameter];
            } else {
                // Nothing to show for the pair: both bytes keep their written form.
                if (byte == kFingerCode)
                    result.fingerParameter = parameter;
                result.text += rawByteEscape(byte) + rawByteEscape(parameter);
            }
            offset += 2;
            continue;
        }
        result.text += writtenForm(table, byte, escape);
        ++offset;
    }
    return result;
}

std::uint16_t readTextPointer(const RomImage &image, std::int64_t tableOffset, int index)
{
    const std::int64_t at = tableOffset + 2 * static_cast<std::int64_t>(index);
    return static_cast<std::uint16_t>(image.game(at) | (image.game(at + 1) << 8));
}

std::int64_t textPointerTarget(const RomImage &image, std::int64_t bankBase, std::uint16_t pointer)
{
    return bankBase + pointer + image.romBase();
}

std::string decodeName(const RomImage &image, int k, const TextTable &table)
{
    const LabelReads label;
    const auto pointer = readTextPointer(image, kNamePointerTable, k);
    return decodeString(image.bytes(), textPointerTarget(image, kNameBankBase, pointer), table);
}

EncodingIndex::EncodingIndex(const TextTable &table, const KeywordList *keywords)
{
    // Entry 0x00 is never used; among equal texts the highest byte wins, so later bytes overwrite.
    for (int byte = 0x01; byte <= 0xFF; ++byte)
        insert(table[static_cast<std::uint8_t>(byte)], false, byte);
    if (keywords)
        for (int k = 0; k < KeywordList::kEntryCount; ++k)
            insert((*keywords)[static_cast<std::uint8_t>(k)], true, k);
    std::stable_sort(longEntries_.begin(), longEntries_.end(),
                     [](const auto &a, const auto &b) { return a.first.size() > b.first.size(); });
}

void EncodingIndex::insert(std::string_view text, bool keyword, int value)
{
    if (text.empty())
        return;
    if (text.size() > kTrieLimit) {
        // Among equal long texts keep the same precedence as the trie: highest byte, then lowest keyword.
        for (auto &[entry, match] : longEntries_)
            if (entry == text) {
                if (!keyword && !match.keyword)
                    match.value = static_cast<std::uint8_t>(value);
                return;
            }
        longEntries_.push_back({text, Match{text.size(), keyword, static_cast<std::uint8_t>(value)}});
        return;
    }
    int node = 0;
    for (char c : text) {
        auto &children = nodes_[static_cast<std::size_t>(node)].children;
        const auto found = std::find_if(children.begin(), children.end(), [c](const auto &child) { return child.first == c; });
        if (found != children.end()) {
            node = found->second;
        } else {
            const int next = static_cast<int>(nodes_.size());
            nodes_[static_cast<std::size_t>(node)].children.emplace_back(c, next);
            nodes_.emplace_back();
            node = next;
        }
    }
    Node &end = nodes_[static_cast<std::size_t>(node)];
    if (!keyword)
        end.byte = value;
    else if (end.keyword < 0)
        end.keyword = value; // the lowest index wins
}

std::optional<EncodingIndex::Match> EncodingIndex::longestMatch(std::string_view text) const
{
    for (const auto &[entry, match] : longEntries_)
        if (text.size() >= entry.size() && text.substr(0, entry.size()) == entry) {
            // A table entry of the same length wins over a keyword.
            for (const auto &[other, otherMatch] : longEntries_)
                if (!otherMatch.keyword && other == entry)
                    return otherMatch;
            return match;
        }
    std::optional<Match> best;
    int node = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto &children = nodes_[static_cast<std::size_t>(node)].children;
        const char c = text[i];
        const auto found = std::find_if(children.begin(), children.end(), [c](const auto &child) { return child.first == c; });
        if (found == children.end())
            break;
        node = found->second;
        const Node &here = nodes_[static_cast<std::size_t>(node)];
        if (here.byte >= 0)
            best = Match{i + 1, false, static_cast<std::uint8_t>(here.byte)};
        else if (here.keyword >= 0)
            best = Match{i + 1, true, static_cast<std::uint8_t>(here.keyword)};
    }
    return best;
}

std::vector<std::uint8_t> encodeText(std::string_view text, const EncodingIndex &index,
                                     std::optional<std::uint8_t> fingerParameter, bool terminated, std::string *dropped)
{
    std::vector<std::uint8_t> out;
    while (!text.empty()) {
        if (const auto raw = rawByteAt(text)) {
            out.push_back(*raw);
            text.remove_prefix(kRawByteEscapeLength);
            continue;
        }
        const auto match = index.longestMatch(text);
        if (!match) {
            // Nothing matches: the character is dropped.
            const std::size_t length = leadingCharacterLength(text);
            if (dropped)
                dropped->append(text.substr(0, length));
            text.remove_prefix(length);
            continue;
        }
        if (match->keyword) {
            out.push_back(kKeywordCode);
            out.push_back(match->value);
        } else {
            out.push_back(match->value);
            if (match->value == kFingerCode && fingerParameter)
                out.push_back(*fingerParameter);
        }
        text.remove_prefix(match->length);
    }
    if (terminated)
        out.push_back(kEndOfString);
    return out;
}

std::vector<std::uint8_t> encodeText(std::string_view text, const TextTable &table, const KeywordList *keywords,
                                     std::optional<std::uint8_t> fingerParameter, bool terminated, std::string *dropped)
{
    return encodeText(text, EncodingIndex(table, keywords), fingerParameter, terminated, dropped);
}

std::uint8_t parseFingerParameter(std::string_view text)
{
    return static_cast<std::uint8_t>(clampTo(parseLeadingHex(text), 0, 0xFF));
}

} // namespace talvek
