// The codec: decoding an arbitrary image at arbitrary offsets, and encoding arbitrary text with an arbitrary
// table, where decoding the result gives the text back minus the characters nothing matched.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "text/keyword_list.h"
#include "text/text_codec.h"
#include "text/text_table.h"

using namespace talvek;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    // The first byte splits the input into a table and the rest.
    const std::size_t split = std::min<std::size_t>(size, 4 + data[0] * 4);
    const TextTable table = TextTable::parse(std::string_view(reinterpret_cast<const char *>(data + 1), split - 1));
    const std::vector<std::uint8_t> image(data + split, data + size);

    KeywordList keywords;
    for (std::int64_t offset = -2; offset < static_cast<std::int64_t>(image.size()) + 2; offset += 7) {
        (void)decodeString(image, offset, table);
        (void)decodeFixed(image, offset, 6, table);
        (void)decodeDialogue(image, offset, table, keywords);
    }

    const std::string text(reinterpret_cast<const char *>(data + split), size - split);
    const auto encoded = encodeText(text, table, nullptr, data[1], true);
    if (encoded.empty() || encoded.back() != 0)
        std::abort();
    // Every byte the encoder wrote stands for text it consumed: decoding gives a subsequence-sized result.
    const std::string decoded = decodeString(encoded, 0, table);
    const bool hasFinger = table[0x16].size() > 0;
    if (!hasFinger && decoded.size() > text.size())
        std::abort();
    return 0;
}
