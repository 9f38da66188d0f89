#include <gtest/gtest.h>

#include "text/number_parsing.h"

namespace talvek {
namespace {

TEST(NumberParsing, DecimalIsTheLeadingInteger)
{
    const std::pair<const char *, std::int64_t> cases[] = {
        {"42", 42}, {"  7x", 7}, {"abc", 0}, {"", 0}, {"-12", -12}, {"+3", 3}, {"1 2", 1}, {"0x10", 0}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseLeadingDecimal(text), value) << text;
    EXPECT_GT(parseLeadingDecimal("99999999999999999999999"), 255) << "huge input stays huge, never wraps";
}

TEST(NumberParsing, HexStopsAtTheFirstNonHexCharacter)
{
    const std::pair<const char *, std::int64_t> cases[] = {
        {"1F", 0x1F}, {" \tff", 0xFF}, {"g1", 0}, {"", 0}, {"12G4", 0x12}, {"-1", -1}, {"0x10", 0}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseLeadingHex(text), value) << text;
}

TEST(NumberParsing, Clamp)
{
    EXPECT_EQ(clampTo(300, 0, 255), 255);
    EXPECT_EQ(clampTo(-4, 1, 16), 1);
    EXPECT_EQ(clampTo(7, 0, 9), 7);
}

} // namespace
} // namespace talvek
