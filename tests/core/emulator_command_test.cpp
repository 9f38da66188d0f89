#include <gtest/gtest.h>

#include "rom/emulator_command.h"

namespace talvek {
namespace {

TEST(EmulatorCommand, SplitsWordsAndPutsTheFileWhereAskedOrLast)
{
    struct Case {
        const char *line;
        std::string program;
        std::vector<std::string> arguments;
    };
    const std::string rom = "/tmp/my games/ff2.nes";
    const std::vector<Case> cases{
        {"fceux %f", "fceux", {rom}},
        {"fceux", "fceux", {rom}},
        {"  mesen   --fullscreen  ", "mesen", {"--fullscreen", rom}},
        {"\"/opt/My Emu/emu\" --rom=%f", "/opt/My Emu/emu", {"--rom=" + rom}},
        {"retroarch -L '/usr/lib/libretro/nestopia libretro.so' \"%f\"", "retroarch",
         {"-L", "/usr/lib/libretro/nestopia libretro.so", rom}},
        {"emu --zoom 100%% %f", "emu", {"--zoom", "100%", rom}},
    };
    for (const Case &c : cases) {
        const auto launch = parseEmulatorCommand(c.line, rom);
        ASSERT_TRUE(launch) << c.line;
        EXPECT_EQ(launch->program, c.program) << c.line;
        EXPECT_EQ(launch->arguments, c.arguments) << c.line;
    }
}

TEST(EmulatorCommand, RefusesAnEmptyLineAndAnUnclosedQuote)
{
    for (const char *line : {"", "   ", "\"/opt/emu %f", "''"}) {
        EmulatorCommandError error;
        EXPECT_FALSE(parseEmulatorCommand(line, "x.nes", &error)) << line;
        EXPECT_FALSE(error.message.empty()) << line;
    }
}

} // namespace
} // namespace talvek
