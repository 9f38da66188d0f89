#include "number_parsing.h"

#include <limits>

namespace talvek {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

int digitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

std::int64_t parseLeading(std::string_view text, int base)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max() / 16;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0)
            break;
        if (value < limit)
            value = value * base + digit;
    }
    return negative ? -value : value;
}

} // namespace

std::int64_t parseLeadingDecimal(std::string_view text)
{
    return parseLeading(text, 10);
}

std::int64_t parseLeadingHex(std::string_view text)
{
    return parseLeading(text, 16);
}

} // namespace talvek
