#include "release_identifier.h"

namespace talvek {
namespace {

constexpr char kDefaultMessage[] = "Well, whatever you loaded isn't FF2.\n\nSAVE AT YOUR OWN RISK!";

bool bytesEqual(const RomImage &image, std::int64_t offset, std::string_view expected)
{
    for (std::size_t i = 0; i < expected.size(); ++i)
        if (image.at(offset + static_cast<std::int64_t>(i)) != static_cast<std::uint8_t>(expected[i]))
            return false;
    return true;
}

bool headerMatches(const RomImage &image, const ReleaseSignature &signature)
{
    if (image.at(kHeaderKeyOffset) != signature.headerByte6)
        return false;
    if (!signature.headerBytes7to15.empty())
        return bytesEqual(image, kHeaderKeyOffset + 1, signature.headerBytes7to15);
    for (std::int64_t i = 1; i < static_cast<std::int64_t>(kHeaderKeyLength); ++i)
        if (image.at(kHeaderKeyOffset + i) != 0)
            return false;
    return true;
}

std::string messageFor(Release release, const RomImage &image)
{
    switch (release) {
    case Release::JapaneseCart:
        return "This looks like the Original Japanese version.\n\nIt is recommended that you update your ROM with "
               "the IPS file included.";
    case Release::VarnIncomplete:
        return "This looks like Varn's incomplete translation.\n\nThe editor doesn't support the text used in this "
               "version.\n\nIt is recommended you update your ROM with the .IPS file included.";
    case Release::VarnV093:
        return "This looks like Varn's translation, v.93.\n\nEverything is supported for this version.";
    case Release::VarnV103:
        return "This looks like Varn's translation, v1.03.\n\nEverything is supported for this version.";
    case Release::FinalFantasy1:
        return "I see what you are trying to do... If you want to edit Final Fantasy 1 THAT badly, I guess I'll let "
               "you. NOT quite yet though.";
    case Release::VarnV10:
        return "This looks like Varn's translation, v1.0.\n\nEverything is supported for this version.";
    case Release::Prototype:
        if (image.romBase() != 0)
            return "This looks like the Final Fantasy 1 + Final Fantasy 2 combo cart.\n\nONLY the Final Fantasy 2 "
                   "portion of this cart is supported.\n\nThis instance is also the Prototype.";
        return "This looks like the prototype cart. Everything is supported for this version.";
    case Release::VarnV103Quorin:
        return "This looks like Varn's translation, v1.03, with Quorin's title screen fix.\n\nEverything is "
               "supported for this version.";
    case Release::ComboTranslation:
        return "This looks like the Final Fantasy 1 + Final Fantasy 2 combo cart.\n\nONLY the Final Fantasy 2 "
               "portion of this cart is supported.\n\nThis instance is also some version of Varn's translation.";
    }
    return kDefaultMessage;
}

} // namespace

std::optional<Release> matchRelease(const RomImage &image)
{
    // An image too small to hold the title key matches nothing.
    const std::int64_t titleOffset = kTitleKeyOffset + image.romBase();
    if (image.size() > kComboImageSize || titleOffset + static_cast<std::int64_t>(kTitleKeyLength) > image.size())
        return std::nullopt;
    for (const auto &signature : kReleaseSignatures)
        if (headerMatches(image, signature) && bytesEqual(image, titleOffset, signature.titleKey))
            return signature.release;
    return std::nullopt;
}

std::optional<ReleaseMessage> identifyRelease(const RomImage &image)
{
    if (image.size() == kGbaImageSize) {
        if (!bytesEqual(image, kGbaKeyOffset, kGbaSignature))
            return std::nullopt;
        return ReleaseMessage{"Ahhh, I see you have loaded Final Fantasy 1 & 2: Dawn of Souls. It's too bad nothing "
                              "is supported for this yet. :(\n\nGood thing this is 16 megs, any bigger and you could "
                              "have trouble...",
                              "Give it time... it'll happen"};
    }
    const auto release = matchRelease(image);
    if (!release)
        return ReleaseMessage{kDefaultMessage, {}};
    return ReleaseMessage{messageFor(*release, image),
                          *release == Release::FinalFantasy1 ? "Final Fantasy 1" : std::string{}};
}

} // namespace talvek
