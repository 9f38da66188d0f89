#include <iostream>

#include <CLI/CLI.hpp>

#include "cli_commands.h"

int main(int argc, char **argv)
{
    using namespace talvek::cli;
    CLI::App app{"talvek-cli: script edits of Final Fantasy II ROM images"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("talvek-cli ") + TALVEK_VERSION);
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

    std::string exportPath, exportOut;
    auto *exportCommand = app.add_subcommand("export", "print (or write) the JSON document of every record kind");
    exportCommand->add_option("ROM", exportPath, "ROM image")->required();
    exportCommand->add_option("-o", exportOut, "output file");

    std::string importRom, importJson, importOut;
    auto *importCommand = app.add_subcommand("import", "apply a JSON document and save the whole image");
    importCommand->add_option("ROM", importRom, "ROM image")->required();
    importCommand->add_option("JSON", importJson, "JSON document")->required();
    importCommand->add_option("-o", importOut, "write the result here instead of over ROM");

    std::string renderWhat, renderRom, renderOut;
    auto *render = app.add_subcommand("render", "write the font or character sprite picture as a PNG");
    render->add_option("WHAT", renderWhat, "font or sprite")->required();
    render->add_option("ROM", renderRom, "ROM image")->required();
    render->add_option("OUT", renderOut, "PNG file")->required();

    std::string textRom, textGroup, textEntry;
    auto *text = app.add_subcommand("text", "print decoded text: the groups, a group's entries, or one entry");
    text->add_option("ROM", textRom, "ROM image")->required();
    text->add_option("GROUP", textGroup, "group name or number");
    text->add_option("ENTRY", textEntry, "entry number");

    auto *ipsCommand = app.add_subcommand("ips", "create or apply IPS patches");
    ipsCommand->require_subcommand(1);
    std::string ipsOriginal, ipsModified, ipsPatch, ipsRom, ipsApplyPatch, ipsOut;
    auto *ipsCreate = ipsCommand->add_subcommand("create", "write the patch from ORIGINAL to MODIFIED");
    ipsCreate->add_option("ORIGINAL", ipsOriginal)->required();
    ipsCreate->add_option("MODIFIED", ipsModified)->required();
    ipsCreate->add_option("PATCH", ipsPatch)->required();
    auto *ipsApply = ipsCommand->add_subcommand("apply", "apply PATCH to ROM and write OUT");
    ipsApply->add_option("ROM", ipsRom)->required();
    ipsApply->add_option("PATCH", ipsApplyPatch)->required();
    ipsApply->add_option("OUT", ipsOut)->required();

    auto *bpsCommand = app.add_subcommand("bps", "create or apply BPS patches");
    bpsCommand->require_subcommand(1);
    std::string bpsOriginal, bpsModified, bpsPatch, bpsRom, bpsApplyPatch, bpsOut;
    auto *bpsCreate = bpsCommand->add_subcommand("create", "write the patch from ORIGINAL to MODIFIED");
    bpsCreate->add_option("ORIGINAL", bpsOriginal)->required();
    bpsCreate->add_option("MODIFIED", bpsModified)->required();
    bpsCreate->add_option("PATCH", bpsPatch)->required();
    auto *bpsApply = bpsCommand->add_subcommand("apply", "apply PATCH to ROM and write OUT; refuses another ROM");
    bpsApply->add_option("ROM", bpsRom)->required();
    bpsApply->add_option("PATCH", bpsApplyPatch)->required();
    bpsApply->add_option("OUT", bpsOut)->required();

    std::string historyRom;
    auto *history = app.add_subcommand("history", "list the restore points of ROM, oldest first");
    history->add_option("ROM", historyRom, "ROM image")->required();

    std::string revertRomPath, revertNumber;
    bool revertForce = false;
    auto *revert = app.add_subcommand("revert", "put ROM back to its content just before save N");
    revert->add_option("ROM", revertRomPath, "ROM image")->required();
    revert->add_option("N", revertNumber, "restore point number, from 1")->required();
    revert->add_flag("--force", revertForce, "revert even when the ROM was changed outside Talvek");

    bool noHistory = false;
    for (auto *saving : {importCommand, revert})
        saving->add_flag("--no-history", noHistory, "record no restore point for this save");

    std::string diffBefore, diffAfter;
    bool diffJson = false;
    auto *diff = app.add_subcommand("diff", "what differs between two images, in the editors' terms "
                                            "(exit 0: identical, 1: different, 2: error)");
    diff->add_option("A", diffBefore, "first image")->required();
    diff->add_option("B", diffAfter, "second image")->required();
    diff->add_flag("--json", diffJson, "print one JSON array");

    std::string findRom, findText;
    auto *find = app.add_subcommand("find", "every text entry and record name containing TEXT (case-insensitive)");
    find->add_option("ROM", findRom, "ROM image")->required();
    find->add_option("TEXT", findText, "text to find")->required();

    std::string xrefRom, xrefKind, xrefNumber;
    auto *xref = app.add_subcommand("xref", "where an item id (1 to 191), an AI record or a monster is used");
    xref->add_option("ROM", xrefRom, "ROM image")->required();
    xref->add_option("KIND", xrefKind, "item, ai or monster")->required()->check(CLI::IsMember({"item", "ai", "monster"}));
    xref->add_option("N", xrefNumber, "item id, AI record or monster number (decimal, or hexadecimal with 0x)")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        return app.exit(error);
    }
    if (!dataDirectory.empty())
        options.dataDirectory = dataDirectory;
    options.recordHistory = !noHistory;

    if (*diff) {
        // diff answers with its exit code: 0 identical, 1 different, 2 when it cannot compare.
        try {
            return printDiff(options, diffBefore, diffAfter, diffJson, std::cout) ? 1 : 0;
        } catch (const CommandError &error) {
            std::cerr << "talvek-cli: " << error.what() << '\n';
            return 2;
        }
    }
    try {
        if (*sample)
            writeSample(options, samplePath, sampleKind);
        else if (*info)
            printInfo(infoPath, std::cout);
        else if (*text)
            printText(options, textRom, textGroup, textEntry, std::cout);
        else if (*ipsCreate)
            createIpsPatch(ipsOriginal, ipsModified, ipsPatch);
        else if (*ipsApply)
            applyIpsPatch(ipsRom, ipsApplyPatch, ipsOut);
        else if (*bpsCreate)
            createBpsPatch(bpsOriginal, bpsModified, bpsPatch);
        else if (*bpsApply)
            applyBpsPatch(bpsRom, bpsApplyPatch, bpsOut);
        else if (*render)
            renderPicture(options, renderWhat, renderRom, renderOut);
        else if (*exportCommand)
            exportRecords(options, exportPath, exportOut, std::cout);
        else if (*history)
            printHistory(historyRom, std::cout);
        else if (*revert)
            revertRom(options, revertRomPath, revertNumber, revertForce);
        else if (*find)
            printMatches(options, findRom, findText, std::cout);
        else if (*xref)
            printUses(options, xrefRom, xrefKind, xrefNumber, std::cout);
        else if (*importCommand)
            importRecords(options, importRom, importJson, importOut);
    } catch (const CommandError &error) {
        std::cerr << "talvek-cli: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
