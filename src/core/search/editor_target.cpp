#include "editor_target.h"

#include <array>
#include <string_view>

#include "text/text_groups.h"

namespace talvek {

namespace {

struct KindEditor {
    std::string_view kind;
    EditorKind editor;
    bool throughUsers; // a shared entry: opens at its first user
};

constexpr std::array<KindEditor, 11> kKindEditors{{
    {"armor", EditorKind::Armor, false},
    {"characters", EditorKind::Character, false},
    {"weapons", EditorKind::Weapon, false},
    {"spells", EditorKind::Spells, false},
    {"ai_list", EditorKind::Spells, false},
    {"monsters", EditorKind::Monster, false},
    {"ai_scripts", EditorKind::Monster, true},
    {"spoils_sets", EditorKind::Monster, true},
    {"shops", EditorKind::Shop, false},
    {"formations", EditorKind::Formation, false},
    {"monster_sets", EditorKind::Formation, true},
}};

} // namespace

std::optional<EditorTarget> editorTargetOf(const Place &place)
{
    if (place.isText())
        return EditorTarget{EditorKind::Text, place.index, place.entry, false};
    for (const KindEditor &k : kKindEditors) {
        if (k.kind != place.kind)
            continue;
        if (k.throughUsers)
            return place.users.empty() ? std::nullopt
                                       : std::optional(EditorTarget{k.editor, place.users.front(), 0, false});
        return EditorTarget{k.editor, place.index, 0, place.kind == "ai_list"};
    }
    return std::nullopt;
}

std::string whereOf(const Place &place)
{
    if (place.isText())
        return "Text Editor, " + std::string(kTextGroups.at(static_cast<std::size_t>(place.index)).name) + " "
            + std::to_string(place.entry);
    const auto target = editorTargetOf(place);
    if (!target || !place.usersKind.empty()) // a shared entry is known by its own kind
        return describePlace(place);
    return std::string(editorInfo(target->kind).caption) + " " + std::to_string(place.index);
}

} // namespace talvek
