#pragma once

#include <string>
#include <utility>
#include <vector>

namespace talvek {

// A place in the image in the export's terms: a record's field (`shops 3 "Poft - Weapon" slots.2.item`), a
// shared entry with the records that reach it (`spoils_sets 12 4 (monsters 5, 17)`), or a text entry.
struct Place {
    std::string kind;      // the export's key ("shops", "monster_sets"), or "text"
    int index = 0;         // the record's position in its kind, or the text group
    int entry = 0;         // the text entry (text places only)
    std::string name;      // the record's name where the export lists one
    std::string path;      // the field, dotted as the export names it; empty for the whole record
    std::string usersKind; // for a shared entry: the kind of the records that use it
    std::vector<int> users;

    [[nodiscard]] static Place record(std::string kind, int index, std::string name = {}, std::string path = {})
    {
        Place place;
        place.kind = std::move(kind);
        place.index = index;
        place.name = std::move(name);
        place.path = std::move(path);
        return place;
    }
    [[nodiscard]] static Place text(int group, int entry)
    {
        Place place;
        place.kind = "text";
        place.index = group;
        place.entry = entry;
        return place;
    }

    [[nodiscard]] bool isText() const { return kind == "text"; }
    friend bool operator==(const Place &, const Place &) = default;
};

// The place as one line: KIND INDEX "NAME" PATH (USERS), or "text GROUP ENTRY".
[[nodiscard]] std::string describePlace(const Place &place);

} // namespace talvek
