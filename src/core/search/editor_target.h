#pragma once

#include <optional>
#include <string>

#include "place.h"
#include "rom/editor_contract.h"

namespace talvek {

// Which editor shows a place, and where in it: record (or text group) and entry. An AI record opens in the
// spells editor's AI list.
struct EditorTarget {
    EditorKind kind = EditorKind::Armor;
    int record = 0;
    int entry = 0;
    bool aiRecord = false;
    friend bool operator==(const EditorTarget &, const EditorTarget &) = default;
};

// The editor of a place: a shared entry opens at the first record that uses it (a spoils set at its first
// monster, a monster set at its first formation); nothing when no record uses it or no editor shows it.
[[nodiscard]] std::optional<EditorTarget> editorTargetOf(const Place &place);

// Where a place is, for a person: "Weapon Editor 1" or "Text Editor, Weapons 0".
[[nodiscard]] std::string whereOf(const Place &place);

} // namespace talvek
