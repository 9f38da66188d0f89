#include "json_support.h"

namespace talvek::json_support {

std::string printed(const Json &value)
{
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::int64_t asInteger(const Json &value, const std::string &path)
{
    if (!value.is_number_integer())
        throw ImportError(path + ": expected an integer");
    return value.is_number_unsigned() && value.get<std::uint64_t>() > static_cast<std::uint64_t>(INT64_MAX)
        ? INT64_MAX
        : value.get<std::int64_t>();
}

bool asBool(const Json &value, const std::string &path)
{
    if (!value.is_boolean())
        throw ImportError(path + ": expected true or false");
    return value.get<bool>();
}

const Json &asArray(const Json &value, const std::string &path)
{
    if (!value.is_array())
        throw ImportError(path + ": expected an array");
    return value;
}

const Json &asArray(const Json &value, const std::string &path, std::size_t size)
{
    if (!value.is_array() || value.size() != size)
        throw ImportError(path + ": expected an array of " + std::to_string(size));
    return value;
}

const Json &asObject(const Json &value, const std::string &path)
{
    if (!value.is_object())
        throw ImportError(path + ": expected an object");
    return value;
}

std::vector<std::string> asStrings(const Json &value, const std::string &path)
{
    std::vector<std::string> strings;
    for (const auto &item : asArray(value, path)) {
        if (!item.is_string())
            throw ImportError(path + ": expected an array of labels");
        strings.push_back(item.get<std::string>());
    }
    return strings;
}

std::int64_t checkedIndex(const Json &value, const std::string &path, int count)
{
    const auto index = asInteger(value, path);
    if (index < 0 || index >= count)
        throw ImportError(path + ": no entry " + std::to_string(index) + " (0 to " + std::to_string(count - 1) + ")");
    return index;
}

bool differs(const Json &value, const Json &current, const std::string &key)
{
    return !current.is_object() || !current.contains(key) || current.at(key) != value;
}

bool differs(const Json &value, const Json &current, std::size_t index)
{
    return !current.is_array() || index >= current.size() || current.at(index) != value;
}

Json choiceToJson(std::uint8_t byte, const IdList &list, const LabelAt &labelAt)
{
    const auto position = list.positionOf(byte);
    if (!position)
        return byte;
    if (*position == 0)
        return nullptr;
    return labelAt(*position);
}

std::uint8_t choiceFromJson(const Json &value, const IdList &list, const LabelAt &labelAt, const std::string &path)
{
    if (value.is_null())
        return list.noneByte;
    if (value.is_number_integer()) {
        const auto byte = asInteger(value, path);
        if (byte < 0 || byte > 0xFF)
            throw ImportError(path + ": a stored byte must be 0 to 255");
        return static_cast<std::uint8_t>(byte);
    }
    if (!value.is_string())
        throw ImportError(path + ": expected a name, null or a byte");
    for (int position = 1; position <= list.count; ++position)
        if (labelAt(position) == value.get<std::string>())
            return list.byteAt(position);
    throw ImportError(path + ": no entry named \"" + value.get<std::string>() + "\"");
}

RecordImport importRecord(const Json &element, const Json &current, const std::string &path,
                          const std::map<std::string, FieldSetter> &setters)
{
    asObject(element, path);
    bool changed = false;
    for (const auto &[key, value] : element.items()) {
        if (key == "index" || key == "name")
            continue;
        const auto setter = setters.find(key);
        if (setter == setters.end())
            throw ImportError(path + ": unknown field \"" + key + "\"");
        if (current.contains(key) && current.at(key) == value)
            continue;
        setter->second(value, path + "." + key);
        changed = true;
    }
    return {static_cast<int>(asInteger(element.at("index"), path + ".index")), changed};
}

bool importRecords(const Json &records, const Json &currentRecords, const std::string &kind, const RecordSetters &setters)
{
    bool changed = false;
    const int count = static_cast<int>(currentRecords.size());
    std::size_t position = 0;
    for (const auto &element : asArray(records, kind)) {
        const std::string path = kind + "[" + std::to_string(position++) + "]";
        asObject(element, path);
        if (!element.contains("index"))
            throw ImportError(path + ": missing \"index\"");
        const auto index = asInteger(element.at("index"), path + ".index");
        if (index < 0 || index >= count)
            throw ImportError(path + ".index: no record " + std::to_string(index));
        const Json &current = currentRecords.at(static_cast<std::size_t>(index));
        const auto result = importRecord(element, current, path, setters(static_cast<int>(index), current, element));
        changed = changed || result.changed;
    }
    return changed;
}

} // namespace talvek::json_support
