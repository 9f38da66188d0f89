#include "executable_path.h"

namespace talvek {

std::filesystem::path executablePath()
{
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path{} : path;
}

} // namespace talvek
