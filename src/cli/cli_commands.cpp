#include "cli_commands.h"

#include <fstream>
#include <iomanip>
#include <sstream>

#include "rom/data_file_locator.h"
#include "rom/executable_path.h"
#include "graphics/png_encoder.h"
#include "graphics/viewer_pictures.h"
#include "records/record_json.h"
#include "rom/nes_palette.h"
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

// Names are decoded with the DTE table of the image's set.
TextTable namesTableFor(const Options &options, const RomImage &image)
{
    return loadTable(options, image.isPrototype() ? kPrototypeDteTableFile : kStandardDteTableFile);
}

void writeTextFile(const std::string &path, const std::string &text)
{
    if (!saveRomFile(path, std::span(reinterpret_cast<const std::uint8_t *>(text.data()), text.size())))
        throw CommandError("cannot write " + path);
}

} // namespace

void renderPicture(const Options &options, const std::string &what, const std::string &romPath,
                   const std::string &outPath)
{
    if (what != "font" && what != "sprite")
        throw CommandError("unknown picture '" + what + "' (font or sprite)");
    const RomImage image = openRom(romPath);
    if (!image.holdsGameLayout())
        throw CommandError("the image is too small to hold the Final Fantasy II data");
    NesPalette palette;
    const auto palettePath = locatorFor(options).find(kPaletteFileName);
    if (!palettePath || !palette.loadFromFile(palettePath->string()))
        throw CommandError(std::string("cannot read ") + kPaletteFileName + " (use --data DIR)");
    const TileCanvas canvas =
        what == "font" ? fontPicture(image) : blockPicture(image, characterSpriteBlock(image));
    if (!saveRomFile(outPath, encodePng(canvas, palette)))
        throw CommandError("cannot write " + outPath);
}

void exportRecords(const Options &options, const std::string &romPath, const std::string &outPath, std::ostream &out)
{
    const RomImage image = openRom(romPath);
    std::string text;
    try {
        text = exportAllRecords(image, namesTableFor(options, image)).dump(2) + "\n";
    } catch (const ImportError &error) {
        throw CommandError(error.what());
    }
    if (outPath.empty())
        out << text;
    else
        writeTextFile(outPath, text);
}

void importRecords(const Options &options, const std::string &romPath, const std::string &jsonPath,
                   const std::string &outPath)
{
    RomImage image = openRom(romPath);
    std::ifstream file(jsonPath, std::ios::binary);
    if (!file)
        throw CommandError("cannot read " + jsonPath);
    json_support::Json document;
    try {
        document = json_support::Json::parse(file);
    } catch (const json_support::Json::exception &error) {
        throw CommandError(jsonPath + ": not valid JSON (" + error.what() + ")");
    }
    try {
        importAllRecords(image, document, namesTableFor(options, image));
    } catch (const ImportError &error) {
        throw CommandError(jsonPath + ": " + error.what());
    } catch (const json_support::Json::exception &error) {
        throw CommandError(jsonPath + ": " + error.what());
    }
    const std::string target = outPath.empty() ? romPath : outPath;
    if (!saveRomFile(target, image.bytes()))
        throw CommandError("Unable to save to ROM: " + target);
}

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
