#include "swatch_geometry.h"

namespace talvek {

namespace weapon_swatches {
std::optional<int> colorAt(int x, int y)
{
    for (int k = 1; k <= 3; ++k)
        if (124 + 16 * k <= x && x <= 139 + 16 * k && 248 <= y && y <= 263)
            return k;
    return std::nullopt;
}
} // namespace weapon_swatches

namespace spell_swatches {
std::optional<int> colorAt(int x, int y)
{
    for (int k = 0; k < 3; ++k)
        if (286 + 16 * k <= x && x < 302 + 16 * k && 28 <= y && y < 44)
            return k + 1;
    return std::nullopt;
}
} // namespace spell_swatches

} // namespace talvek
