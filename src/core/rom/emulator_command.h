#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvek {

// The emulator command line the user set, ready to start: the program and its arguments, with %f replaced by
// the ROM file (the file is added last when the line has no %f; %% is a percent sign). Words are split at spaces
// outside double or single quotes, so a path with spaces stays one word.
struct EmulatorLaunch {
    std::string program;
    std::vector<std::string> arguments;
};

struct EmulatorCommandError {
    std::string message;
};

// Nothing but an error for an empty line or an unclosed quote.
[[nodiscard]] std::optional<EmulatorLaunch> parseEmulatorCommand(std::string_view commandLine, const std::string &romPath,
                                                                 EmulatorCommandError *error = nullptr);

} // namespace talvek
