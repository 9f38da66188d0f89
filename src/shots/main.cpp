// talvek-shots DIR: opens the main window and its dialogs on the sample images, offscreen, and saves
// one PNG per window into DIR for reviewing the look.
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>

#include <QApplication>
#include <QPushButton>

#include <QComboBox>
#include <QListWidget>

#include <QLineEdit>
#include <QTreeWidget>

#include "app/c_find_dlg.h"
#include "app/c_history_dlg.h"
#include "app/c_rom_editor_dlg.h"
#include "app/editor_context.h"
#include "graphics/c_graphic.h"
#include "text/c_text.h"
#include "graphics/viewer_pictures.h"
#include "rom/executable_path.h"
#include "rom/rom_file.h"
#include "sample/sample_image_builder.h"
#include "shot_ui_services.h"

namespace fs = std::filesystem;
using namespace talvek;

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: talvek-shots DIR\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talvek"));

    const fs::path directory = argv[1];
    fs::create_directories(directory);
    const DataFileLocator dataFiles = DataFileLocator::forExecutable(executablePath());
    const auto tablePath = dataFiles.find(kStandardDteTableFile.fileName);
    const auto table = tablePath ? TextTable::loadFromFile(tablePath->string()) : std::nullopt;
    if (!table) {
        std::cerr << "talvek-shots: cannot find " << kStandardDteTableFile.fileName << '\n';
        return 1;
    }

    // Sample images of each size class in a scratch folder inside DIR.
    const fs::path roms = directory / "roms";
    fs::create_directories(roms);
    const SampleImageBuilder builder(*table);
    auto writeRom = [&](const char *name, const std::vector<std::uint8_t> &bytes) {
        const auto path = (roms / name).string();
        if (!saveRomFile(path, bytes))
            std::cerr << "talvek-shots: cannot write " << path << '\n';
        return QString::fromStdString(path);
    };
    const QString standard = writeRom("sample.nes", builder.build(SampleKind::Standard));
    const QString gba = writeRom("sample.gba", builder.build(SampleKind::Gba));
    auto odd = builder.build(SampleKind::Standard);
    odd.push_back(0);
    const QString unknown = writeRom("odd-size.nes", odd);

    shots::ShotUiServices services(directory);
    CRomEditorDlg mainWindow(services, dataFiles);
    services.answerOpenWith(standard);
    mainWindow.initialise();
    services.save(mainWindow, QStringLiteral("main_window"));

    services.setNextName(QStringLiteral("check_version"));
    mainWindow.findChild<QPushButton *>(QStringLiteral("checkVersionButton"))->click();
    services.setNextName(QStringLiteral("about"));
    mainWindow.findChild<QPushButton *>(QStringLiteral("aboutButton"))->click();

    const std::pair<EditorKind, const char *> editors[] = {{EditorKind::Armor, "armor_editor"},
                                                           {EditorKind::Character, "character_editor"},
                                                           {EditorKind::Font, "font_editor"},
                                                           {EditorKind::Weapon, "weapon_editor"},
                                                           {EditorKind::Spells, "spells_editor"},
                                                           {EditorKind::Monster, "monster_editor"},
                                                           {EditorKind::Shop, "shop_editor"},
                                                           {EditorKind::Formation, "formation_editor"}};
    // Records whose five-digit values show that the number boxes hold them whole.
    const auto showRow = [](const char *list, int row) {
        return [list, row](QDialog &dialog) {
            dialog.findChild<QListWidget *>(QString::fromLatin1(list))->setCurrentRow(row);
        };
    };
    // The armour editor after a Save that had nothing to write shows its note beside Save.
    const auto pressSave = [](QDialog &dialog) { dialog.findChild<QPushButton *>(QStringLiteral("saveButton"))->click(); };
    const std::map<EditorKind, std::function<void(QDialog &)>> preparations{
        {EditorKind::Monster, showRow("monsterList", 19)}, {EditorKind::Shop, showRow("shopList", 9)},
        {EditorKind::Armor, pressSave}};
    for (const auto &[kind, name] : editors) {
        const auto preparation = preparations.find(kind);
        services.setNextDialogName(QString::fromLatin1(name),
                                   preparation == preparations.end() ? nullptr : preparation->second);
        mainWindow.launchEditor(kind);
    }

    {
        CText text(mainWindow.editorContext());
        text.findChild<QListWidget *>(QStringLiteral("groupList"))->setCurrentRow(11);
        text.findChild<QListWidget *>(QStringLiteral("entryList"))->setCurrentRow(2);
        services.setNextName(QStringLiteral("text_editor_dialogue"));
        services.runDialog(text);
        text.findChild<QListWidget *>(QStringLiteral("groupList"))->setCurrentRow(0);
        services.setNextName(QStringLiteral("text_editor_items"));
        services.runDialog(text);
    }

    // The viewers and pickers the editors open.
    NesPalette palette;
    if (const auto palettePath = dataFiles.find(kPaletteFileName))
        palette.loadFromFile(palettePath->string());
    {
        CGraphic viewer(mainWindow.image(), palette, services, characterSpriteBlock(mainWindow.image()), 0);
        services.setNextName(QStringLiteral("graphics_editor"));
        services.runDialog(viewer);
        viewer.findChild<QComboBox *>(QStringLiteral("zoomCombo"))->setCurrentIndex(2);
        services.setNextName(QStringLiteral("graphics_editor_zoom3"));
        services.runDialog(viewer);
    }
    services.setNextName(QStringLiteral("nes_colors"));
    (void)services.pickNesColor(nullptr, palette, 0x21);
    services.setNextName(QStringLiteral("battle_palettes"));
    (void)services.pickBattlePalette(nullptr, mainWindow.image(), palette, 0x2A);

    // The history of three saves, the last one undone, with the changes of the second listed.
    {
        auto &bytes = mainWindow.image().bytes();
        bytes[0x30010 + 6 * 1] = 12;                     // armour 1's defence
        (void)saveWholeImage(mainWindow.editorContext(), &mainWindow);
        bytes[0x179F0 + 14] = 104;                       // gil amount 7 and a shared strength value
        bytes[0x30D33 + 4] = 44;
        (void)saveWholeImage(mainWindow.editorContext(), &mainWindow);
        bytes[0x30010 + 6 * 2 + 5] = 9;                  // armour 2's magic defence
        (void)saveWholeImage(mainWindow.editorContext(), &mainWindow);
        mainWindow.undoLastSave();
        mainWindow.showHistory();
        auto *history = mainWindow.historyWindow();
        history->findChild<QTreeWidget *>(QStringLiteral("pointList"))->setCurrentItem(
            history->findChild<QTreeWidget *>(QStringLiteral("pointList"))->topLevelItem(1));
        services.save(*history, QStringLiteral("history"));
        history->close();
    }

    // Find, with the results of a search for a word in names and dialogue.
    {
        mainWindow.showFind();
        auto *find = mainWindow.findWindow();
        find->searchEdit()->setText(QStringLiteral("herb"));
        services.save(*find, QStringLiteral("find"));
        find->close();
    }

    // Bytes in memory not saved yet (an applied patch, a colour square): Exit asks.
    mainWindow.image().bytes()[0x30010] ^= 1;
    mainWindow.updateSaveState();
    services.setNextName(QStringLiteral("question_save_changes"));
    mainWindow.findChild<QPushButton *>(QStringLiteral("exitButton"))->click(); // answered Cancel
    mainWindow.image().bytes()[0x30010] ^= 1;
    mainWindow.updateSaveState();

    // The emulator command behind "Test in emulator".
    services.setNextName(QStringLiteral("emulator"));
    mainWindow.chooseEmulator();

    mainWindow.loadRom(gba);
    services.save(mainWindow, QStringLiteral("main_window_gba"));
    services.setNextName(QStringLiteral("check_version_gba"));
    mainWindow.findChild<QPushButton *>(QStringLiteral("checkVersionButton"))->click();
    services.setNextName(QStringLiteral("about_gba"));
    mainWindow.findChild<QPushButton *>(QStringLiteral("aboutButton"))->click();
    services.setNextName(QStringLiteral("refusal_gba"));
    mainWindow.launchEditor(EditorKind::Monster);

    mainWindow.loadRom(unknown);
    services.save(mainWindow, QStringLiteral("main_window_unknown"));
    services.setNextName(QStringLiteral("about_unknown"));
    mainWindow.findChild<QPushButton *>(QStringLiteral("aboutButton"))->click();

    services.setNextName(QStringLiteral("open_failed"));
    mainWindow.loadRom(QString::fromStdString((roms / "missing.nes").string()));

    // The start-up messages with no data files.
    CRomEditorDlg bare(services, DataFileLocator({roms / "no-data-here"}));
    bare.initialise();

    fs::remove_all(roms);
    std::cout << "talvek-shots: pictures written to " << directory.string() << '\n';
    return 0;
}
