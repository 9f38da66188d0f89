#include <iostream>

#include <CLI/CLI.hpp>

#include "cli_commands.h"

int main(int argc, char **argv)
{
    using namespace talvek::cli;
    CLI::App app{"talvek-cli: script edits of Final Fantasy II ROM images"};
    app.require_subcommand(1);
    Options options;
    std::string dataDirectory;
    app.add_option("--data", dataDirectory, "directory holding the .tbl files and NESPalette.pal");

    std::string samplePath;
    std::string sampleKind = "standard";
    auto *sample = app.add_subcommand("sample", "write the synthetic sample image");
    sample->add_option("OUT", samplePath, "output file")->required();
    sample->add_option("--kind", sampleKind, "standard, combo, prototype or gba");

    std::string infoPath;
    auto *info = app.add_subcommand("info", "print size, class, base offset, prototype flag and release");
    info->add_option("ROM", infoPath, "ROM image")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        return app.exit(error);
    }
    if (!dataDirectory.empty())
        options.dataDirectory = dataDirectory;

    try {
        if (*sample)
            writeSample(options, samplePath, sampleKind);
        else if (*info)
            printInfo(infoPath, std::cout);
    } catch (const CommandError &error) {
        std::cerr << "talvek-cli: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
