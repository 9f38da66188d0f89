#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rom/editor_contract.h"
#include "rom/rom_image.h"

namespace talvek {

// A named run of bytes an editor may write. Offsets are buffer indexes (RomBase applied), end exclusive.
struct MapRegion {
    enum class Type {
        Table,     // fixed records or values: no two tables overlap unless the game shares the bytes
        TextReach, // as far as a text group's 16-bit pointers and the longest editable text can reach
    };
    std::string name;         // "armour records", "gil amounts", "Dialogue 1 text"
    std::string kind;         // the export key whose values these bytes are ("armor"); "text" for the texts
    std::int64_t start = 0;
    std::int64_t end = 0;
    Type type = Type::Table;
    std::vector<std::string> alsoReadBy; // other export keys that show these bytes as their own values

    [[nodiscard]] bool contains(std::int64_t index) const { return index >= start && index < end; }
};

// What each editor, and the command line's import, may write in an image: the same offsets the record code
// reads and writes, stated once and named. Regions are clipped to the image; a region wholly past its end
// is left out.
class ImageMap {
public:
    explicit ImageMap(const RomImage &image);

    [[nodiscard]] const std::vector<MapRegion> &regions() const { return regions_; }

    // The regions an editor's Save may change; none for the font and graphics viewers, which never write.
    // Copies, so they outlive the map.
    [[nodiscard]] std::vector<MapRegion> writableBy(EditorKind editor) const;
    // The regions `import` may change: every record kind and shared table of the export.
    [[nodiscard]] std::vector<MapRegion> writableByImport() const;

    // The table holding a byte (a text reach only when no table does), or nullptr.
    [[nodiscard]] const MapRegion *regionAt(std::int64_t index) const;

private:
    void add(std::string name, std::string kind, std::int64_t gameStart, std::int64_t size,
             std::vector<std::string> alsoReadBy = {}, MapRegion::Type type = MapRegion::Type::Table);

    std::int64_t romBase_;
    std::int64_t imageSize_;
    std::vector<MapRegion> regions_;
};

// True when every index lies in one of the regions.
[[nodiscard]] bool allWithin(const std::vector<std::int64_t> &indexes, const std::vector<MapRegion> &regions);

} // namespace talvek
