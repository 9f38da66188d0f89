#include "cli_commands.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <iomanip>
#include <sstream>

#include "rom/data_file_locator.h"
#include "rom/executable_path.h"
#include "graphics/png_encoder.h"
#include "patch/bps_patch.h"
#include "patch/ips_patch.h"
#include "rom/checksum.h"
#include "graphics/viewer_pictures.h"
#include "history/history_store.h"
#include "history/recorded_save.h"
#include "records/image_diff.h"
#include "records/record_json.h"
#include "rom/nes_palette.h"
#include "rom/release_identifier.h"
#include "rom/rom_file.h"
#include "sample/sample_image_builder.h"
#include "search/cross_references.h"
#include "search/text_search.h"
#include "text/keyword_list.h"
#include "text/number_parsing.h"
#include "text/text_groups.h"

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
    std::vector<int> invalidLines;
    auto table = TextTable::loadFromFile(path->string(), &invalidLines);
    if (!table)
        throw CommandError("cannot read " + path->string());
    if (!invalidLines.empty()) {
        std::string warning = invalidTableLinesMessage(path->string(), invalidLines);
        std::replace(warning.begin(), warning.end(), '\n', ' ');
        std::cerr << "talvek-cli: warning: " << warning << '\n';
    }
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

// Both sets' DTE tables, for restore point summaries of images of either set.
struct SetTables {
    explicit SetTables(const Options &options)
        : standard(loadTable(options, kStandardDteTableFile)), prototype(loadTable(options, kPrototypeDteTableFile))
    {
    }
    TextTable standard;
    TextTable prototype;
};

// The whole-file save of the commands that write over a ROM: a restore point first, unless turned off.
void saveWithRestorePoint(const Options &options, const std::string &path, std::span<const std::uint8_t> bytes)
{
    std::optional<SetTables> tables;
    SaveRequest request{path, bytes, nullptr, options.recordHistory, {}};
    request.summarize = [&](std::span<const std::uint8_t> before, std::span<const std::uint8_t> after) {
        if (!tables)
            tables.emplace(options);
        return summarizeDiff(before, after, NameTables{tables->standard, tables->prototype});
    };
    const SaveReport report = saveRecorded(request);
    for (const auto &warning : report.warnings)
        std::cerr << "talvek-cli: warning: " << warning << '\n';
    if (report.outcome != SaveOutcome::Saved)
        throw CommandError("Unable to save to ROM: " + path);
}

} // namespace

namespace {

std::vector<std::uint8_t> readWhole(const std::string &path)
{
    // Patches and the files they apply to are read like ROMs: whole, regular files of at most 32 MiB.
    auto image = readRomFile(path);
    if (!image)
        throw CommandError("cannot read " + path + " (missing, unreadable, not a file or over 32 MiB)");
    return std::move(image->bytes());
}

void writeBytes(const std::string &path, std::span<const std::uint8_t> bytes)
{
    if (!saveRomFile(path, bytes))
        throw CommandError("cannot write " + path);
}

} // namespace

void createIpsPatch(const std::string &originalPath, const std::string &modifiedPath, const std::string &patchPath)
{
    try {
        writeBytes(patchPath, ips::createPatch(readWhole(originalPath), readWhole(modifiedPath)));
    } catch (const ips::PatchError &error) {
        throw CommandError(error.what());
    }
}

void applyIpsPatch(const std::string &romPath, const std::string &patchPath, const std::string &outPath)
{
    try {
        writeBytes(outPath, ips::applyPatch(readWhole(romPath), readWhole(patchPath)).bytes);
    } catch (const ips::PatchError &error) {
        throw CommandError(patchPath + ": " + error.what());
    }
}

void createBpsPatch(const std::string &originalPath, const std::string &modifiedPath, const std::string &patchPath)
{
    writeBytes(patchPath, bps::createPatch(readWhole(originalPath), readWhole(modifiedPath)));
}

void applyBpsPatch(const std::string &romPath, const std::string &patchPath, const std::string &outPath)
{
    try {
        writeBytes(outPath, bps::applyPatch(readWhole(romPath), readWhole(patchPath)));
    } catch (const bps::PatchError &error) {
        throw CommandError(patchPath + ": " + error.what());
    }
}

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

namespace {

int textGroupNamed(const std::string &name)
{
    auto lower = [](std::string text) {
        for (auto &c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    for (std::size_t g = 0; g < kTextGroups.size(); ++g)
        if (lower(std::string(kTextGroups[g].name)) == lower(name) || name == std::to_string(g))
            return static_cast<int>(g);
    throw CommandError("unknown text group '" + name + "'");
}

} // namespace

void printText(const Options &options, const std::string &romPath, const std::string &groupName,
               const std::string &entryText, std::ostream &out)
{
    const RomImage image = openRom(romPath);
    if (!image.holdsGameLayout())
        throw CommandError("the image is too small to hold the Final Fantasy II data");
    if (groupName.empty()) {
        for (std::size_t g = 0; g < kTextGroups.size(); ++g)
            out << g << ": " << kTextGroups[g].name << " (" << kTextGroups[g].entries << ")\n";
        return;
    }
    const TextTable table = namesTableFor(options, image);
    const KeywordList keywords = KeywordList::build(image, table);
    const int group = textGroupNamed(groupName);
    const int entries = textEntryCount(group);
    auto textOf = [&](int n) {
        return readTextEntry(image, group, locateTextEntry(image, group, n), table, keywords).text;
    };
    if (!entryText.empty()) {
        const auto n = parseLeadingDecimal(entryText);
        if (entryText.find_first_not_of("0123456789") != std::string::npos || n < 0 || n >= entries)
            throw CommandError("no entry " + entryText + " in " + std::string(kTextGroups[static_cast<std::size_t>(group)].name));
        out << toEditLineBreaks(textOf(static_cast<int>(n))) << '\n';
        return;
    }
    for (int n = 0; n < entries; ++n)
        out << n << ": " << textOf(n) << '\n';
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
    saveWithRestorePoint(options, outPath.empty() ? romPath : outPath, image.bytes());
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

bool printDiff(const Options &options, const std::string &beforePath, const std::string &afterPath, bool asJson,
               std::ostream &out)
{
    const RomImage before = openRom(beforePath);
    const RomImage after = openRom(afterPath);
    // Images too small for the game's layout are compared byte by byte and need no table.
    const bool layout = before.holdsGameLayout() && after.holdsGameLayout();
    const TextTable beforeNames = layout ? namesTableFor(options, before) : TextTable();
    const TextTable afterNames = layout ? namesTableFor(options, after) : TextTable();
    const auto changes = diffImages(before, beforeNames, after, afterNames);
    if (asJson) {
        json_support::Json lines = json_support::Json::array();
        for (const auto &change : changes)
            lines.push_back(changeToJson(change));
        out << lines.dump(2, ' ', false, json_support::Json::error_handler_t::replace) << '\n';
    } else {
        for (const auto &change : changes)
            out << describeChange(change) << '\n';
    }
    return !changes.empty();
}

void printHistory(const std::string &romPath, std::ostream &out)
{
    if (!readRomFile(romPath))
        throw CommandError("cannot read ROM " + romPath + " (missing, unreadable, not a file or over 32 MiB)");
    HistoryStore store(romPath);
    std::string error;
    if (!store.load(&error))
        throw CommandError(error);
    for (const auto &warning : store.warnings())
        std::cerr << "talvek-cli: warning: " << warning << '\n';
    const auto &points = store.points();
    for (std::size_t k = 0; k < points.size(); ++k) {
        const std::time_t time = points[k].point.time;
        std::tm local{};
        localtime_r(&time, &local);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
        out << k + 1 << "  " << stamp << "  " << points[k].point.summary;
        if (k >= store.head())
            out << "  (undone)";
        out << '\n';
    }
}

void revertRom(const Options &options, const std::string &romPath, const std::string &number, bool force)
{
    const auto n = parseLeadingDecimal(number);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos || n < 1)
        throw CommandError("restore point number must be a whole number from 1: " + number);
    std::optional<SetTables> tables;
    const auto summarize = [&](std::span<const std::uint8_t> before, std::span<const std::uint8_t> after) {
        if (!tables)
            tables.emplace(options);
        return summarizeDiff(before, after, NameTables{tables->standard, tables->prototype});
    };
    const SaveReport report =
        revertToBefore(romPath, static_cast<std::size_t>(n), force, options.recordHistory ? summarize : ChangeSummarizer());
    for (const auto &warning : report.warnings)
        std::cerr << "talvek-cli: warning: " << warning << '\n';
    if (report.outcome != SaveOutcome::Saved)
        throw CommandError(report.error + (report.changedOutside ? "; use --force to revert anyway" : ""));
}

void printInfo(const std::string &romPath, std::ostream &out)
{
    const RomImage image = openRom(romPath);
    out << "size: " << image.size() << '\n';
    out << "class: " << sizeClassName(image.sizeClass()) << '\n';
    out << "rom_base: 0x" << std::uppercase << std::hex << image.romBase() << std::dec << '\n';
    out << "prototype: " << (image.isPrototype() ? 1 : 0) << '\n';
    char crcs[64];
    std::snprintf(crcs, sizeof crcs, "crc32: %08x\ncrc32_no_header: %08x\n", crc32Of(image.bytes()),
                  crc32WithoutHeader(image.bytes()));
    out << crcs;
    const auto release = identifyRelease(image);
    out << "release: " << (release ? release->text : std::string("none")) << '\n';
}

namespace {

RomImage openGameImage(const std::string &romPath)
{
    RomImage image = openRom(romPath);
    if (!image.holdsGameLayout())
        throw CommandError("the image is too small to hold the Final Fantasy II data");
    return image;
}

// A record number in decimal, or in hexadecimal with 0x.
int parseNumber(const std::string &text, int first, int last, const std::string &what)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char *begin = text.data() + (hex ? 2 : 0);
    const char *end = text.data() + text.size();
    int value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value, hex ? 16 : 10);
    if (begin == end || error != std::errc() || stop != end || value < first || value > last)
        throw CommandError("'" + text + "' is no " + what + " (" + std::to_string(first) + " to " + std::to_string(last) + ")");
    return value;
}

} // namespace

void printMatches(const Options &options, const std::string &romPath, const std::string &query, std::ostream &out)
{
    if (query.empty())
        throw CommandError("give a text to find");
    const RomImage image = openGameImage(romPath);
    const TextSearch search = TextSearch::build(image, namesTableFor(options, image));
    for (const auto &match : search.find({query}))
        out << describeMatch(*match.entry) << '\n';
}

void printUses(const Options &options, const std::string &romPath, const std::string &what, const std::string &number,
               std::ostream &out)
{
    const RomImage image = openGameImage(romPath);
    const CrossReferences refs = CrossReferences::build(image, namesTableFor(options, image));
    const std::vector<Place> *places = nullptr;
    if (what == "item")
        places = &refs.usesOfItem(parseNumber(number, CrossReferences::kFirstItem, CrossReferences::kLastItem, "item id"));
    else if (what == "ai")
        places = &refs.usesOfAiRecord(parseNumber(number, 0, ai_list::kRecordCount - 1, "AI record"));
    else if (what == "monster")
        places = &refs.usesOfMonster(parseNumber(number, 0, monster::kRecordCount - 1, "monster"));
    else
        throw CommandError("unknown kind '" + what + "' (item, ai or monster)");
    for (const Place &place : *places)
        out << describePlace(place) << '\n';
}

} // namespace talvek::cli
