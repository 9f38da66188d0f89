#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "record_fields.h"
#include "rom/rom_image.h"

namespace talvek::spell {

// 70 records of 7 bytes at 0x305E9: type, accuracy modifier, power, elements, status ailments (bits 1 to 7),
// battle palette, animation.
inline constexpr std::int64_t kTableOffset = 0x305E9;
inline constexpr int kRecordSize = 7;
inline constexpr int kRecordCount = 70;
enum Byte { Type = 0, AccuracyModifier, Power, Elements, Status, Palette, Animation };

inline constexpr std::array<std::string_view, 34> kTypeLabels{{
    "???", "Damage", "Healing effect", "Inflicts permanent ailment", "Inflicts temporary ailment", "Reduces hits",
    "Adds hits", "Affects morale", "Cures permanent ailment", "Cures temporary ailment", "Raises defense",
    "Adds elemental defense", "Adds elemental attack", "Lowers elemental defense", "Adds evade", "Adds magic defense",
    "Ressurection", "MP * 50%", "HP <-> MP", "Drain HP", "Drain MP", "Adds attack power", "Cancel low level magic",
    "???", "Damage (Tnad, Wave, Quake)", "???", "???", "Elixir", "Damage (Ultima)", "Explode", "Restore MP", "???",
    "???", "Damage (Rock, Bow, Meteo)"}};
inline constexpr int kPermanentAilmentType = 0x03;
inline constexpr int kTemporaryAilmentType = 0x04;

// Status boxes 0 to 6 carry bits 1 to 7.
inline constexpr int kStatusBoxCount = 7;
[[nodiscard]] bool statusBoxShown(std::optional<int> type, int box);
[[nodiscard]] std::string_view statusBoxLabel(std::optional<int> type, int box);
[[nodiscard]] bool statusGroupShown(std::optional<int> type);
// "Spell power:" for the damage and healing types, "Unknown:" otherwise.
[[nodiscard]] std::string_view powerLabel(std::optional<int> type);

[[nodiscard]] constexpr std::int64_t recordOffset(int s) { return kTableOffset + kRecordSize * s; }

struct SpellForm {
    std::optional<int> type; // none: the byte has no row and is kept
    Typed accuracyModifier; // none: the stored byte is kept, as for the animation
    Typed power;
    std::uint8_t elements = 0;
    std::array<bool, kStatusBoxCount> status{};
    int palette = 0;
    Typed animation;
};

[[nodiscard]] SpellForm read(const RomImage &image, int s);
[[nodiscard]] std::array<bool, kStatusBoxCount> statusBoxes(std::uint8_t statusByte);
// Numbers clamped to 0..255; bit 0 of the status byte is cleared.
void store(RomImage &image, int s, const SpellForm &form);

} // namespace talvek::spell
