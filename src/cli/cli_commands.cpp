#include "cli_commands.h"

#include <iomanip>

#include "rom/data_file_locator.h"
#include "rom/executable_path.h"
#include "rom/release_identifier.h"
#include "rom/rom_file.h"
#include "sample/sample_image_builder.h"

namespace talvek::cli {
namespace {

DataFileLocator locatorFor(const Options &options)
{
    if (options.dataDirectory)
        return DataFileLocator({*options.dataDirectory});
    return DataFileLocator::forExecutable(executablePath());
}

TextTable loadTable(const Options &options, const TableFile &file)
{
    const auto path = locatorFor(options).find(file.fileName);
    if (!path)
        throw CommandError(std::string("cannot find ") + file.fileName + " (use --data DIR)");
    auto table = TextTable::loadFromFile(path->string());
    if (!table)
        throw CommandError("cannot read " + path->string());
    return *table;
}

RomImage openRom(const std::string &path)
{
    auto image = readRomFile(path);
    if (!image)
        throw CommandError("cannot read ROM " + path + " (missing, unreadable, not a file or over 32 MiB)");
    return std::move(*image);
}

} // namespace

void writeSample(const Options &options, const std::string &outPath, const std::string &kindName)
{
    const auto kind = sampleKindFromName(kindName);
    if (!kind)
        throw CommandError("unknown sample kind '" + kindName + "' (standard, combo, prototype or gba)");
    const TextTable table = loadTable(options, kStandardDteTableFile);
    const auto bytes = SampleImageBuilder(table).build(*kind);
    if (!saveRomFile(outPath, bytes))
        throw CommandError("cannot write " + outPath);
}

void printInfo(const std::string &romPath, std::ostream &out)
{
    const RomImage image = openRom(romPath);
    out << "size: " << image.size() << '\n';
    out << "class: " << sizeClassName(image.sizeClass()) << '\n';
    out << "rom_base: 0x" << std::uppercase << std::hex << image.romBase() << std::dec << '\n';
    out << "prototype: " << (image.isPrototype() ? 1 : 0) << '\n';
    const auto release = identifyRelease(image);
    out << "release: " << (release ? release->text : std::string("none")) << '\n';
}

} // namespace talvek::cli
