#include "sample_image_builder.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "graphics/battle_palettes.h"
#include "graphics/viewer_pictures.h"
#include "records/ai_list.h"
#include "records/armor_record.h"
#include "records/formation_record.h"
#include "records/monster_record.h"
#include "records/shop_record.h"
#include "records/spell_record.h"
#include "records/weapon_record.h"
#include "records/character_record.h"
#include "rom/rom_image.h"
#include "rom/size_class.h"
#include "sample_font.h"
#include "sample_names.h"
#include "sample_text_area.h"
#include "text/keyword_list.h"
#include "text/text_codec.h"

namespace talvek {
namespace {

// Header bytes 0 to 5: "NES", 0x1A, 16 PRG banks of 16 KiB, no CHR banks.
void writeInesHeader(std::vector<std::uint8_t> &bytes, std::uint8_t prgBanks)
{
    const std::uint8_t header[] = {'N', 'E', 'S', 0x1A, prgBanks, 0};
    std::copy(std::begin(header), std::end(header), bytes.begin());
}

void writeAscii(std::vector<std::uint8_t> &bytes, std::int64_t at, std::string_view text)
{
    std::copy(text.begin(), text.end(), bytes.begin() + at);
}

} // namespace

std::optional<SampleKind> sampleKindFromName(std::string_view name)
{
    if (name == "standard")
        return SampleKind::Standard;
    if (name == "combo")
        return SampleKind::Combo;
    if (name == "prototype")
        return SampleKind::Prototype;
    if (name == "gba")
        return SampleKind::Gba;
    return std::nullopt;
}

SampleImageBuilder::SampleImageBuilder(const TextTable &dteTable) : dteTable_(dteTable) {}

std::vector<std::uint8_t> SampleImageBuilder::build(SampleKind kind) const
{
    switch (kind) {
    case SampleKind::Gba: {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(kGbaImageSize), 0);
        writeAscii(bytes, kGbaKeyOffset, kGbaSignature);
        return bytes;
    }
    case SampleKind::Combo: {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(kComboImageSize), 0);
        writeInesHeader(bytes, 32);
        // The Final Fantasy 1 half: a recognisable pattern that no edit may touch.
        for (std::int64_t i = 0x10; i < kComboRomBase + 0x10; ++i)
            bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((i * 7) ^ (i >> 8));
        writeGameData(bytes, kComboRomBase);
        writeAscii(bytes, kComboRomBase + 0x3FFF0, "FINAL FANTASY1/2");
        stampRelease(bytes, kComboRomBase, Release::ComboTranslation);
        return bytes;
    }
    case SampleKind::Prototype:
    case SampleKind::Standard: break;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(kFf2ImageSize), 0);
    writeInesHeader(bytes, 16);
    writeGameData(bytes, 0);
    if (kind == SampleKind::Prototype) {
        stampRelease(bytes, 0, Release::Prototype);
    } else {
        writeAscii(bytes, 0x3FFF0, "2 BET");
        stampRelease(bytes, 0, Release::VarnV103);
    }
    return bytes;
}

void SampleImageBuilder::stampRelease(std::vector<std::uint8_t> &bytes, std::int64_t romBase, Release release)
{
    const ReleaseSignature &signature = signatureOf(release);
    bytes.at(kHeaderKeyOffset) = signature.headerByte6;
    for (std::size_t i = 1; i < kHeaderKeyLength; ++i)
        bytes.at(kHeaderKeyOffset + i) = signature.headerBytes7to15.empty()
            ? 0
            : static_cast<std::uint8_t>(signature.headerBytes7to15[i - 1]);
    if (release == Release::Prototype)
        writeAscii(bytes, romBase + kPrototypeSignatureOffset, kPrototypeSignature);
    writeAscii(bytes, romBase + kTitleKeyOffset, signature.titleKey);
}

void SampleImageBuilder::writeGameData(std::vector<std::uint8_t> &bytes, std::int64_t romBase) const
{
    writeNames(bytes, romBase);
    writeBankC010Names(bytes, romBase);
    writeDialogue(bytes, romBase); // after the names: dialogue refers to them as keywords
    writeArmor(bytes, romBase);
    writeCharacters(bytes, romBase);
    writeGraphics(bytes, romBase);
    writeWeaponsAndSpells(bytes, romBase);
    writeMonsters(bytes, romBase);
    writeShopsAndFormations(bytes, romBase); // after the weapons: the quantity sets end on their palette bytes
}

void SampleImageBuilder::writeShopsAndFormations(std::vector<std::uint8_t> &bytes, std::int64_t romBase)
{
    auto put = [&](std::int64_t offset, int value) {
        bytes[static_cast<std::size_t>(romBase + offset)] = static_cast<std::uint8_t>(value);
    };
    auto putWord = [&](std::int64_t offset, int value) {
        put(offset, value & 0xFF);
        put(offset + 1, value >> 8);
    };
    // Shops: four items each, prices shared between shops.
    for (int s = 0; s < shop::kRecordCount; ++s)
        for (int k = 0; k < shop::kSlotCount; ++k) {
            put(shop::recordOffset(s) + 2 * k, 1 + (s * 7 + k * 3) % shop::kItemEntries);
            put(shop::recordOffset(s) + 2 * k + 1, shop::kPriceCodeBase + (s * 4 + k) % 40);
        }
    put(shop::recordOffset(3) + 6, 0x00);  // an empty slot
    put(shop::recordOffset(4) + 4, 0xC3);  // an item byte past the list
    put(shop::recordOffset(5) + 3, 0x20);  // a price code below 0xC0
    for (int p = 0; p < shop::kBuyPriceCount; ++p)
        putWord(shop::kBuyPrices + 2 * p, 10 * (p + 1) * (p + 1));
    for (int id = 0; id < shop::kSellPriceCount; ++id)
        putWord(shop::kSellPrices + 2 * id, 5 * id + 1);

    // Formations: shared monster and quantity sets, palettes, extra bytes.
    using namespace formation;
    for (int f = 0; f < formation::kRecordCount; ++f) {
        const std::int64_t at = formation::recordOffset(f);
        put(at + Flags, (f % 16) << 4 | (f % 5));
        put(at + 1, 0x11 * (f % 15));
        put(at + 2, f);
        put(at + Palette1, f % 128);
        put(at + Palette2, (f * 3 + 1) % 128);
        put(at + MonsterSet, f % kMonsterSetCount);
        put(at + QuantitySet1, f % kQuantitySetCount);
        put(at + QuantitySet2, (f * 5) % kQuantitySetCount);
        put(kExtraBytes + f, (f * 17) & 0xFF);
    }
    for (int m = 0; m < kMonsterSetCount; ++m)
        for (int k = 0; k < kEnemyCount; ++k)
            put(kMonsterSets + 4 * m + k, (m * 2 + k * 31) % kMonsterCount);
    put(kMonsterSets + 4 * 7 + 3, 0xFF); // no fourth enemy
    // The last ten quantity bytes are the weapon palette numbers of positions 0 to 9.
    for (int q = 0; q < kQuantitySetCount; ++q)
        for (int k = 0; k < kEnemyCount; ++k) {
            const std::int64_t offset = kQuantitySets + 4 * q + k;
            if (offset < 0x2CD8E)
                put(offset, ((1 + (q + k) % 8) << 4) | (k == 0 ? 1 : 0));
        }
}

void SampleImageBuilder::writeMonsters(std::vector<std::uint8_t> &bytes, std::int64_t romBase)
{
    using namespace monster;
    auto put = [&](std::int64_t offset, int value) {
        bytes[static_cast<std::size_t>(romBase + offset)] = static_cast<std::uint8_t>(value);
    };
    auto putWord = [&](std::int64_t offset, int value) {
        put(offset, value & 0xFF);
        put(offset + 1, value >> 8);
    };
    for (int m = 0; m < kRecordCount; ++m) {
        const std::int64_t at = recordOffset(m);
        put(at, m % 5 == 4 ? 0xFF : m % kScriptCount); // most monsters fight by a script
        put(at + 1, m % 20);        // several monsters on one HP index
        put(at + 2, (m * 3) % 32);
        for (int b = 3; b < 10; ++b)
            put(at + b, ((m * 7 + b * 3) % 16) << 4 | ((m * 5 + b) % 16));
        put(kSpoilsSetNumbers + m, m % kSpoilsSetCount);
    }
    put(recordOffset(127), 0x40);          // an AI byte that names no script
    put(recordOffset(126) + 1, 40);        // an HP index past the table
    put(kSpoilsSetNumbers + 125, 70);      // a spoils set past the table

    // Small values for the common monsters, five digits for the strongest (indexes 16 and up).
    for (int i = 0; i < kHpMpCount; ++i)
        putWord(kHpMpValues + 2 * i, i < 16 ? 100 + 150 * i : 10000 + 3000 * (i - 16));
    static constexpr std::uint8_t kEffects[kSmallTableCount] = {0x00, 0x03, 0x06, 0x04, 0x08, 0x40, 0x10, 0x20,
                                                                0x81, 0x1E, 0x00, 0x00, 0x05, 0x00, 0x0A, 0x00};
    for (int i = 0; i < kSmallTableCount; ++i) {
        put(kHitsBlocksMagDef + i, 1 + i);
        put(kAccuracyEvadeMagEva + i, 10 + 5 * i);
        put(kStrengthDefenseMorale + i, 3 + 7 * i);
        put(kAddedEffects + i, kEffects[i]);
        put(kRaceSets + i, i == 0 ? 0 : 1 << (i % 8));
        put(kResistSets + i, (i * 37) & 0xFF);
        put(kAbsorbWeaknessSets + i, (i * 91) & 0xFF);
    }
    for (int s = 0; s < kScriptCount; ++s)
        for (int i = 0; i < kAttacksPerScript; ++i)
            put(kScripts + 8 * s + i, i == 0 ? 0 : (s * 11 + i * 17) % kAttackEntries);
    for (int set = 0; set < kSpoilsSetCount; ++set)
        for (int i = 0; i < kDropsPerSet; ++i)
            put(kSpoilsSets + 8 * set + i, i == 7 ? 0xF0 | (set % 16) : (set * 13 + i * 29) % 192);
    put(kSpoilsSets + 0, 0xC5);  // gil in the old form: saved as 0xF5
    put(kSpoilsSets + 1, 0x00);  // "Nothing"
    put(kSpoilsSets + 2, 0xBF);  // the last item
    for (int i = 0; i < kGilAmountCount; ++i)
        putWord(kGilAmounts + 2 * i, 10 * (i + 1) * (i + 1));
}

void SampleImageBuilder::writeWeaponsAndSpells(std::vector<std::uint8_t> &bytes, std::int64_t romBase)
{
    auto put = [&](std::int64_t offset, int value) {
        bytes[static_cast<std::size_t>(romBase + offset)] = static_cast<std::uint8_t>(value);
    };
    // Weapons: every type, every added-effect shape, spells cast from the AI list.
    static constexpr std::uint8_t kEffects[] = {0x00, 0x03, 0x06, 0x40, 0x04, 0x08, 0x10, 0x20, 0x81, 0x1E};
    for (int i = 0; i < weapon::kRecordCount; ++i) {
        const std::int64_t at = weapon::recordOffset(i);
        static constexpr int kTypeOfKind[] = {2, 5, 6, 4, 3, 1, 7}; // knives ... bows, as the names go
        put(at + weapon::Type, i == 0 ? 0 : kTypeOfKind[(i - 1) / 9]);
        put(at + weapon::Accuracy, 50 + i % 50);
        put(at + weapon::AttackPower, i * 4);
        put(at + weapon::Evade, (i * 3) % 40);
        put(at + weapon::IntSoulPenalty, i % 7 == 0 ? i : 0);
        put(at + weapon::Elements, i % 5 == 0 ? (1 << (i % 8)) : 0);
        put(at + weapon::Races, i % 6 == 0 ? (0x80 >> (i % 8)) : 0);
        put(at + weapon::Effect, kEffects[i % std::size(kEffects)]);
        put(at + weapon::CastSpell, i % 4 == 0 ? i : 0xFF);
        if (i >= weapon::kFirstOwnPalette)
            put(weapon::kPaletteNumbers + i, (i * 5) % kBattlePaletteCount);
    }
    put(weapon::recordOffset(63) + weapon::CastSpell, 0x90); // past the AI list: no entry

    // Spells: type, accuracy, power, elements, status bits, palette, animation.
    for (int s = 0; s < spell::kRecordCount; ++s) {
        const std::int64_t at = spell::recordOffset(s);
        put(at + spell::Type, s % 34);
        put(at + spell::AccuracyModifier, 20 + s);
        put(at + spell::Power, 5 * s);
        put(at + spell::Elements, 1 << (s % 8));
        put(at + spell::Status, 0);
        put(at + spell::Palette, (s * 3) % kBattlePaletteCount);
        put(at + spell::Animation, s + 0x10);
    }
    put(spell::recordOffset(3) + spell::Status, 0x82);  // permanent: Blind and Death
    put(spell::recordOffset(4) + spell::Status, 0x06);  // temporary: the hidden bit 1 and Poison
    put(spell::recordOffset(5) + spell::Status, 0x01);  // bit 0 has no box
    put(spell::recordOffset(69) + spell::Type, 0x25);   // a type with no row

    // The AI list: spells 1 to 70 with levels, some unused and one byte 0. Every spell byte names a spell, so
    // every editor opens on the sample without a message; tests that need a broken record make it on a copy.
    for (int j = 0; j < ai_list::kRecordCount; ++j) {
        const std::int64_t at = ai_list::recordOffset(j);
        put(at + ai_list::Spell, j % 9 == 8 ? 0xFF : 1 + j % 70);
        put(at + ai_list::Level, 1 + j % 16);
        put(at + ai_list::Accuracy, 50 + j % 51);
        put(at + ai_list::Targeting, 1 + j % 6);
        put(at + ai_list::ConsumptionRate, j % 101);
    }
    put(ai_list::recordOffset(10) + ai_list::Spell, 0x00);
    put(ai_list::recordOffset(30) + ai_list::Targeting, 0);
}

namespace {

// Our own 32 x 32 hero for the character sprite: outline 1, clothes 2, skin 3.
int heroPixel(int x, int y)
{
    const int dx = x - 16, dy = y - 8;
    const int head = dx * dx + dy * dy;
    if (head <= 25)
        return 3;
    if (head <= 36)
        return 1;
    if (x >= 10 && x <= 21 && y >= 14 && y <= 25)
        return (x == 10 || x == 21 || y == 14 || y == 25) ? 1 : 2;
    if (((x >= 7 && x <= 9) || (x >= 22 && x <= 24)) && y >= 15 && y <= 22)
        return 3;
    if (((x >= 11 && x <= 14) || (x >= 17 && x <= 20)) && y >= 26 && y <= 31)
        return 1;
    return 0;
}

void writeTile(std::vector<std::uint8_t> &bytes, std::int64_t at, const std::array<std::uint8_t, 8> &plane0,
               const std::array<std::uint8_t, 8> &plane1)
{
    for (std::size_t r = 0; r < 8; ++r) {
        bytes[static_cast<std::size_t>(at) + r] = plane0[r];
        bytes[static_cast<std::size_t>(at) + 8 + r] = plane1[r];
    }
}

} // namespace

void SampleImageBuilder::writeGraphics(std::vector<std::uint8_t> &bytes, std::int64_t romBase)
{
    // Font: glyph pixels in value 3 with a value-1 shadow below right.
    for (std::size_t t = 0; t < sample::kFontGlyphs.size(); ++t) {
        const auto &glyph = sample::kFontGlyphs[t];
        std::array<std::uint8_t, 8> plane0{}, plane1{};
        for (std::size_t r = 0; r < 8; ++r) {
            const std::uint8_t shadow =
                static_cast<std::uint8_t>((r > 0 ? glyph[r - 1] >> 1 : 0) & ~glyph[r]);
            plane0[r] = static_cast<std::uint8_t>(glyph[r] | shadow);
            plane1[r] = glyph[r];
        }
        writeTile(bytes, romBase + kFontTiles + 16 * static_cast<std::int64_t>(t), plane0, plane1);
    }

    // The character sprite: 4 x 4 tiles, rows 0x40 apart.
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            std::array<std::uint8_t, 8> plane0{}, plane1{};
            for (int r = 0; r < 8; ++r)
                for (int k = 0; k < 8; ++k) {
                    const int value = heroPixel(8 * i + k, 8 * j + r);
                    plane0[static_cast<std::size_t>(r)] |= static_cast<std::uint8_t>((value & 1) << (7 - k));
                    plane1[static_cast<std::size_t>(r)] |= static_cast<std::uint8_t>(((value >> 1) & 1) << (7 - k));
                }
            writeTile(bytes, romBase + kCharacterSpriteTiles + 16 * i + 0x40 * j, plane0, plane1);
        }

    // Battle palettes with varied colours; palette 0x17 colours the sprite, 0x7F holds a byte of 0x40 or more.
    for (int p = 0; p < kBattlePaletteCount; ++p) {
        const std::uint8_t colors[3] = {static_cast<std::uint8_t>((p * 5 + 1) % 0x0D),
                                        static_cast<std::uint8_t>(0x10 + (p * 7) % 0x0D),
                                        static_cast<std::uint8_t>(0x20 + (p * 3) % 0x10)};
        for (int c = 1; c <= 3; ++c)
            bytes[static_cast<std::size_t>(romBase + battlePaletteOffset(p, c))] = colors[c - 1];
    }
    const std::uint8_t hero[3] = {0x07, 0x12, 0x37};
    for (int c = 1; c <= 3; ++c) {
        bytes[static_cast<std::size_t>(romBase + battlePaletteOffset(0x17, c))] = hero[c - 1];
    }
    bytes[static_cast<std::size_t>(romBase + battlePaletteOffset(0x7F, 3))] = 0x4A;
}

void SampleImageBuilder::writeBankC010Names(std::vector<std::uint8_t> &bytes, std::int64_t romBase) const
{
    constexpr std::int64_t kBank = 0xC010;
    SampleTextArea monsters(bytes, romBase, kBank, 0x12000, 0x13000, dteTable_);
    int n = 0;
    for (auto variant : sample::kMonsterVariants)
        for (auto kind : sample::kMonsterKinds)
            monsters.writePointed(0x16C54, n++, std::string(kind) + std::string(variant));

    SampleTextArea spells(bytes, romBase, kBank, 0x13000, 0x13400, dteTable_);
    n = 0;
    for (auto spell : sample::kSpellNames)
        spells.writePointed(0x170CB, n++, spell);
    for (auto skill : sample::kMonsterSkills)
        spells.writePointed(0x170CB, n++, skill);

    SampleTextArea messages(bytes, romBase, kBank, 0x13400, 0x14400, dteTable_);
    for (int m = 0; m < 99; ++m)
        messages.writePointed(0x172B7, m,
                              m < static_cast<int>(sample::kBattleMessages.size())
                                  ? std::string(sample::kBattleMessages[static_cast<std::size_t>(m)])
                                  : "Battle message " + std::to_string(m));
}

void SampleImageBuilder::writeDialogue(std::vector<std::uint8_t> &bytes, std::int64_t romBase) const
{
    // Encoded exactly as the text editor encodes: DTE pairs, keywords for names, a finger parameter.
    const KeywordList keywords = KeywordList::build(RomImage(bytes, {}), dteTable_);
    const EncodingIndex encoder(dteTable_, &keywords);
    auto keyword = [&](int k) { return keywords[static_cast<std::uint8_t>(k)]; };
    auto text = [&](int bank, int n) -> std::pair<std::string, std::uint8_t> {
        const int seed = n + 7 * bank;
        switch (seed % 5) {
        case 0: return {"Hello, traveller.\\nThis is house " + std::to_string(n) + ".", 0};
        case 1: return {"C1*: We need the " + keyword(241 + seed % 15) + ".\\nWhere is it?", 0};
        case 2: return {"[F]Yes\\n[F]No", static_cast<std::uint8_t>(1 + seed % 7)};
        case 3: return {"The " + keyword(1 + seed % 46) + " costs " + std::to_string(10 * n) + " gil.", 0};
        default: return {"Rest here.\\nThe road east is long.", 0};
        }
    };
    const struct {
        std::int64_t table, bankBase, begin, end;
        int entries;
    } banks[] = {{0x18010, 0x10010, 0x18210, 0x1C000, 256},
                 {0x28012, 0x20010, 0x29000, 0x2B900, 256},
                 {0x37F12, 0x2C010, 0x34000, 0x37F00, 80}};
    for (int bank = 0; bank < 3; ++bank) {
        const auto &b = banks[bank];
        SampleTextArea area(bytes, romBase, b.bankBase, b.begin, b.end, dteTable_);
        for (int n = 0; n < b.entries; ++n) {
            const auto [line, finger] = text(bank, n);
            area.writePointedBytes(b.table, n, encodeText(line, encoder, finger, true));
        }
    }

    SampleTextArea prologue(bytes, romBase, 0, 0x2B91A, 0x2BBAA, dteTable_);
    prologue.write(sample::kStandardPrologue);
    SampleTextArea prototypePrologue(bytes, romBase, 0, 0x2BBAA, 0x2C630, dteTable_);
    prototypePrologue.write(sample::kPrototypePrologue);
}

void SampleImageBuilder::writeArmor(std::vector<std::uint8_t> &bytes, std::int64_t romBase) const
{
    for (int k = 0; k < armor::kRecordCount; ++k) {
        const auto at = static_cast<std::size_t>(romBase + armor::recordOffset(k));
        bytes[at + armor::Defense] = static_cast<std::uint8_t>(k == 0 ? 0 : 1 + k * 3);
        bytes[at + armor::EvadePenalty] = static_cast<std::uint8_t>(k % 4 == 1 ? k / 2 : 0);
        bytes[at + armor::IntSoulPenalty] = static_cast<std::uint8_t>(k % 5 == 2 ? 10 + k : 0);
        bytes[at + armor::ElementalDefense] = static_cast<std::uint8_t>(k == 0 ? 0 : (1u << (k % 8)) | (k % 3 == 0 ? 0x22 : 0));
        // Mostly no boost; a few of each, one Magic power and one byte the list cannot show.
        bytes[at + armor::StatBoost] = static_cast<std::uint8_t>(k % 6 == 3 ? (k / 6) % 5 : 0xFF);
        bytes[at + armor::MagicDefense] = static_cast<std::uint8_t>(k * 2);
    }
    bytes[static_cast<std::size_t>(romBase + armor::recordOffset(38) + armor::ElementalDefense)] = 0xFF;
    bytes[static_cast<std::size_t>(romBase + armor::recordOffset(40) + armor::StatBoost)] = 0x05;
    bytes[static_cast<std::size_t>(romBase + armor::recordOffset(39) + armor::StatBoost)] = 0x09;
}

void SampleImageBuilder::writeCharacters(std::vector<std::uint8_t> &bytes, std::int64_t romBase) const
{
    using namespace character;
    for (int i = 0; i < kRecordCount; ++i) {
        auto put = [&](int offset, int value) {
            bytes[static_cast<std::size_t>(romBase + recordOffset(i) + offset)] = static_cast<std::uint8_t>(value);
        };
        const auto &sample = sample::kCharacters[static_cast<std::size_t>(i)];
        put(kNumber, sample.number);
        auto name = encodeText(sample.name, dteTable_, nullptr, 0, false);
        name.resize(6, 0xFF); // padded with the table's space
        for (int b = 0; b < 6; ++b)
            put(kName + b, name[static_cast<std::size_t>(b)]);
        const int hpMp[] = {120 + 37 * i, 150 + 40 * i, 10 + 5 * i, 12 + 6 * i};
        const int hpMpOffsets[] = {kHpLeft, kHpRight, kMpLeft, kMpRight};
        for (int v = 0; v < 4; ++v) {
            put(hpMpOffsets[v], hpMp[v] & 0xFF);
            put(hpMpOffsets[v] + 1, hpMp[v] >> 8);
        }
        for (int s = 0; s < kStatCount; ++s)
            put(kStrength + s, 5 + (i * 7 + s * 3) % 40);
        put(kMagic, 3 + i);
        put(kEvadeLeft, i % 4);
        put(kEvadeRight, 10 + i * 5);
        put(kMagDefLeft, i % 3);
        put(kMagDefRight, 5 + i * 2);
        for (int s = 0; s < kSkillCount; ++s) {
            put(kSkills + 2 * s, (i + s) % 16);
            put(kSkills + 2 * s + 1, (i * 11 + s * 13) % 100);
        }
        for (int k = 0; k < kSpellSlotCount; ++k) {
            put(kSpells + k, k < 3 + i % 4 ? 0xC0 + (i * 5 + k * 3) % 40 : 0);
            put(kSpellLevels + 2 * k, k % 16);
            put(kSpellLevels + 2 * k + 1, (k * 7 + i) % 100);
        }
        for (int slot = 0; slot < kSlotCount; ++slot)
            put(kEquipment + slot, sample.equipment[static_cast<std::size_t>(slot)]);
        put(kRow, sample.backRow ? 0 : 1);
    }
    // Spells at both ends of the list, and one byte the list has no entry for.
    bytes[static_cast<std::size_t>(romBase + recordOffset(0) + kSpells)] = 0xC0;
    bytes[static_cast<std::size_t>(romBase + recordOffset(0) + kSpells + 1)] = 0xE7;
    bytes[static_cast<std::size_t>(romBase + recordOffset(8) + kSpells + 15)] = 0xF0;

    const std::int64_t gil = 123456;
    for (int b = 0; b < 3; ++b)
        bytes[static_cast<std::size_t>(romBase + kGilOffset + b)] = static_cast<std::uint8_t>((gil >> (8 * b)) & 0xFF);
}

void SampleImageBuilder::writeNames(std::vector<std::uint8_t> &bytes, std::int64_t romBase) const
{
    // Names live in bank 0x20010 right after the name pointer table.
    SampleTextArea area(bytes, romBase, kNameBankBase, kNamePointerTable + 0x200, 0x29000, dteTable_);
    auto name = [&](int k, std::string_view text) { area.writePointed(kNamePointerTable, k, text); };

    for (std::size_t i = 0; i < sample::kItemNames.size(); ++i)
        name(1 + static_cast<int>(i), sample::kItemNames[i]);
    name(48, sample::kUnusedNameAt48);
    int k = 49;
    for (auto kind : sample::kWeaponKinds)
        for (auto material : sample::kMaterials)
            name(k++, std::string(material) + std::string(kind));
    for (auto kind : sample::kArmorKinds)
        for (auto material : sample::kArmorMaterials)
            name(k++, std::string(material) + std::string(kind));
    for (auto spell : sample::kSpellNames)
        name(k++, "[book]" + std::string(spell));
    for (auto spell : sample::kSpellNames)
        name(k++, spell);
    for (auto misc : sample::kMiscNames)
        name(k++, misc);
    for (auto keyword : sample::kKeywordNames)
        name(k++, keyword);
    if (k != 256)
        throw std::logic_error("sample name table does not fill 255 entries");
}

} // namespace talvek
