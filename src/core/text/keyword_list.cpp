#include "keyword_list.h"

#include <algorithm>

#include "text_codec.h"

namespace talvek {

KeywordList::KeywordList()
{
    entries_[0] = kPlaceholder;
}

std::size_t KeywordList::longestEntry() const
{
    std::size_t longest = 0;
    for (const auto &entry : entries_)
        longest = std::max(longest, entry.size());
    return longest;
}

KeywordList KeywordList::build(const RomImage &image, const TextTable &dteTable)
{
    KeywordList list;
    for (int k = 1; k < kEntryCount; ++k)
        list.entries_[static_cast<std::size_t>(k)] = decodeName(image, k, dteTable);
    return list;
}

} // namespace talvek
