#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "id_list.h"

namespace talvek {

// A document that cannot be imported: wrong type, unknown field, index out of range, unknown label.
class ImportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace json_support {

using Json = nlohmann::ordered_json;

// One line of JSON; a name with bytes that are not UTF-8 is printed with replacement characters.
[[nodiscard]] std::string printed(const Json &value);

[[nodiscard]] std::int64_t asInteger(const Json &value, const std::string &path);
[[nodiscard]] bool asBool(const Json &value, const std::string &path);
const Json &asArray(const Json &value, const std::string &path, std::size_t size);
const Json &asArray(const Json &value, const std::string &path);
const Json &asObject(const Json &value, const std::string &path);
[[nodiscard]] std::vector<std::string> asStrings(const Json &value, const std::string &path);


// True when an imported part is absent from the current export or differs from it.
[[nodiscard]] bool differs(const Json &value, const Json &current, const std::string &key);
[[nodiscard]] bool differs(const Json &value, const Json &current, std::size_t index);

// An index into a table of count entries; anything else is refused.
[[nodiscard]] std::int64_t checkedIndex(const Json &value, const std::string &path, int count);

// A table of count entries: each entry that differs from the image's current one is written by set.
template <typename Setter>
void importTable(const Json &value, const Json &current, const std::string &key, std::size_t count, Setter set)
{
    asArray(value, key, count);
    for (std::size_t i = 0; i < count; ++i)
        if (differs(value[i], current, i))
            set(static_cast<int>(i), value[i], key + "[" + std::to_string(i) + "]");
}

// A list choice: null for position 0, the entry's label, or the stored byte itself where the list has no entry.
using LabelAt = std::function<std::string(int position)>;
[[nodiscard]] Json choiceToJson(std::uint8_t byte, const IdList &list, const LabelAt &labelAt);
[[nodiscard]] std::uint8_t choiceFromJson(const Json &value, const IdList &list, const LabelAt &labelAt,
                                          const std::string &path);

// A byte that indexes a list of labels directly: the label, or the byte itself past the list's end.
template <typename Labels>
[[nodiscard]] Json labelOrByte(std::uint8_t byte, const Labels &labels, std::size_t first = 0)
{
    if (byte >= first && byte - first < labels.size())
        return std::string(labels[byte - first]);
    return byte;
}
// The byte of the first equal label (plus first), or a stored byte given as a number.
template <typename Labels>
[[nodiscard]] std::uint8_t byteOfLabel(const Json &value, const Labels &labels, const std::string &path,
                                       std::size_t first = 0)
{
    if (value.is_number_integer()) {
        const auto byte = value.get<std::int64_t>();
        if (byte < 0 || byte > 0xFF)
            throw ImportError(path + ": a stored byte must be 0 to 255");
        return static_cast<std::uint8_t>(byte);
    }
    if (value.is_string())
        for (std::size_t i = 0; i < labels.size(); ++i)
            if (labels[i] == value.get<std::string>())
                return static_cast<std::uint8_t>(i + first);
    throw ImportError(path + ": expected one of the list's labels or a byte");
}

// Setter of one field, called with the new value and its path when it differs from the image's.
using FieldSetter = std::function<void(const Json &value, const std::string &path)>;

// Walks one record element of an import: checks its index (0 to count - 1), refuses unknown fields, and
// calls the setter of every field whose value differs from the current export. "index" and "name" are
// never written. Returns the record index and whether any field changed.
struct RecordImport {
    int index;
    bool changed;
};
RecordImport importRecord(const Json &element, const Json &current, const std::string &path,
                          const std::map<std::string, FieldSetter> &setters);

// Imports an array of records of one kind against its current export.
// Builds the setters of record index; current is that record's export before any write, so nested
// setters can write only the parts that differ.
// element is the imported record itself, for fields that make one byte together.
using RecordSetters =
    std::function<std::map<std::string, FieldSetter>(int index, const Json &current, const Json &element)>;
bool importRecords(const Json &records, const Json &currentRecords, const std::string &kind, const RecordSetters &setters);

} // namespace json_support
} // namespace talvek
