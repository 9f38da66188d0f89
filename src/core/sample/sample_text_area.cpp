#include "sample_text_area.h"

#include <stdexcept>

#include "text/text_codec.h"

namespace talvek {

SampleTextArea::SampleTextArea(std::vector<std::uint8_t> &bytes, std::int64_t romBase, std::int64_t bankBase,
                               std::int64_t begin, std::int64_t end, const TextTable &table)
    : bytes_(bytes), romBase_(romBase), bankBase_(bankBase), next_(begin), end_(end), table_(table)
{
}

std::int64_t SampleTextArea::write(std::string_view text)
{
    return writeBytes(encodeText(text, table_, nullptr, 0, true));
}

std::int64_t SampleTextArea::writeBytes(const std::vector<std::uint8_t> &encoded)
{
    if (next_ + static_cast<std::int64_t>(encoded.size()) > end_)
        throw std::logic_error("sample text area is full");
    const std::int64_t at = next_;
    for (auto byte : encoded)
        writeRaw(next_++, byte);
    return at;
}

void SampleTextArea::writePointed(std::int64_t tableOffset, int index, std::string_view text)
{
    writePointedBytes(tableOffset, index, encodeText(text, table_, nullptr, 0, true));
}

void SampleTextArea::writePointedBytes(std::int64_t tableOffset, int index, const std::vector<std::uint8_t> &encoded)
{
    const std::int64_t pointer = writeBytes(encoded) - bankBase_;
    if (pointer < 0 || pointer > 0xFFFF)
        throw std::logic_error("sample text lies outside its bank");
    writeRaw(tableOffset + 2 * index, static_cast<std::uint8_t>(pointer & 0xFF));
    writeRaw(tableOffset + 2 * index + 1, static_cast<std::uint8_t>(pointer >> 8));
}

void SampleTextArea::writeRaw(std::int64_t at, std::uint8_t byte)
{
    bytes_.at(static_cast<std::size_t>(at + romBase_)) = byte;
}

} // namespace talvek
