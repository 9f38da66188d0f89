#include "rom_image.h"

#include "read_trace.h"

#include <algorithm>
#include <cstring>

namespace talvek {

RomImage::RomImage(std::vector<std::uint8_t> bytes, std::string path)
    : bytes_(std::move(bytes)), path_(std::move(path)), romBase_(romBaseFor(size())), loaded_(true)
{
    // Only images large enough to hold the layout can be the prototype.
    if (size() >= kFf2ImageSize)
        detectPrototype();
}

bool RomImage::holdsGameLayout() const
{
    return loaded_ && size() >= kFf2ImageSize + romBase_;
}

std::uint8_t RomImage::at(std::int64_t index) const
{
    if (index < 0 || index >= size())
        return 0;
    ReadTrace::noteRead(index);
    return bytes_[static_cast<std::size_t>(index)];
}

void RomImage::setGame(std::int64_t gameOffset, std::uint8_t value)
{
    const std::int64_t index = gameOffset + romBase_;
    if (index >= 0 && index < size())
        bytes_[static_cast<std::size_t>(index)] = value;
}

void RomImage::release()
{
    bytes_.clear();
    bytes_.shrink_to_fit();
    loaded_ = false;
}

void RomImage::detectPrototype()
{
    const std::int64_t start = kPrototypeSignatureOffset + romBase_;
    constexpr std::size_t length = sizeof(kPrototypeSignature) - 1;
    prototypeFlag_ = start + static_cast<std::int64_t>(length) <= size()
        && std::memcmp(bytes_.data() + start, kPrototypeSignature, length) == 0;
}

} // namespace talvek
