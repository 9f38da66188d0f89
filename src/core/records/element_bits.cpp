#include "element_bits.h"

#include <algorithm>

namespace talvek {

std::vector<std::string> labelsOfBits(std::uint8_t bits, const std::array<std::string_view, 8> &labels)
{
    std::vector<std::string> names;
    for (std::size_t bit = 0; bit < labels.size(); ++bit)
        if (bits & (1u << bit))
            names.emplace_back(labels[bit]);
    return names;
}

std::optional<std::uint8_t> bitsOfLabels(const std::vector<std::string> &names,
                                         const std::array<std::string_view, 8> &labels)
{
    std::uint8_t bits = 0;
    for (const auto &name : names) {
        const auto found = std::find(labels.begin(), labels.end(), name);
        if (found == labels.end())
            return std::nullopt;
        bits |= static_cast<std::uint8_t>(1u << (found - labels.begin()));
    }
    return bits;
}

} // namespace talvek
