#include "size_class.h"

namespace talvek {

const char *sizeClassName(SizeClass sizeClass)
{
    switch (sizeClass) {
    case SizeClass::Ff2: return "ff2";
    case SizeClass::Combo: return "combo";
    case SizeClass::Gba: return "gba";
    case SizeClass::Unknown: break;
    }
    return "unknown";
}

} // namespace talvek
