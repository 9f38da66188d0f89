#pragma once

#include <array>
#include <string_view>

namespace talvek {

// One-line jokes; the formation editor shows entry r mod 30 of them (the last one is never shown).
inline constexpr std::array<std::string_view, 31> kTaglines{{
    "Mind the pointy end, hero.",
    "Keep your eyes on the map, captain",
    "Now with 30% more goblins.",
    "Batteries not included.",
    "Side effects may include levelling up.",
    "The Emperor called. He wants his army back.",
    "Please keep your hands inside the airship.",
    "No chocobos were harmed in this formation.",
    "Some assembly required.",
    "Objects in the mirror are closer than they appear.",
    "Results may vary.",
    "Do not feed the Behemoth.",
    "Contents under pressure.",
    "Warranty void if opened.",
    "This side up.",
    "Not a drill. Well, maybe a drill.",
    "Serving suggestion only.",
    "Mind the gap between the monsters.",
    "Now in glorious 2 bits per pixel.",
    "Exact change only.",
    "Wipe your feet before entering the dungeon.",
    "Caution: floor may be lava.",
    "Past performance is no guarantee of future loot.",
    "Handle with oven mitts.",
    "Best before the end of the world.",
    "Ask your healer if Cure is right for you.",
    "Keep out of reach of imps.",
    "Please take a number.",
    "Your call is important to us.",
    "Shake well before battle.",
    "Congratulations, you found the secret tagline.",
}};

} // namespace talvek
