// The .tbl parser on arbitrary bytes.
#include <cstdint>
#include <string_view>

#include "text/text_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto table = talvek::TextTable::parse(std::string_view(reinterpret_cast<const char *>(data), size));
    (void)table.longestEntry();
    return 0;
}
