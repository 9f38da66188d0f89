#include <gtest/gtest.h>

#include <random>

#include "rom/rom_image.h"
#include "test_support.h"
#include "text/keyword_list.h"
#include "text/text_codec.h"

namespace talvek {
namespace {

using Bytes = std::vector<std::uint8_t>;

TextTable tableOf(std::initializer_list<std::pair<std::uint8_t, const char *>> entries)
{
    TextTable table;
    for (const auto &[byte, text] : entries)
        table.set(byte, text);
    return table;
}

TEST(EncodeText, LongestMatchWins)
{
    EXPECT_EQ(encodeText("ab", tableOf({{0x8A, "ab"}, {0x41, "a"}, {0x42, "b"}}), nullptr, 0, true),
              (Bytes{0x8A, 0x00}));
    EXPECT_EQ(encodeText("ab", tableOf({{0x41, "a"}, {0x42, "b"}}), nullptr, 0, true), (Bytes{0x41, 0x42, 0x00}));
}

TEST(EncodeText, HighestByteWinsAmongEqualEntries)
{
    EXPECT_EQ(encodeText("x", tableOf({{0x30, "x"}, {0xE0, "x"}}), nullptr, 0, true), (Bytes{0xE0, 0x00}));
}

TEST(EncodeText, UnmatchedCharactersAreDropped)
{
    const auto table = tableOf({{0x41, "a"}});
    EXPECT_EQ(encodeText("#%&", table, nullptr, 0, true), (Bytes{0x00}));
    EXPECT_EQ(encodeText("#%&", table, nullptr, 0, false), Bytes{});
    EXPECT_EQ(encodeText("a…a", table, nullptr, 0, false), (Bytes{0x41, 0x41})) << "a multi-byte character goes whole";
    EXPECT_EQ(encodeText("abc", TextTable{}, nullptr, 0, true), (Bytes{0x00})) << "an empty table drops everything";
}

TEST(EncodeText, EntryZeroIsNeverUsed)
{
    EXPECT_EQ(encodeText("q", tableOf({{0x00, "q"}}), nullptr, 0, false), Bytes{});
}

TEST(EncodeText, MaxLengthOnlyShrinks)
{
    // "abc" is longest; after "ab" only "c" remains, so the 2-character limit never comes back.
    const auto table = tableOf({{0x10, "abc"}, {0x11, "a"}, {0x12, "b"}, {0x13, "c"}, {0x14, "ca"}});
    EXPECT_EQ(encodeText("abcca", table, nullptr, 0, false), (Bytes{0x10, 0x14}));
}

TEST(EncodeText, KeywordsOnlyWhereTheTableHasNoEntry)
{
    KeywordList keywords;
    keywords.set(5, "Rose");
    keywords.set(6, "a");
    const auto table = tableOf({{0x41, "a"}, {0xFF, " "}});
    EXPECT_EQ(encodeText("a Rose", table, &keywords, 0, true), (Bytes{0x41, 0xFF, 0x18, 0x05, 0x00}));
    EXPECT_EQ(encodeText("Rose", table, nullptr, 0, true), (Bytes{0x00})) << "no list, no keyword";
    EXPECT_EQ(encodeText(KeywordList::kPlaceholder, table, &keywords, 0, false), (Bytes{0x18, 0x00}))
        << "entry 0 comes only from the placeholder itself";
}

TEST(EncodeText, FingerCodeCarriesTheParameter)
{
    const auto table = tableOf({{0x16, "[F]"}, {0x41, "a"}});
    EXPECT_EQ(encodeText("[F]a[F]", table, nullptr, 0x7C, true), (Bytes{0x16, 0x7C, 0x41, 0x16, 0x7C, 0x00}));
}

// The encoding rule written out as plainly as it is specified, to check the indexed encoder against.
Bytes referenceEncode(std::string_view text, const TextTable &table, const KeywordList *keywords, std::uint8_t finger)
{
    Bytes out;
    std::size_t maxLength = table.longestEntry();
    if (keywords)
        maxLength = std::max(maxLength, keywords->longestEntry());
    while (!text.empty()) {
        maxLength = std::min(maxLength, text.size());
        bool matched = false;
        for (std::size_t length = maxLength; length >= 1 && !matched; --length) {
            const auto candidate = text.substr(0, length);
            for (int byte = 0xFF; byte >= 1 && !matched; --byte)
                if (table[static_cast<std::uint8_t>(byte)] == candidate) {
                    out.push_back(static_cast<std::uint8_t>(byte));
                    if (byte == 0x16)
                        out.push_back(finger);
                    matched = true;
                }
            for (int k = 0; keywords && !matched && k < 256; ++k)
                if ((*keywords)[static_cast<std::uint8_t>(k)] == candidate) {
                    out.push_back(0x18);
                    out.push_back(static_cast<std::uint8_t>(k));
                    matched = true;
                }
            if (matched)
                text.remove_prefix(length);
        }
        if (!matched)
            text.remove_prefix(1);
    }
    out.push_back(0);
    return out;
}

TEST(EncodeText, IndexedEncoderMatchesTheRuleOnRandomTables)
{
    std::mt19937 random(3);
    auto word = [&](std::size_t maxLength) {
        std::string w(1 + random() % maxLength, 'a');
        for (auto &c : w)
            c = static_cast<char>('a' + random() % 3);
        return w;
    };
    for (int round = 0; round < 300; ++round) {
        TextTable table;
        for (int i = 0; i < 12; ++i)
            table.set(static_cast<std::uint8_t>(random() % 256), word(4));
        KeywordList keywords;
        for (int i = 0; i < 6; ++i)
            keywords.set(static_cast<std::uint8_t>(random() % 256), word(6));
        const std::string text = word(40) + "z" + word(40);
        const bool withKeywords = round % 2 == 0;
        ASSERT_EQ(encodeText(text, table, withKeywords ? &keywords : nullptr, 9, true),
                  referenceEncode(text, table, withKeywords ? &keywords : nullptr, 9))
            << "round " << round;
    }
}

TEST(RawByteEscapes, EveryByteHasAWrittenFormThatEncodesBack)
{
    const auto table = tableOf({{0x41, "a"}, {0x16, "[F]"}, {0xFF, " "}});
    const Bytes bytes{0x41, 0x14, 0x41, 0xE1, 0x00};
    EXPECT_EQ(decodeString(bytes, 0, table), "a{14}a{E1}");
    EXPECT_EQ(decodeFixed(bytes, 0, 5, table), "a{14}a{E1}{00}");
    EXPECT_EQ(encodeText("a{14}a{e1}", table, nullptr, 0, true), (Bytes{0x41, 0x14, 0x41, 0xE1, 0x00}))
        << "either case";

    KeywordList keywords; // every keyword empty
    const auto dialogue = decodeDialogue(Bytes{0x18, 0x07, 0x41, 0x00}, 0, tableOf({{0x41, "a"}}), keywords);
    EXPECT_EQ(dialogue.text, "{18}{07}a") << "a keyword with no text keeps both bytes";
    EXPECT_EQ(encodeText(dialogue.text, table, &keywords, 3, true), (Bytes{0x18, 0x07, 0x41, 0x00}));
    const auto finger = decodeDialogue(Bytes{0x16, 0x05, 0x00}, 0, TextTable{}, keywords);
    EXPECT_EQ(finger.text, "{16}{05}");
    EXPECT_EQ(finger.fingerParameter, 5);

    const std::pair<const char *, Bytes> notEscapes[] = {{"{1}", {0x41}}, {"{1G}", {0x41}}, {"{123}", {0x41}}};
    for (const auto &[text, expected] : notEscapes)
        EXPECT_EQ(encodeText(text, tableOf({{0x41, "1"}}), nullptr, 0, false), expected) << text;

    // Any image decodes and encodes back to its own bytes, whatever the table lacks.
    std::mt19937 random(7);
    TextTable sparse;
    for (int byte = 1; byte < 256; byte += 3)
        sparse.set(static_cast<std::uint8_t>(byte), "<" + std::to_string(byte) + ">");
    for (int round = 0; round < 200; ++round) {
        Bytes text(1 + random() % 40);
        for (auto &byte : text)
            byte = static_cast<std::uint8_t>(1 + random() % 255);
        text.push_back(0x00);
        ASSERT_EQ(encodeText(decodeString(text, 0, sparse), sparse, nullptr, std::nullopt, true), text);
    }
}

TEST(EncodeText, ReportsTheCharactersItDrops)
{
    std::string dropped;
    EXPECT_EQ(encodeText("aöb€a", tableOf({{0x41, "a"}}), nullptr, 0, true, &dropped), (Bytes{0x41, 0x41, 0x00}));
    EXPECT_EQ(dropped, "öb€");
}

TEST(EncodeText, FingerParameterOnlyWhereGiven)
{
    const auto table = tableOf({{0x41, "a"}, {0x16, "[F]"}});
    EXPECT_EQ(encodeText("a[F]", table, nullptr, 9, true), (Bytes{0x41, 0x16, 0x09, 0x00}));
    EXPECT_EQ(encodeText("a[F]", table, nullptr, std::nullopt, true), (Bytes{0x41, 0x16, 0x00}))
        << "in names 0x16 is an ordinary byte";
}

TEST(FingerParameter, ParsedAsClampedHex)
{
    const std::pair<const char *, int> cases[] = {{"5", 5}, {"  1f", 0x1F}, {"zz", 0}, {"", 0},
                                                  {"-3", 0}, {"1FF", 0xFF}, {"ab cd", 0xAB}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseFingerParameter(text), value) << text;
}

TEST(DecodeString, StopsAtTheTerminatorOrTheBufferEnd)
{
    const auto table = tableOf({{0x41, "a"}, {0x3C, "in"}, {0x16, "[F]"}});
    const Bytes bytes{0x41, 0x3C, 0x16, 0x00, 0x41, 0x41};
    EXPECT_EQ(decodeString(bytes, 0, table), "ain[F]") << "0x16 is an ordinary byte here";
    EXPECT_EQ(decodeString(bytes, 4, table), "aa") << "no terminator: ends with the buffer";
    EXPECT_EQ(decodeString(bytes, 6, table), "");
    EXPECT_EQ(decodeString(bytes, 1 << 20, table), "") << "a pointer past the end";
    EXPECT_EQ(decodeString(bytes, -5, table), "");
}

TEST(DecodeFixed, ReadsExactlyCountBytes)
{
    const auto table = tableOf({{0x41, "a"}, {0x00, "_"}, {0xFF, " "}});
    const Bytes bytes{0x41, 0x00, 0x41, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(decodeFixed(bytes, 0, 6, table), "a_a   ");
    EXPECT_EQ(decodeFixed(bytes, 4, 6, table), "  ") << "clipped at the buffer end";
}

TEST(DecodeDialogue, ControlCodes)
{
    const auto table = tableOf({{0x41, "a"}, {0x16, "[F]"}});
    KeywordList keywords;
    keywords.set(3, "Rose");
    const auto decoded = decodeDialogue(Bytes{0x41, 0x16, 0x02, 0x18, 0x03, 0x16, 0x05, 0x00, 0x41}, 0, table, keywords);
    EXPECT_EQ(decoded.text, "a[F]Rose[F]");
    EXPECT_EQ(decoded.fingerParameter, 5) << "the last finger parameter";

    EXPECT_EQ(decodeDialogue(Bytes{0x16, 0x05, 0x00}, 0, table, keywords).fingerParameter, 5);
    EXPECT_FALSE(decodeDialogue(Bytes{0x41, 0x00}, 0, table, keywords).fingerParameter);
    EXPECT_EQ(decodeDialogue(Bytes{0x18, 0x00}, 0, table, keywords).text, KeywordList::kPlaceholder);

    const auto cut = decodeDialogue(Bytes{0x41, 0x16}, 0, table, keywords);
    EXPECT_EQ(cut.text, "a") << "a code whose parameter lies past the end stops";
    EXPECT_FALSE(cut.fingerParameter);
    EXPECT_EQ(decodeDialogue(Bytes{0x41, 0x41, 0x41}, 0, table, keywords).text, "aaa");
}

TEST(KeywordListBuild, HoldsThePlaceholderAndTheNames)
{
    const RomImage image(test::sampleBytes(), "s.nes");
    const auto keywords = KeywordList::build(image, test::shippedDteTable());
    EXPECT_EQ(keywords[0], KeywordList::kPlaceholder);
    EXPECT_EQ(keywords[1], "Potion");
    EXPECT_EQ(keywords[241], "Wild Rose");
    EXPECT_EQ(keywords[255], "Ice Lord");
}

TEST(DecodeName, PointersPastTheEndGiveEmptyNames)
{
    std::vector<std::uint8_t> bytes(0x28220, 0);
    bytes[0x28212] = 0xFF; // pointer 1 -> 0x20010 + 0xFFFF, past the end
    bytes[0x28213] = 0xFF;
    const RomImage image(std::move(bytes), "cut.nes");
    EXPECT_EQ(decodeName(image, 1, test::shippedDteTable()), "");
    EXPECT_EQ(decodeName(image, 200, test::shippedDteTable()), "") << "the table itself cut off";
}

TEST(Codec, SampleNamesRoundTripThroughTheShippedTable)
{
    const auto &table = test::shippedDteTable();
    for (const char *text : {"Phoenix Down", "Mythril Sword", "[book]Fire", "The king's letter: 99 gil!"}) {
        const auto bytes = encodeText(text, table, nullptr, 0, true);
        EXPECT_EQ(decodeString(bytes, 0, table), text);
    }
    EXPECT_LT(encodeText("the thing", table, nullptr, 0, false).size(), 9u) << "pairs are used";
}

} // namespace
} // namespace talvek
