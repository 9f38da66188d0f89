#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text_codec.h"

namespace talvek {

class KeywordList;
class RomImage;
class TextTable;

// The sixteen groups of the text editor, in list order.
enum class TextGroupKind { Names, Characters, Miscellaneous, Dialogue, Prologue, Epilogue };

struct TextGroup {
    std::string_view name;
    TextGroupKind kind;
    std::int64_t pointerTable; // game offset; 0 where the group has none
    std::int64_t bankBase;
    int entries;
};

inline constexpr int kCharactersGroup = 9;
inline constexpr int kMiscellaneousGroup = 10;
inline constexpr int kPrologueGroup = 14;
inline constexpr int kEpilogueGroup = 15;

inline constexpr std::array<TextGroup, 16> kTextGroups{{
    {"Items", TextGroupKind::Names, 0x28212, 0x20010, 46},
    {"Weapons", TextGroupKind::Names, 0x28272, 0x20010, 63},
    {"Armor", TextGroupKind::Names, 0x282F0, 0x20010, 40},
    {"Spells 1", TextGroupKind::Names, 0x28390, 0x20010, 40},
    {"Spells 2", TextGroupKind::Names, 0x170CB, 0xC010, 70},
    {"Spell scrolls", TextGroupKind::Names, 0x28340, 0x20010, 40},
    {"Keywords", TextGroupKind::Names, 0x283F2, 0x20010, 15},
    {"Monsters", TextGroupKind::Names, 0x16C54, 0xC010, 128},
    {"Battle messages", TextGroupKind::Names, 0x172B7, 0xC010, 99},
    {"Characters", TextGroupKind::Characters, 0, 0, 9},
    {"Miscellaneous", TextGroupKind::Miscellaneous, 0x283E0, 0x20010, 10},
    {"Dialogue 1", TextGroupKind::Dialogue, 0x18010, 0x10010, 256},
    {"Dialogue 2", TextGroupKind::Dialogue, 0x28012, 0x20010, 256},
    {"Dialogue 3", TextGroupKind::Dialogue, 0x37F12, 0x2C010, 80},
    {"Prologue", TextGroupKind::Prologue, 0, 0, 0},
    {"Epilogue", TextGroupKind::Epilogue, 0, 0, 0},
}};

// Miscellaneous entry 9 has a pointer of its own, apart from the table.
inline constexpr std::int64_t kMiscellaneousEntry9Pointer = 0x2826E;
inline constexpr std::int64_t kCharacterNames = 0xF92; // 6 bytes every 0x80
inline constexpr std::int64_t kStandardPrologue = 0x2B91A;
inline constexpr std::int64_t kPrototypePrologue = 0x2BBAA;

// Where an entry's pointer and text lie (buffer indexes, RomBase included).
struct TextEntryLocation {
    std::optional<std::int64_t> pointerLocation; // none for Characters, Prologue, Epilogue
    std::uint16_t pointerValue = 0;
    std::optional<std::int64_t> textLocation;    // none for Epilogue
};

[[nodiscard]] TextEntryLocation locateTextEntry(const RomImage &image, int group, int entry);

// How many entries a group has: the prologue is one text, the epilogue has none in the ROM.
[[nodiscard]] int textEntryCount(int group);

// The entry list of a group: decoded names, or "Dialogue n".
[[nodiscard]] std::vector<std::string> textEntryLabels(const RomImage &image, int group, const TextTable &dte);

struct TextEntryContent {
    std::string text; // line breaks as the table text backslash-n
    std::optional<std::uint8_t> fingerParameter;
    bool complete = true; // false when the stored text is longer than kMaxEditableBytes and shown cut
};
[[nodiscard]] TextEntryContent readTextEntry(const RomImage &image, int group, const TextEntryLocation &location,
                                             const TextTable &dte, const KeywordList &keywords);

// How many bytes the text at the location takes now, its terminator included (six for a character name):
// the room an edit may use without overwriting what follows. The scan stops after limit bytes.
[[nodiscard]] std::int64_t storedTextLength(const RomImage &image, int group, const TextEntryLocation &location,
                                            std::int64_t limit = INT64_MAX);

// The bytes Save writes for an edited text: keywords and the finger parameter only in dialogue, terminated
// except for character names, which are cut or padded with the table's space to exactly six bytes.
// Characters no entry encodes are appended to dropped, when given.
[[nodiscard]] std::vector<std::uint8_t> encodeTextEntry(int group, std::string_view text, const TextTable &table,
                                                        const KeywordList &keywords, std::uint8_t fingerParameter,
                                                        std::string *dropped = nullptr);

// The same for many texts with one table: the encoder's lookups are built once.
class TextEntryEncoder {
public:
    TextEntryEncoder(const TextTable &table, const KeywordList &keywords);
    [[nodiscard]] std::vector<std::uint8_t> encode(int group, std::string_view text, std::uint8_t fingerParameter,
                                                   std::string *dropped = nullptr) const;

private:
    const TextTable &table_;
    EncodingIndex withKeywords_;
    EncodingIndex withoutKeywords_;
};

// Writes an edited entry in place: the new pointer value (where the entry has a pointer) and the bytes at
// the text's location as it was when the entry was selected (no bytes: the text is left as it is). False,
// writing nothing, when the bytes would run past the end of the image.
[[nodiscard]] bool storeTextEntry(RomImage &image, const TextEntryLocation &location,
                                  const std::vector<std::uint8_t> &bytes, std::uint16_t pointerValue);

// Real line breaks (CR LF or LF) of an edit to the table's backslash-n and back.
[[nodiscard]] std::string toTableLineBreaks(std::string_view editText);
[[nodiscard]] std::string toEditLineBreaks(std::string_view tableText);

} // namespace talvek
