#include "data_file_locator.h"

namespace talvek {

DataFileLocator::DataFileLocator(std::vector<std::filesystem::path> searchDirectories)
    : directories_(std::move(searchDirectories))
{
}

DataFileLocator DataFileLocator::forExecutable(const std::filesystem::path &executablePath)
{
    const auto programDirectory = executablePath.parent_path();
    // Installed, the data lies at the same path from the programs' folder whatever the prefix.
    return DataFileLocator({std::filesystem::current_path(), programDirectory / "data",
                            programDirectory / TALVEK_DATA_FROM_BIN});
}

std::optional<std::filesystem::path> DataFileLocator::find(const std::string &fileName) const
{
    for (const auto &directory : directories_) {
        std::error_code error;
        const auto candidate = directory / fileName;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate;
    }
    return std::nullopt;
}

} // namespace talvek
