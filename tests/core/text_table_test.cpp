#include <gtest/gtest.h>

#include "test_support.h"
#include "text/text_table.h"

namespace talvek {
namespace {

TEST(TextTable, ParsesKeysAsTheGameDoes)
{
    const auto table = TextTable::parse("41=A\r\n4142=X\nzz=Q\nFF\n");
    EXPECT_EQ(table[0x41], "A") << "CR LF ends the line";
    EXPECT_EQ(table[0x00], "Q") << "a key without hex digits reads 0";
    EXPECT_EQ(table[0x42], "");
    EXPECT_EQ(table[0xFF], "") << "a line without = is ignored";
}

TEST(TextTable, ValuesKeepEverythingAfterTheFirstEquals)
{
    const auto table = TextTable::parse("20=a=b \nFF= \n 7f=x\n01=\\n\n");
    EXPECT_EQ(table[0x20], "a=b ");
    EXPECT_EQ(table[0xFF], " ");
    EXPECT_EQ(table[0x7F], "x") << "leading blanks before the key are skipped";
    EXPECT_EQ(table[0x01], "\\n") << "the line break is the two characters backslash, n";
}

TEST(TextTable, LaterLinesWinAndOutOfRangeKeysAreIgnored)
{
    const auto table = TextTable::parse("10=first\n10=second\n100=big\n-1=negative\nFFFFFFFFFFFFFFFFFFFFFF=huge\n");
    EXPECT_EQ(table[0x10], "second");
    EXPECT_EQ(table[0x00], "");
    EXPECT_EQ(table[0xFF], "");
}

TEST(TextTable, CrOnlyLineEndsMakeOneLine)
{
    const auto table = TextTable::parse("41=A\r42=B\r");
    EXPECT_EQ(table[0x41], "A\r42=B\r");
    EXPECT_EQ(table[0x42], "");
}

TEST(TextTable, GarbageIsHarmless)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 131) % 256);
    garbage += std::string("\0\0=\0", 4);
    const auto table = TextTable::parse(garbage);
    EXPECT_LE(table.longestEntry(), garbage.size());
}

TEST(TextTable, LoadFromFile)
{
    test::TempDir dir;
    EXPECT_FALSE(TextTable::loadFromFile(dir.file("missing.tbl")));
    EXPECT_FALSE(TextTable::loadFromFile(dir.path().string())) << "a directory is no table";
    const auto table = TextTable::loadFromFile(dir.writeText("t.tbl", "8A=A\n"));
    ASSERT_TRUE(table);
    EXPECT_EQ((*table)[0x8A], "A");
}

TEST(TextTable, ByteOrderMarkIsSkipped)
{
    const auto table = TextTable::parse("\xEF\xBB\xBF" "01=\\n\n8A=A\n");
    EXPECT_EQ(table[0x01], "\\n") << "the first line keeps its key";
    EXPECT_EQ(table[0x00], "");
    EXPECT_EQ(table[0x8A], "A");
}

TEST(TextTable, LinesThatAreNotUtf8AreSkippedAndNamed)
{
    std::vector<int> invalid;
    const auto table = TextTable::parse("41=A\n\n42=\xE9t\xE9\n43=\xC3\xA9\n44=\xC0\xAF\nno key \xFF\n45=\xED\xA0\x80\n", &invalid);
    EXPECT_EQ(table[0x41], "A");
    EXPECT_EQ(table[0x42], "") << "Latin-1 is not read as text";
    EXPECT_EQ(table[0x43], "\xC3\xA9");
    EXPECT_EQ(table[0x44], "") << "an overlong form";
    EXPECT_EQ(table[0x45], "") << "a surrogate";
    EXPECT_EQ(invalid, (std::vector<int>{3, 5, 7})) << "lines without a key are no entries";
    EXPECT_EQ(invalidTableLinesMessage("StandardTable.tbl", invalid),
              "StandardTable.tbl: line 3 and 2 more are not valid UTF-8 and could not be read.\n"
              "Tables are read as UTF-8; save the file in that encoding.");
    EXPECT_TRUE(TextTable{}.empty());
    EXPECT_FALSE(table.empty());
}

TEST(TextTable, ShippedStandardTablesReadTheGamesLetters)
{
    const auto &dte = test::shippedDteTable();
    EXPECT_EQ(dte[0x8A], "A");
    EXPECT_EQ(dte[0xA4], "a");
    EXPECT_EQ(dte[0x80], "0");
    EXPECT_EQ(dte[0xFF], " ");
    EXPECT_EQ(dte[0x01], "\\n");
    EXPECT_EQ(dte[0x3C], "in");
    EXPECT_EQ(dte[0x6D], "et");
    const auto plain = TextTable::loadFromFile(std::string(TALVEK_DATA_DIR) + "/StandardTable.tbl");
    ASSERT_TRUE(plain);
    EXPECT_EQ((*plain)[0x3C], "") << "the plain table holds no pairs";
    EXPECT_EQ((*plain)[0xBD], "z");
}

} // namespace
} // namespace talvek
