#pragma once

#include <filesystem>

namespace talvek {

// The running program's own file (from /proc/self/exe), or an empty path where that is unknown.
[[nodiscard]] std::filesystem::path executablePath();

} // namespace talvek
