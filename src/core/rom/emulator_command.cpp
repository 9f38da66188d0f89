#include "emulator_command.h"

#include <utility>

namespace talvek {

std::optional<EmulatorLaunch> parseEmulatorCommand(std::string_view commandLine, const std::string &romPath,
                                                   EmulatorCommandError *error)
{
    auto fail = [error](std::string message) -> std::optional<EmulatorLaunch> {
        if (error)
            error->message = std::move(message);
        return std::nullopt;
    };
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, namesFile = false;
    char quote = 0;
    // %f and %% at i, quoted or not: the file's path or a percent sign, and i past them.
    auto takePercent = [&](std::size_t &i) {
        if (commandLine[i] != '%' || i + 1 >= commandLine.size() || (commandLine[i + 1] != 'f' && commandLine[i + 1] != '%'))
            return false;
        const bool file = commandLine[++i] == 'f';
        word += file ? romPath : "%";
        namesFile |= file;
        return true;
    };
    for (std::size_t i = 0; i < commandLine.size(); ++i) {
        const char c = commandLine[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            else if (!takePercent(i))
                word += c;
            continue;
        }
        if (c == ' ' || c == '\t') {
            if (inWord)
                words.push_back(std::exchange(word, {}));
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '"' || c == '\'')
            quote = c;
        else if (!takePercent(i))
            word += c;
    }
    if (quote)
        return fail(std::string("the emulator command has an unclosed ") + quote);
    if (inWord)
        words.push_back(std::move(word));
    if (words.empty() || words.front().empty())
        return fail("no emulator command is set");
    EmulatorLaunch launch{words.front(), {words.begin() + 1, words.end()}};
    if (!namesFile)
        launch.arguments.push_back(romPath);
    return launch;
}

} // namespace talvek
