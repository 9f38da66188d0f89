#include "text_search.h"

#include <algorithm>
#include <cctype>

#include "record_names.h"
#include "rom/rom_image.h"
#include "text/keyword_list.h"
#include "text/text_groups.h"

namespace talvek {

namespace {

// The game's text tables map bytes to ASCII letters and symbols; folding ASCII is folding the game's text.
std::string folded(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return out;
}

bool isWordStart(const std::string &text, std::size_t at)
{
    if (at == 0)
        return true;
    const unsigned char before = static_cast<unsigned char>(text[at - 1]);
    return !std::isalnum(before);
}

} // namespace

TextSearch TextSearch::build(const RomImage &image, const TextTable &dte)
{
    TextSearch search;
    auto add = [&search](Place place, std::string text) {
        std::string lower = folded(text);
        search.entries_.push_back({std::move(place), std::move(text), std::move(lower)});
    };
    std::vector<NamedKind> kinds = recordNames(image, dte);
    std::size_t count = 0;
    for (const NamedKind &named : kinds)
        count += named.names.size();
    for (int group = 0; group < static_cast<int>(kTextGroups.size()); ++group)
        count += static_cast<std::size_t>(textEntryCount(group));
    search.entries_.reserve(count); // one allocation: growing a list this size costs more than filling it
    for (NamedKind &named : kinds)
        for (std::size_t i = 0; i < named.names.size(); ++i) {
            std::string name = named.names[i];
            add(Place::record(named.kind, static_cast<int>(i), std::move(name)), std::move(named.names[i]));
        }
    const KeywordList keywords = KeywordList::build(image, dte);
    for (int group = 0; group < static_cast<int>(kTextGroups.size()); ++group)
        for (int entry = 0; entry < textEntryCount(group); ++entry) {
            const auto location = locateTextEntry(image, group, entry);
            add(Place::text(group, entry), readTextEntry(image, group, location, dte, keywords).text);
        }
    return search;
}

std::vector<TextSearch::Match> TextSearch::find(const std::vector<std::string> &words) const
{
    std::vector<std::string> needles;
    for (const std::string &word : words)
        if (!word.empty())
            needles.push_back(folded(word));
    std::vector<Match> matches;
    if (needles.empty())
        return matches;
    for (const Entry &entry : entries_) {
        int score = 0;
        for (const std::string &needle : needles) {
            const std::size_t at = entry.folded.find(needle);
            if (at == std::string::npos) {
                score = 0;
                break;
            }
            score += 1 + (at == 0 ? 2 : 0) + (isWordStart(entry.folded, at) ? 1 : 0);
        }
        if (score == 0)
            continue;
        if (needles.size() == 1 && entry.folded == needles.front())
            score += 4;
        matches.push_back({score, &entry});
    }
    return matches;
}

std::vector<std::string> TextSearch::wordsOf(std::string_view query)
{
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < query.size()) {
        const std::size_t end = std::min(query.find(' ', at), query.size());
        if (end > at)
            words.emplace_back(query.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

std::string describeMatch(const TextSearch::Entry &entry)
{
    if (entry.place.isText())
        return describePlace(entry.place) + ": " + entry.text;
    return describePlace(entry.place);
}

} // namespace talvek
