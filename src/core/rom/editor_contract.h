#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "rom_image.h"

namespace talvek {

// The nine editors the main window launches, in the order of their buttons' ids.
enum class EditorKind { Armor, Character, Monster, Spells, Weapon, Text, Shop, Font, Formation };

struct EditorInfo {
    EditorKind kind;
    std::string_view caption;      // the main window's button
    std::string_view gbaRefusal;   // shown instead of opening on a 16 MiB image
};

inline constexpr std::array<EditorInfo, 9> kEditors{{
    {EditorKind::Armor, "Armor Editor", "New gear?!"},
    {EditorKind::Character, "Character Editor", "Haven't even found this yet."},
    {EditorKind::Monster, "Monster Editor", "New monsters?!"},
    {EditorKind::Spells, "Spells Editor", "Whoa! Spells don't suck!"},
    {EditorKind::Weapon, "Weapon Editor", "That'd be nice, huh?"},
    {EditorKind::Text, "Text Editor", "This could potentially be the easiest to find."},
    {EditorKind::Shop, "Shop Editor", "I'm not that smart yet."},
    {EditorKind::Font, "Font Editor", "The font looks compressed, as do all the graphics. *sigh*"},
    {EditorKind::Formation, "Formation Editor", "*sigh*"},
}};

[[nodiscard]] const EditorInfo &editorInfo(EditorKind kind);

// Why an editor may not open on this image, or nothing when it may. A 16 MiB image gets the editor's
// own message; an image too small for the fixed layout gets a message naming both sizes.
[[nodiscard]] std::optional<std::string> editorRefusal(EditorKind kind, const RomImage &image);

} // namespace talvek
