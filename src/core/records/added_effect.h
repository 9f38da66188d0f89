#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvek {

// The added-effect byte shared by weapon records and the monster tables: one effect, and for the two
// ailment effects the ailments as further bits.
enum AddedEffectEntry { Nothing, PermanentAilment, TemporaryAilment, DrainHp, DrainMp, RipperDagger, Healing };

inline constexpr std::array<std::string_view, 7> kAddedEffectLabels{
    {"Nothing", "Inflict permanent ailment", "Inflict temporary ailment", "Drain HP", "Drain MP",
     "Ripper dagger effect", "Healing"}};
// The seven ailment boxes carry bits 0x02 to 0x80; a temporary effect hides the first box.
inline constexpr std::array<std::string_view, 7> kPermanentAilmentLabels{
    {"Blind", "Envenom", "Curse", "Amnesia", "Toad", "Petrify", "Death"}};
inline constexpr std::array<std::string_view, 7> kTemporaryAilmentLabels{
    {"", "Poison", "Sleep", "Mute", "Mini", "Paralysis", "Confusion"}};
inline constexpr int kAilmentBoxCount = 7;

struct AddedEffect {
    int entry = Nothing;
    // The check state each box gets from the byte; none where the entry leaves a box as it was.
    std::array<std::optional<bool>, kAilmentBoxCount> boxes{};
};

// First match wins: 0x01 permanent (boxes from 0x02 to 0x80), 0x02 temporary (boxes 2 to 7 from 0x04 to
// 0x80), then 0x04, 0x08, 0x10, 0x20; no bit of these: Nothing.
[[nodiscard]] AddedEffect decodeAddedEffect(std::uint8_t byte);
// The byte for an entry and the shown boxes (boxes an entry hides contribute nothing).
[[nodiscard]] std::uint8_t encodeAddedEffect(int entry, const std::array<bool, kAilmentBoxCount> &boxes);
[[nodiscard]] bool boxShown(int entry, int box);
[[nodiscard]] std::string_view ailmentLabel(int entry, int box);

// JSON form: the entry label and the ailment labels, or the byte itself where decoding and encoding would
// not give it back (0x40 alone, say).
[[nodiscard]] bool addedEffectIsCanonical(std::uint8_t byte);
[[nodiscard]] std::vector<std::string> ailmentLabelsOf(std::uint8_t byte);
// The byte for a label and ailment labels; nothing when a label is unknown.
[[nodiscard]] std::optional<std::uint8_t> addedEffectOfLabels(const std::string &effect,
                                                              const std::vector<std::string> &ailments);

} // namespace talvek
