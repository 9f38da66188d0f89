#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rom/release_signatures.h"
#include "text/text_table.h"

namespace talvek {

enum class SampleKind { Standard, Combo, Prototype, Gba };

[[nodiscard]] std::optional<SampleKind> sampleKindFromName(std::string_view name);

// Builds the synthetic sample image: the exact layout of a Final Fantasy II image with our own
// content, every pointer valid, texts encoded with the given (shipped standard DTE) table.
class SampleImageBuilder {
public:
    explicit SampleImageBuilder(const TextTable &dteTable);

    [[nodiscard]] std::vector<std::uint8_t> build(SampleKind kind) const;

    // Writes a release's header key and title key (and, for the prototype, its whole 16-byte title).
    static void stampRelease(std::vector<std::uint8_t> &bytes, std::int64_t romBase, Release release);

private:
    // Writes the game data of one Final Fantasy II image at romBase.
    void writeGameData(std::vector<std::uint8_t> &bytes, std::int64_t romBase) const;
    void writeNames(std::vector<std::uint8_t> &bytes, std::int64_t romBase) const;
    void writeArmor(std::vector<std::uint8_t> &bytes, std::int64_t romBase) const;
    void writeCharacters(std::vector<std::uint8_t> &bytes, std::int64_t romBase) const;
    static void writeGraphics(std::vector<std::uint8_t> &bytes, std::int64_t romBase);
    void writeBankC010Names(std::vector<std::uint8_t> &bytes, std::int64_t romBase) const;
    void writeDialogue(std::vector<std::uint8_t> &bytes, std::int64_t romBase) const;
    static void writeWeaponsAndSpells(std::vector<std::uint8_t> &bytes, std::int64_t romBase);
    static void writeMonsters(std::vector<std::uint8_t> &bytes, std::int64_t romBase);
    static void writeShopsAndFormations(std::vector<std::uint8_t> &bytes, std::int64_t romBase);

    const TextTable &dteTable_;
};

} // namespace talvek
