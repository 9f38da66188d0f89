#pragma once

namespace talvek {

// Registers the compiled-in pictures; needed once because the UI is a static library, whose resource
// initialiser the linker would otherwise drop. Safe to call repeatedly.
void loadResources();

} // namespace talvek
