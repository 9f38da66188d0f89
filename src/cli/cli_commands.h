#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace talvek::cli {

// A failure the command line reports as one line on standard error, exiting non-zero.
class CommandError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Options {
    std::optional<std::filesystem::path> dataDirectory; // --data DIR
};

void writeSample(const Options &options, const std::string &outPath, const std::string &kindName);
void printInfo(const std::string &romPath, std::ostream &out);

} // namespace talvek::cli
