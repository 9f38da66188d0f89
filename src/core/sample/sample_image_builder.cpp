#include "sample_image_builder.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "rom/rom_image.h"
#include "rom/size_class.h"
#include "sample_names.h"
#include "sample_text_area.h"
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
}

void SampleImageBuilder::writeNames(std::vector<std::uint8_t> &bytes, std::int64_t romBase) const
{
    // Names live in bank 0x20010 right after the name pointer table.
    SampleTextArea area(bytes, romBase, kNameBankBase, kNamePointerTable + 0x200, 0x2B900, dteTable_);
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
