#include "text_groups.h"

#include "keyword_list.h"
#include "rom/rom_image.h"
#include "text_codec.h"
#include "text_table.h"

namespace talvek {
namespace {

const TextGroup &groupAt(int group)
{
    return kTextGroups[static_cast<std::size_t>(group)];
}

void replaceAll(std::string &text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

TextEntryLocation locateTextEntry(const RomImage &image, int group, int entry)
{
    const TextGroup &g = groupAt(group);
    TextEntryLocation location;
    switch (g.kind) {
    case TextGroupKind::Characters:
        location.textLocation = kCharacterNames + 0x80 * entry + image.romBase();
        return location;
    case TextGroupKind::Prologue:
        location.textLocation = (image.isPrototype() ? kPrototypePrologue : kStandardPrologue) + image.romBase();
        return location;
    case TextGroupKind::Epilogue:
        return location;
    case TextGroupKind::Names:
    case TextGroupKind::Miscellaneous:
    case TextGroupKind::Dialogue:
        break;
    }
    const std::int64_t pointerOffset = (g.kind == TextGroupKind::Miscellaneous && entry == 9)
        ? kMiscellaneousEntry9Pointer
        : g.pointerTable + 2 * static_cast<std::int64_t>(entry);
    location.pointerLocation = pointerOffset + image.romBase();
    location.pointerValue = readTextPointer(image, pointerOffset, 0);
    location.textLocation = textPointerTarget(image, g.bankBase, location.pointerValue);
    return location;
}

int textEntryCount(int group)
{
    const TextGroup &g = groupAt(group);
    return g.kind == TextGroupKind::Prologue ? 1 : g.entries;
}

std::vector<std::string> textEntryLabels(const RomImage &image, int group, const TextTable &dte)
{
    const TextGroup &g = groupAt(group);
    std::vector<std::string> labels;
    for (int n = 0; n < g.entries; ++n) {
        if (g.kind == TextGroupKind::Dialogue) {
            labels.push_back("Dialogue " + std::to_string(n));
            continue;
        }
        const auto location = locateTextEntry(image, group, n);
        labels.push_back(g.kind == TextGroupKind::Characters
                             ? decodeFixed(image.bytes(), *location.textLocation, 6, dte)
                             : decodeString(image.bytes(), *location.textLocation, dte));
    }
    return labels;
}

TextEntryContent readTextEntry(const RomImage &image, int group, const TextEntryLocation &location,
                               const TextTable &dte, const KeywordList &keywords)
{
    if (!location.textLocation)
        return {};
    const bool complete = storedTextLength(image, group, location) <= kMaxEditableBytes + 1; // text and terminator
    switch (groupAt(group).kind) {
    case TextGroupKind::Dialogue: {
        auto decoded = decodeDialogue(image.bytes(), *location.textLocation, dte, keywords, kMaxEditableBytes);
        return {std::move(decoded.text), decoded.fingerParameter, complete};
    }
    case TextGroupKind::Characters: return {decodeFixed(image.bytes(), *location.textLocation, 6, dte), {}, true};
    default: return {decodeString(image.bytes(), *location.textLocation, dte, kMaxEditableBytes), {}, complete};
    }
}

std::int64_t storedTextLength(const RomImage &image, int group, const TextEntryLocation &location, std::int64_t limit)
{
    if (!location.textLocation)
        return 0;
    if (groupAt(group).kind == TextGroupKind::Characters)
        return 6;
    const bool dialogue = groupAt(group).kind == TextGroupKind::Dialogue;
    std::int64_t at = *location.textLocation;
    const std::int64_t stop = limit > image.size() ? image.size() : std::min(image.size(), at + limit);
    while (at >= 0 && at < stop) {
        const std::uint8_t byte = image.at(at);
        if (byte == kEndOfString)
            return at + 1 - *location.textLocation;
        // In dialogue the byte after a control code is a parameter, even when it is 0x00.
        at += (dialogue && (byte == kFingerCode || byte == kKeywordCode)) ? 2 : 1;
    }
    return std::max<std::int64_t>(0, std::min(at, stop) - *location.textLocation);
}

TextEntryEncoder::TextEntryEncoder(const TextTable &table, const KeywordList &keywords)
    : table_(table), withKeywords_(table, &keywords), withoutKeywords_(table, nullptr)
{
}

std::vector<std::uint8_t> TextEntryEncoder::encode(int group, std::string_view text, std::uint8_t fingerParameter,
                                                   std::string *dropped) const
{
    const TextGroupKind kind = groupAt(group).kind;
    const bool characters = kind == TextGroupKind::Characters;
    const bool dialogue = kind == TextGroupKind::Dialogue;
    auto bytes = encodeText(text, dialogue ? withKeywords_ : withoutKeywords_,
                            dialogue ? std::optional<std::uint8_t>(fingerParameter) : std::nullopt, !characters,
                            dropped);
    if (characters) {
        // The six-byte field is always written whole: short names are padded with the table's space.
        std::uint8_t space = 0xFF;
        for (int byte = 0xFF; byte >= 0x01; --byte)
            if (table_[static_cast<std::uint8_t>(byte)] == " ") {
                space = static_cast<std::uint8_t>(byte);
                break;
            }
        bytes.resize(6, space);
    }
    return bytes;
}

std::vector<std::uint8_t> encodeTextEntry(int group, std::string_view text, const TextTable &table,
                                          const KeywordList &keywords, std::uint8_t fingerParameter,
                                          std::string *dropped)
{
    return TextEntryEncoder(table, keywords).encode(group, text, fingerParameter, dropped);
}

bool storeTextEntry(RomImage &image, const TextEntryLocation &location, const std::vector<std::uint8_t> &bytes,
                    std::uint16_t pointerValue)
{
    if (!location.textLocation)
        return false;
    if (!bytes.empty()
        && (*location.textLocation < 0 || *location.textLocation + static_cast<std::int64_t>(bytes.size()) > image.size()))
        return false;
    if (location.pointerLocation) {
        if (*location.pointerLocation < 0 || *location.pointerLocation + 2 > image.size())
            return false;
        image.bytes()[static_cast<std::size_t>(*location.pointerLocation)] = static_cast<std::uint8_t>(pointerValue & 0xFF);
        image.bytes()[static_cast<std::size_t>(*location.pointerLocation + 1)] = static_cast<std::uint8_t>(pointerValue >> 8);
    }
    if (!bytes.empty())
        std::copy(bytes.begin(), bytes.end(), image.bytes().begin() + *location.textLocation);
    return true;
}

std::string toTableLineBreaks(std::string_view editText)
{
    std::string text(editText);
    replaceAll(text, "\r\n", "\\n");
    replaceAll(text, "\n", "\\n");
    return text;
}

std::string toEditLineBreaks(std::string_view tableText)
{
    std::string text(tableText);
    replaceAll(text, "\\n", "\n");
    return text;
}

} // namespace talvek
