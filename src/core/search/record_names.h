#pragma once

#include <string>
#include <vector>

namespace talvek {

class RomImage;
class TextTable;

// The names the editors list and the export writes for each named record kind, in the export's order.
struct NamedKind {
    std::string kind; // the export's key
    std::vector<std::string> names;
};
[[nodiscard]] std::vector<NamedKind> recordNames(const RomImage &image, const TextTable &table);

// The export's name of record index of kind, or "" for a kind without names; for lines that name a record.
class RecordNameCache {
public:
    RecordNameCache(const RomImage &image, const TextTable &table) : kinds_(recordNames(image, table)) {}
    [[nodiscard]] std::string nameOf(const std::string &kind, int index) const;

private:
    std::vector<NamedKind> kinds_;
};

} // namespace talvek
