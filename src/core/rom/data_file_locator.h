#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace talvek {

// Finds the shipped data files (.tbl, NESPalette.pal): in the working directory first, then in the
// program's own data directories, in the order given.
class DataFileLocator {
public:
    explicit DataFileLocator(std::vector<std::filesystem::path> searchDirectories);

    // The usual places for a program at executablePath: the working directory, <exe dir>/data,
    // <exe dir>/../share/talvek (for the install's layout).
    [[nodiscard]] static DataFileLocator forExecutable(const std::filesystem::path &executablePath);

    [[nodiscard]] std::optional<std::filesystem::path> find(const std::string &fileName) const;
    [[nodiscard]] const std::vector<std::filesystem::path> &directories() const { return directories_; }

private:
    std::vector<std::filesystem::path> directories_;
};

} // namespace talvek
