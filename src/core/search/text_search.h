#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "place.h"

namespace talvek {

class RomImage;
class TextTable;

// Every record name and every text entry of an image, decoded as the editors show them, ready to be searched
// case-insensitively: the export's named kinds in its order first, then the text groups in list order.
class TextSearch {
public:
    struct Entry {
        Place place;
        std::string text;
        std::string folded; // text in lower case, for matching
    };
    struct Match {
        int score = 0;
        const Entry *entry = nullptr;
    };

    [[nodiscard]] static TextSearch build(const RomImage &image, const TextTable &dte);

    // The entries that contain every word (an empty list of words matches nothing), in entry order. A word
    // found at the start of the text or of one of its words scores more, and so does a text that is all query.
    [[nodiscard]] std::vector<Match> find(const std::vector<std::string> &words) const;
    [[nodiscard]] const std::vector<Entry> &entries() const { return entries_; }

    // The words of a query typed in a search box: split at spaces.
    [[nodiscard]] static std::vector<std::string> wordsOf(std::string_view query);

private:
    std::vector<Entry> entries_;
};

// "KIND INDEX "NAME"" for a record, "text GROUP ENTRY: TEXT" for a text entry.
[[nodiscard]] std::string describeMatch(const TextSearch::Entry &entry);

} // namespace talvek
