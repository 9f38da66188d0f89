#include "text_codec.h"

#include <algorithm>

#include "keyword_list.h"
#include "number_parsing.h"
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

} // namespace

std::string decodeString(std::span<const std::uint8_t> bytes, std::int64_t offset, const TextTable &table)
{
    std::string text;
    const std::int64_t end = offset + kMaxDecodedBytes;
    for (; offset < end && inside(bytes, offset) && bytes[static_cast<std::size_t>(offset)] != kEndOfString; ++offset)
        text += table[bytes[static_cast<std::size_t>(offset)]];
    return text;
}

std::string decodeFixed(std::span<const std::uint8_t> bytes, std::int64_t offset, int count, const TextTable &table)
{
    std::string text;
    for (int i = 0; i < count && inside(bytes, offset + i); ++i)
        text += table[bytes[static_cast<std::size_t>(offset + i)]];
    return text;
}

DecodedDialogue decodeDialogue(std::span<const std::uint8_t> bytes, std::int64_t offset, const TextTable &table,
                               const KeywordList &keywords)
{
    DecodedDialogue result;
    auto byteAt = [&](std::int64_t at) { return bytes[static_cast<std::size_t>(at)]; };
    const std::int64_t end = offset + kMaxDecodedBytes;
    while (offset < end && inside(bytes, offset)) {
        const std::uint8_t byte = byteAt(offset);
        if (byte == kEndOfString)
            break;
        // A control code whose parameter lies past the end of the buffer ends the text.
        if (byte == kFingerCode || byte == kKeywordCode) {
            if (!inside(bytes, offset + 1))
                break;
            if (byte == kFingerCode) {
                result.fingerParameter = byteAt(offset + 1);
                result.text += table[kFingerCode];
            } else {
                result.text += keywords[byteAt(offset + 1)];
            }
            offset += 2;
            continue;
        }
        result.text += table[byte];
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
    const auto pointer = readTextPointer(image, kNamePointerTable, k);
    return decodeString(image.bytes(), textPointerTarget(image, kNameBankBase, pointer), table);
}

EncodingIndex::EncodingIndex(const TextTable &table, const KeywordList *keywords)
{
    auto addLength = [this](std::size_t length) {
        if (length >= lengths_.size())
            lengths_.resize(length + 1, false);
        lengths_[length] = true;
        longest_ = std::max(longest_, length);
    };
    // Entry 0x00 is never used; among equal texts the highest byte wins, so later bytes overwrite.
    for (int byte = 0x01; byte <= 0xFF; ++byte) {
        const std::string &text = table[static_cast<std::uint8_t>(byte)];
        if (text.empty())
            continue;
        bytes_[text] = static_cast<std::uint8_t>(byte);
        addLength(text.size());
    }
    if (!keywords)
        return;
    // Among equal keywords the lowest index wins, so only the first is kept.
    for (int k = 0; k < KeywordList::kEntryCount; ++k) {
        const std::string &text = (*keywords)[static_cast<std::uint8_t>(k)];
        if (text.empty())
            continue;
        keywords_.try_emplace(text, static_cast<std::uint8_t>(k));
        addLength(text.size());
    }
}

std::optional<std::uint8_t> EncodingIndex::byte(std::string_view candidate) const
{
    const auto found = bytes_.find(candidate);
    return found == bytes_.end() ? std::nullopt : std::optional<std::uint8_t>(found->second);
}

std::optional<std::uint8_t> EncodingIndex::keyword(std::string_view candidate) const
{
    const auto found = keywords_.find(candidate);
    return found == keywords_.end() ? std::nullopt : std::optional<std::uint8_t>(found->second);
}

std::vector<std::uint8_t> encodeText(std::string_view text, const EncodingIndex &index, std::uint8_t fingerParameter,
                                     bool terminated)
{
    std::vector<std::uint8_t> out;
    std::size_t maxLength = index.longest();
    while (!text.empty()) {
        maxLength = std::min(maxLength, text.size()); // it never rises again
        bool matched = false;
        for (std::size_t length = maxLength; length >= 1 && !matched; --length) {
            if (!index.hasLength(length))
                continue;
            const std::string_view candidate = text.substr(0, length);
            if (const auto byte = index.byte(candidate)) {
                out.push_back(*byte);
                if (*byte == kFingerCode)
                    out.push_back(fingerParameter);
                matched = true;
            } else if (const auto keyword = index.keyword(candidate)) {
                out.push_back(kKeywordCode);
                out.push_back(*keyword);
                matched = true;
            }
            if (matched)
                text.remove_prefix(length);
        }
        if (!matched)
            text.remove_prefix(leadingCharacterLength(text));
    }
    if (terminated)
        out.push_back(kEndOfString);
    return out;
}

std::vector<std::uint8_t> encodeText(std::string_view text, const TextTable &table, const KeywordList *keywords,
                                     std::uint8_t fingerParameter, bool terminated)
{
    return encodeText(text, EncodingIndex(table, keywords), fingerParameter, terminated);
}

std::uint8_t parseFingerParameter(std::string_view text)
{
    return static_cast<std::uint8_t>(clampTo(parseLeadingHex(text), 0, 0xFF));
}

} // namespace talvek
