#pragma once

#include <array>
#include <vector>

#include "place.h"
#include "records/ai_list.h"
#include "records/monster_record.h"

namespace talvek {

class RomImage;
class TextTable;

// Where each item id, AI record and monster is used, read once from an image through the record code the
// editors and the export share. Places are listed in the export's order of kinds and records.
class CrossReferences {
public:
    static constexpr int kFirstItem = 1;
    static constexpr int kLastItem = 191;

    [[nodiscard]] static CrossReferences build(const RomImage &image, const TextTable &table);

    // Shop slots, spoils-set drops (with the monsters that drop them) and character equipment.
    [[nodiscard]] const std::vector<Place> &usesOfItem(int itemId) const;
    // Weapons that cast it and monster scripts that attack with it (with the monsters that run them).
    [[nodiscard]] const std::vector<Place> &usesOfAiRecord(int record) const;
    // Monster-set slots (with the formations that use the set).
    [[nodiscard]] const std::vector<Place> &usesOfMonster(int monster) const;

private:
    std::array<std::vector<Place>, kLastItem + 1> items_;
    std::array<std::vector<Place>, ai_list::kRecordCount> aiRecords_;
    std::array<std::vector<Place>, monster::kRecordCount> monsters_;
};

} // namespace talvek
