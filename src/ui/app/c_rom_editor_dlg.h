#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QDialog>

#include "app/editor_context.h"
#include "rom/data_file_locator.h"
#include "rom/editor_contract.h"
#include "rom/nes_palette.h"
#include "rom/rom_image.h"
#include "search/editor_target.h"
#include "text/text_table.h"

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QMenu;
class QPushButton;

namespace Ui {
class CRomEditorDlg;
}

namespace talvek {

class CFindDlg;
class CHistoryDlg;
class UiServices;

// The main window: owns the ROM image, the four text tables and the NES palette for the whole run,
// and launches one modal editor at a time on them.
class CRomEditorDlg : public QDialog {
    Q_OBJECT
public:
    CRomEditorDlg(UiServices &services, DataFileLocator dataFiles, QWidget *parent = nullptr);
    ~CRomEditorDlg() override;

    // Start-up: loads the four tables and the palette (each failure reported, then ignored), then opens
    // romPath, or asks for a ROM when none is given. False when the user cancels that first question:
    // the program then ends.
    bool initialise(const std::optional<QString> &romPath = std::nullopt);

    // "&Open rom": asks for a ROM; a cancel keeps everything. At start-up a cancel returns false.
    bool openRom(bool atStartup);
    // Loads a file as the new image; on failure reports it and keeps the previous image.
    bool loadRom(const QString &path);

    // Runs an editor under the editor contract: refused with its own message when the image is
    // 16 MiB (or unsuitable), otherwise built on the shared image and run modally.
    // With a target, the editor opens at that record (or text entry). A place chosen in the editor's "Where
    // used" list opens next, once it has closed.
    void launchEditor(EditorKind kind, std::optional<EditorTarget> target = std::nullopt);
    // Opens the editor that shows a place, at that place.
    void openPlace(const Place &place);
    // "Find...": the Find window beside this one, searching the image as it is now.
    void showFind();
    // "Test in emulator" (F5): the image in memory goes to a temporary copy, and the emulator command the user
    // set starts on it; asks for the command first when none is set. The ROM file is not touched. A program
    // that cannot start, or that ends with an error, is reported when it does; nothing waits for it.
    void testInEmulator();
    // "Emulator...": asks for the emulator command; false when cancelled.
    bool chooseEmulator();
    // The temporary copy the last "Test in emulator" wrote.
    [[nodiscard]] const QString &emulatorCopyPath() const { return emulatorCopyPath_; }
    [[nodiscard]] static bool editorAvailable(EditorKind kind);

    [[nodiscard]] const RomImage &image() const { return image_; }
    [[nodiscard]] RomImage &image() { return image_; }
    [[nodiscard]] QPushButton *editorButton(EditorKind kind) const;
    [[nodiscard]] QAction *openRomAction() const { return openRomAction_; }
    [[nodiscard]] QAction *createPatchAction() const { return createPatchAction_; }
    [[nodiscard]] QAction *applyPatchAction() const { return applyPatchAction_; }
    [[nodiscard]] QAction *createBpsPatchAction() const { return createBpsPatchAction_; }
    [[nodiscard]] QMenu *recentFilesMenu() const { return recentMenu_; }
    [[nodiscard]] QAction *undoAction() const { return undoAction_; }
    [[nodiscard]] QAction *redoAction() const { return redoAction_; }
    [[nodiscard]] QAction *historyAction() const { return historyAction_; }
    [[nodiscard]] QAction *recordHistoryAction() const { return recordHistoryAction_; }
    [[nodiscard]] CHistoryDlg *historyWindow() const { return historyWindow_; }
    [[nodiscard]] QAction *findAction() const { return findAction_; }
    [[nodiscard]] QAction *testInEmulatorAction() const { return testInEmulatorAction_; }
    [[nodiscard]] CFindDlg *findWindow() const { return findWindow_; }

    // "Undo last save" and "Redo": the file is moved through its restore points, and the image with it.
    void undoLastSave();
    void redoSave();
    // "History...": the restore points of the ROM in a window beside this one.
    void showHistory();
    // Puts the ROM back to its content before restore point number (from 1), after a question.
    void revertToBeforeSave(int number);

    // "Create IPS patch...": from the image as it was opened to the buffer as it is now.
    void createPatch();
    // "Apply patch...": an IPS or BPS patch (told apart by its header) into the buffer; File > Save or the next
    // Save of any editor writes it.
    void applyPatch();
    // File > "Save" (Ctrl+S): the image in memory to the ROM through the one atomic save; false when the save
    // failed or was refused.
    bool saveImage();
    // True when the image in memory differs from the file as Talvek last read or wrote it (an applied patch,
    // changed colours): the title shows a "*".
    [[nodiscard]] bool hasUnsavedBytes() const;
    // The "*" in the title and the Save action follow the unsaved state.
    void updateSaveState();
    [[nodiscard]] QAction *saveAction() const { return saveAction_; }
    // "Create BPS patch...": from the image as it was opened to the buffer as it is now.
    void createBpsPatch();

    // The last five ROMs opened, newest first, kept in the settings.
    static constexpr int kRecentFileCount = 5;
    // What an editor is lent: the image, the tables of its set, the palette and the services.
    [[nodiscard]] EditorContext editorContext();

    // Escape, the close button and File > Exit: asks first when the image has unsaved bytes.
    void reject() override;

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void loadDataFiles();
    void runEditor(EditorKind kind, const std::optional<EditorTarget> &target);
    void rememberRecentFile(const QString &path);
    void fillRecentFilesMenu();
    void updateImageActions();
    // Before the image is closed or replaced: "Save changes to game.nes?" when it has unsaved bytes. Yes saves
    // (a failed save keeps it), No gives them up; false for Cancel or a failed save.
    bool maySetImageAside();
    void checkVersion();
    void showAbout();
    void exitProgram();
    void showPictureFor(SizeClass sizeClass);
    void updateEditorButtons();
    [[nodiscard]] const TextTable &dteTable() const;
    [[nodiscard]] const TextTable &plainTable() const;
    // Whether the image may be replaced by a history move: unsaved bytes in it are given up only on Yes.
    bool mayDropUnsavedBytes(const QString &what);
    // Takes what a history move wrote to the file as the image.
    void adoptWrittenImage(std::vector<std::uint8_t> bytes);
    void updateHistoryActions();
    // The CRC-32s of the file as Talvek last read or wrote it, beside its path.
    void showFileChecksums();
    void moveThroughHistory(bool forward);
    // Asks where to write a patch, makes it and writes it, reporting the outcome.
    void writePatch(const QString &caption, const QString &filter, const QString &extension,
                    const std::function<std::vector<std::uint8_t>()> &makePatch);
    // Reports the outcome of applying a patch that turned the image into applied.
    void adoptPatchedImage(std::vector<std::uint8_t> applied);

    std::unique_ptr<Ui::CRomEditorDlg> ui;
    UiServices &services_;
    DataFileLocator dataFiles_;
    RomImage image_;
    TextTable standardTable_;
    TextTable prototypeTable_;
    TextTable standardDteTable_;
    TextTable prototypeDteTable_;
    NesPalette palette_;
    std::vector<std::uint8_t> openedBytes_; // the image as it was opened, for patches
    SaveState saves_;
    EditorNavigation navigation_;
    QAction *openRomAction_ = nullptr;
    QAction *createPatchAction_ = nullptr;
    QAction *applyPatchAction_ = nullptr;
    QAction *createBpsPatchAction_ = nullptr;
    QMenu *recentMenu_ = nullptr;
    QAction *undoAction_ = nullptr;
    QAction *redoAction_ = nullptr;
    QAction *historyAction_ = nullptr;
    QAction *recordHistoryAction_ = nullptr;
    CHistoryDlg *historyWindow_ = nullptr;
    QAction *findAction_ = nullptr;
    QAction *testInEmulatorAction_ = nullptr;
    QAction *saveAction_ = nullptr;
    QString emulatorCopyPath_;
    CFindDlg *findWindow_ = nullptr;
};

} // namespace talvek
