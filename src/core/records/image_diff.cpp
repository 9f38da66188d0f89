#include "image_diff.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <set>

#include "record_json.h"
#include "rom/read_trace.h"
#include "text/keyword_list.h"
#include "text/text_groups.h"

namespace talvek {
namespace {

using json_support::Json;

// Kinds whose elements are fixed lists of values: each position is a field of its own. Elsewhere a list of
// plain values (a bit set's labels, a pair of numbers) is one value.
const std::set<std::string, std::less<>> kPositionalKinds{"battle_palettes", "ai_scripts", "monster_sets"};

std::string joined(const std::string &path, const std::string &part)
{
    return path.empty() ? part : path + "." + part;
}

bool holdsStructure(const Json &list)
{
    return std::any_of(list.begin(), list.end(), [](const Json &item) { return item.is_structured(); });
}

struct ValueChange {
    std::string path;
    Json before;
    Json after;
};

// The smallest parts in which two values differ; where their shapes differ, the part is the whole value.
void differingParts(const Json &a, const Json &b, const std::string &path, bool positional,
                    std::vector<ValueChange> &out)
{
    if (a == b)
        return;
    if (a.is_object() && b.is_object() && a.size() == b.size()
        && std::all_of(a.items().begin(), a.items().end(), [&b](const auto &item) { return b.contains(item.key()); })) {
        for (const auto &[key, value] : a.items())
            differingParts(value, b.at(key), joined(path, key), false, out);
        return;
    }
    if (a.is_array() && b.is_array() && a.size() == b.size() && (positional || holdsStructure(a) || holdsStructure(b))) {
        for (std::size_t i = 0; i < a.size(); ++i)
            differingParts(a[i], b[i], joined(path, std::to_string(i)), false, out);
        return;
    }
    out.push_back({path, a, b});
}

// An element without its index and read-only name: what the image stores as this record's own values.
Json valuesOf(const Json &element)
{
    if (!element.is_object())
        return element;
    Json values = element;
    values.erase("index");
    values.erase("name");
    return values;
}

std::vector<ValueChange> elementChanges(const std::string &kind, const Json &a, const Json &b)
{
    std::vector<ValueChange> changes;
    differingParts(valuesOf(a), valuesOf(b), "", kPositionalKinds.contains(kind), changes);
    return changes;
}

// Whether two field paths name the same value or one holds the other.
bool related(const std::string &p, const std::string &q)
{
    auto holds = [](const std::string &outer, const std::string &inner) {
        return outer.empty() || inner == outer || (inner.size() > outer.size() && inner.compare(0, outer.size(), outer) == 0
                                                   && inner[outer.size()] == '.');
    };
    return holds(p, q) || holds(q, p);
}

using ElementKey = ReadTrace::Element;

// One export group run on one image, with the bytes each of its elements read.
struct GroupRun {
    Json document = Json::object();
    std::map<ElementKey, std::vector<std::int64_t>> reads;
};

GroupRun runGroup(const ExportGroup &group, const RomImage &image, const TextTable &names)
{
    GroupRun run;
    const ReadTrace trace;
    group(image, names, run.document);
    run.reads = trace.reads();
    return run;
}

const Json &elementOf(const Json &document, const std::string &kind, int index)
{
    return index < 0 ? document.at(kind) : document.at(kind).at(static_cast<std::size_t>(index));
}

// The bytes each export group has been seen to read, per image layout: a group none of whose bytes differ
// is not exported at all. Records sit at fixed offsets, so after the first diff a small change costs
// only the groups it touches.
class GroupFootprints {
public:
    // Whether group g may read one of the offsets; true while it has never been traced on this layout.
    bool mayRead(std::size_t g, std::int64_t layout, const std::vector<std::int64_t> &offsets)
    {
        const std::lock_guard lock(mutex_);
        const auto found = seen_.find({layout, g});
        if (found == seen_.end())
            return true;
        return std::any_of(offsets.begin(), offsets.end(), [&](std::int64_t i) { return found->second.contains(i); });
    }
    void add(std::size_t g, std::int64_t layout, const GroupRun &run)
    {
        const std::lock_guard lock(mutex_);
        auto &bytes = seen_[{layout, g}];
        for (const auto &[element, reads] : run.reads)
            bytes.insert(reads.begin(), reads.end());
    }

private:
    std::mutex mutex_;
    std::map<std::pair<std::int64_t, std::size_t>, std::set<std::int64_t>> seen_;
};

GroupFootprints &footprints()
{
    static GroupFootprints instance;
    return instance;
}

// Compares two images byte by byte and keeps track of which differing bytes a listed change shows.
class ByteLedger {
public:
    ByteLedger(const RomImage &a, const RomImage &b)
        : common_(std::min(a.size(), b.size())), longest_(std::max(a.size(), b.size()))
    {
        // Whole blocks compare at memcmp's speed; only the blocks that differ are walked byte by byte.
        constexpr std::int64_t kBlock = 64;
        const std::uint8_t *x = a.bytes().data();
        const std::uint8_t *y = b.bytes().data();
        for (std::int64_t block = 0; block < common_; block += kBlock) {
            const std::int64_t end = std::min(block + kBlock, common_);
            if (std::memcmp(x + block, y + block, static_cast<std::size_t>(end - block)) == 0)
                continue;
            for (std::int64_t i = block; i < end; ++i)
                if (x[i] != y[i])
                    offsets_.push_back(i);
        }
        claimed_.assign(offsets_.size(), false);
    }

    [[nodiscard]] bool identical() const { return common_ == longest_ && offsets_.empty(); }
    [[nodiscard]] const std::vector<std::int64_t> &allDiffering() const { return offsets_; }
    [[nodiscard]] bool differs(std::int64_t i) const { return std::binary_search(offsets_.begin(), offsets_.end(), i); }

    // The differing bytes among offsets, sorted and unique.
    [[nodiscard]] std::vector<std::int64_t> differing(std::vector<std::int64_t> offsets) const
    {
        std::erase_if(offsets, [this](std::int64_t i) { return !differs(i); });
        std::sort(offsets.begin(), offsets.end());
        offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
        return offsets;
    }
    // Whether a differing byte lies in one of the spans [start, end).
    [[nodiscard]] bool touches(const std::vector<std::pair<std::int64_t, std::int64_t>> &spans) const
    {
        return std::any_of(spans.begin(), spans.end(), [this](const auto &span) {
            const auto found = std::lower_bound(offsets_.begin(), offsets_.end(), span.first);
            return found != offsets_.end() && *found < span.second;
        });
    }
    void claim(std::int64_t i)
    {
        const auto found = std::lower_bound(offsets_.begin(), offsets_.end(), i);
        if (found != offsets_.end() && *found == i)
            claimed_[static_cast<std::size_t>(found - offsets_.begin())] = true;
    }

    // Differing bytes no change claimed, and the longer image's extra bytes, as ranges.
    void addRanges(std::vector<ImageChange> &out) const
    {
        for (std::size_t k = 0; k < offsets_.size();) {
            if (claimed_[k]) {
                ++k;
                continue;
            }
            const std::int64_t start = offsets_[k];
            std::int64_t end = start;
            while (++k < offsets_.size() && !claimed_[k] && offsets_[k] == end + 1)
                ++end;
            push(out, start, end);
        }
        if (longest_ > common_) {
            if (!out.empty() && out.back().type == ImageChange::Type::Bytes && out.back().end == common_ - 1)
                out.back().end = longest_ - 1;
            else
                push(out, common_, longest_ - 1);
        }
    }

private:
    static void push(std::vector<ImageChange> &out, std::int64_t start, std::int64_t end)
    {
        ImageChange change;
        change.type = ImageChange::Type::Bytes;
        change.start = start;
        change.end = end;
        out.push_back(change);
    }

    std::int64_t common_;
    std::int64_t longest_;
    std::vector<std::int64_t> offsets_; // differing bytes of the common part, ascending
    std::vector<bool> claimed_;
};

// An element of the export whose own bytes and values differ between the images.
struct Candidate {
    std::string kind;
    int index;
    std::vector<std::int64_t> changedOwn;
    std::vector<ValueChange> changes;
    std::vector<std::string> listed;
};

// Runs group on a scratch copy of the first image with the second image's bytes put in at offsets, and
// returns the export it makes.
Json probe(const ExportGroup &group, RomImage &scratch, const RomImage &b, const TextTable &names,
           const std::vector<std::int64_t> &offsets)
{
    auto &bytes = scratch.bytes();
    std::vector<std::uint8_t> saved;
    for (const std::int64_t i : offsets) {
        saved.push_back(bytes[static_cast<std::size_t>(i)]);
        bytes[static_cast<std::size_t>(i)] = b.bytes()[static_cast<std::size_t>(i)];
    }
    Json probed = Json::object();
    group(scratch, names, probed);
    for (std::size_t k = 0; k < offsets.size(); ++k)
        bytes[static_cast<std::size_t>(offsets[k])] = saved[k];
    return probed;
}

std::vector<Candidate> candidatesOf(const GroupRun &runA, const GroupRun &runB, const ByteLedger &ledger)
{
    std::vector<Candidate> candidates;
    for (const auto &[kind, value] : runA.document.items()) {
        const int count = value.is_array() ? static_cast<int>(value.size()) : 1;
        for (int n = 0; n < count; ++n) {
            const int index = value.is_array() ? n : -1;
            std::vector<std::int64_t> own;
            for (const auto *reads : {&runA.reads, &runB.reads})
                if (const auto found = reads->find({kind, index}); found != reads->end())
                    own.insert(own.end(), found->second.begin(), found->second.end());
            auto changedOwn = ledger.differing(std::move(own));
            if (changedOwn.empty())
                continue;
            auto changes = elementChanges(kind, elementOf(runA.document, kind, index), elementOf(runB.document, kind, index));
            if (!changes.empty())
                candidates.push_back({kind, index, std::move(changedOwn), std::move(changes), {}});
        }
    }
    return candidates;
}

bool anyRelated(const std::vector<ValueChange> &shown, const std::string &path)
{
    return std::any_of(shown.begin(), shown.end(), [&](const ValueChange &s) { return related(s.path, path); });
}

void addFieldChanges(const RomImage &a, const TextTable &aNames, const RomImage &b, const TextTable &bNames,
                     ByteLedger &ledger, std::vector<ImageChange> &out)
{
    const auto &differing = ledger.allDiffering();
    const std::int64_t layout = a.romBase();
    std::optional<RomImage> scratch;
    const auto &groups = exportGroups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (!footprints().mayRead(g, layout, differing))
            continue;
        const GroupRun runA = runGroup(groups[g], a, aNames);
        const GroupRun runB = runGroup(groups[g], b, bNames);
        footprints().add(g, layout, runA);
        footprints().add(g, layout, runB);
        auto candidates = candidatesOf(runA, runB, ledger);
        if (candidates.empty())
            continue;
        if (!scratch)
            scratch.emplace(a);

        // Only the values the elements' own bytes change are listed, not a name of another record they show.
        std::vector<std::int64_t> allOwn;
        for (const auto &c : candidates)
            allOwn.insert(allOwn.end(), c.changedOwn.begin(), c.changedOwn.end());
        const Json probed = probe(groups[g], *scratch, b, aNames, allOwn);
        for (auto &c : candidates) {
            const auto shown = elementChanges(c.kind, elementOf(runA.document, c.kind, c.index), elementOf(probed, c.kind, c.index));
            for (const ValueChange &change : c.changes) {
                if (!anyRelated(shown, change.path))
                    continue;
                ImageChange line;
                line.type = ImageChange::Type::Field;
                line.kind = c.kind;
                line.index = c.index;
                const Json &named = elementOf(runB.document, c.kind, c.index);
                if (named.is_object() && named.contains("name") && named.at("name").is_string())
                    line.name = named.at("name").get<std::string>();
                line.path = change.path;
                line.before = change.before;
                line.after = change.after;
                out.push_back(std::move(line));
                c.listed.push_back(change.path);
            }
            if (c.changedOwn.size() == 1 && !c.listed.empty())
                ledger.claim(c.changedOwn.front());
        }

        // An element with several differing bytes: a byte is shown by a listed value unless putting it in
        // alone changes none of them. Round r tries every such element's r-th byte at once.
        for (std::size_t round = 0;; ++round) {
            std::vector<std::int64_t> offsets;
            for (const auto &c : candidates)
                if (c.changedOwn.size() > 1 && !c.listed.empty() && round < c.changedOwn.size())
                    offsets.push_back(c.changedOwn[round]);
            if (offsets.empty())
                break;
            const Json alone = probe(groups[g], *scratch, b, aNames, offsets);
            for (const auto &c : candidates) {
                if (c.changedOwn.size() <= 1 || c.listed.empty() || round >= c.changedOwn.size())
                    continue;
                const auto shown = elementChanges(c.kind, elementOf(runA.document, c.kind, c.index), elementOf(alone, c.kind, c.index));
                if (std::any_of(c.listed.begin(), c.listed.end(), [&](const std::string &p) { return anyRelated(shown, p); }))
                    ledger.claim(c.changedOwn[round]);
            }
        }
    }
}

// Where a text entry's bytes lie: its pointer and its stored text, terminator included, as [start, end).
// A text without a terminator within the lists' limit (a garbled image) counts up to the limit: bytes past it
// show as ranges.
std::vector<std::pair<std::int64_t, std::int64_t>> textSpans(const RomImage &image, int group,
                                                            const TextEntryLocation &location)
{
    std::vector<std::pair<std::int64_t, std::int64_t>> spans;
    if (location.pointerLocation)
        spans.emplace_back(*location.pointerLocation, *location.pointerLocation + 2);
    if (location.textLocation)
        spans.emplace_back(*location.textLocation,
                           *location.textLocation + storedTextLength(image, group, location, kMaxDecodedBytes));
    return spans;
}

std::vector<std::int64_t> textBytes(const std::vector<std::pair<std::int64_t, std::int64_t>> &spans)
{
    std::vector<std::int64_t> bytes;
    for (const auto &[start, end] : spans)
        for (std::int64_t i = start; i < end; ++i)
            bytes.push_back(i);
    return bytes;
}

void addTextChanges(const RomImage &a, const TextTable &aNames, const RomImage &b, const TextTable &bNames,
                    ByteLedger &ledger, std::vector<ImageChange> &out)
{
    std::optional<KeywordList> keywordsA, keywordsB; // built only when a text differs
    for (int group = 0; group < static_cast<int>(kTextGroups.size()); ++group) {
        const int entries = textEntryCount(group);
        for (int entry = 0; entry < entries; ++entry) {
            const auto locationA = locateTextEntry(a, group, entry);
            const auto locationB = locateTextEntry(b, group, entry);
            if (!ledger.touches(textSpans(a, group, locationA)) && !ledger.touches(textSpans(b, group, locationB)))
                continue;
            auto own = textBytes(textSpans(a, group, locationA));
            const auto ownB = textBytes(textSpans(b, group, locationB));
            own.insert(own.end(), ownB.begin(), ownB.end());
            const auto changedOwn = ledger.differing(std::move(own));
            if (!keywordsA) {
                keywordsA = KeywordList::build(a, aNames);
                keywordsB = KeywordList::build(b, bNames);
            }
            const auto textA = readTextEntry(a, group, locationA, aNames, *keywordsA).text;
            const auto textB = readTextEntry(b, group, locationB, bNames, *keywordsB).text;
            if (textA == textB)
                continue;
            ImageChange line;
            line.type = ImageChange::Type::Text;
            line.group = group;
            line.entry = entry;
            line.before = toEditLineBreaks(textA);
            line.after = toEditLineBreaks(textB);
            out.push_back(std::move(line));
            for (const std::int64_t i : changedOwn)
                ledger.claim(i);
        }
    }
}

} // namespace

std::vector<ImageChange> diffImages(const RomImage &before, const TextTable &beforeNames, const RomImage &after,
                                    const TextTable &afterNames)
{
    ByteLedger ledger(before, after);
    std::vector<ImageChange> changes;
    if (ledger.identical())
        return changes;
    // Records and texts are compared where both images hold the game at the same place.
    if (before.holdsGameLayout() && after.holdsGameLayout() && before.romBase() == after.romBase()) {
        addFieldChanges(before, beforeNames, after, afterNames, ledger, changes);
        addTextChanges(before, beforeNames, after, afterNames, ledger, changes);
    }
    ledger.addRanges(changes);
    return changes;
}

std::string summarizeDiff(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                          const NameTables &names)
{
    const RomImage a(std::vector<std::uint8_t>(before.begin(), before.end()), {});
    const RomImage b(std::vector<std::uint8_t>(after.begin(), after.end()), {});
    const auto changes = diffImages(a, names.of(a), b, names.of(b));
    if (changes.empty())
        return "no change";
    std::string summary = describeChange(changes.front());
    if (changes.size() > 1)
        summary += " (+" + std::to_string(changes.size() - 1) + " more)";
    return summary;
}

std::string describeChange(const ImageChange &change)
{
    switch (change.type) {
    case ImageChange::Type::Field: {
        std::string line = change.kind;
        if (change.index >= 0)
            line += " " + std::to_string(change.index);
        if (!change.name.empty())
            line += " " + json_support::printed(Json(change.name));
        line += ": ";
        if (!change.path.empty())
            line += change.path + " ";
        return line + json_support::printed(change.before) + " -> " + json_support::printed(change.after);
    }
    case ImageChange::Type::Text:
        return "text " + std::to_string(change.group) + " " + std::to_string(change.entry) + ": " + json_support::printed(change.before)
            + " -> " + json_support::printed(change.after);
    case ImageChange::Type::Bytes:
        break;
    }
    char range[96];
    const std::int64_t count = change.end - change.start + 1;
    std::snprintf(range, sizeof range, "bytes 0x%llX-0x%llX (%lld byte%s)", static_cast<long long>(change.start),
                  static_cast<long long>(change.end), static_cast<long long>(count), count == 1 ? "" : "s");
    return range;
}

Json changeToJson(const ImageChange &change)
{
    switch (change.type) {
    case ImageChange::Type::Field: {
        Json object{{"kind", change.kind}};
        if (change.index >= 0)
            object["index"] = change.index;
        if (!change.name.empty())
            object["name"] = change.name;
        object["field"] = change.path;
        object["old"] = change.before;
        object["new"] = change.after;
        return object;
    }
    case ImageChange::Type::Text:
        return {{"kind", "text"}, {"group", change.group}, {"entry", change.entry}, {"old", change.before}, {"new", change.after}};
    case ImageChange::Type::Bytes:
        break;
    }
    return {{"kind", "bytes"}, {"start", change.start}, {"end", change.end}, {"count", change.end - change.start + 1}};
}

} // namespace talvek
