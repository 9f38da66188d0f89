#include "c_rom_editor_dlg.h"

#include <cstdlib>
#include <ctime>
#include <utility>

#include <QDir>
#include <QDragEnterEvent>
#include <QProcess>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <QPushButton>

#include "app/c_about.h"
#include "app/c_emulator_dlg.h"
#include "app/c_find_dlg.h"
#include "app/opens_at_record.h"
#include "app/c_history_dlg.h"
#include "app/editor_context.h"
#include "app/ui_services.h"
#include "editors/c_armor.h"
#include "editors/c_character.h"
#include "editors/c_formation.h"
#include "editors/c_monster.h"
#include "editors/c_shop.h"
#include "editors/c_spell.h"
#include "editors/c_weapon.h"
#include "graphics/c_font_dlg.h"
#include "text/c_text.h"
#include "patch/bps_patch.h"
#include "patch/ips_patch.h"
#include "rom/checksum.h"
#include "rom/release_identifier.h"
#include "history/history_store.h"
#include "history/recorded_save.h"
#include "rom/emulator_command.h"
#include "rom/rom_file.h"
#include "app/resource_loader.h"
#include "ui_c_rom_editor_dlg.h"

namespace talvek {
namespace {

QString fromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}

// How many bytes differ between two images, the extra bytes of a longer one included.
std::int64_t differingBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b)
{
    const std::size_t common = std::min(a.size(), b.size());
    std::int64_t count = static_cast<std::int64_t>(std::max(a.size(), b.size()) - common);
    for (std::size_t i = 0; i < common; ++i)
        count += a[i] != b[i];
    return count;
}

} // namespace

CRomEditorDlg::CRomEditorDlg(UiServices &services, DataFileLocator dataFiles, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CRomEditorDlg>()), services_(services), dataFiles_(std::move(dataFiles))
{
    loadResources();
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));

    auto *menuBar = new QMenuBar(this);
    auto *fileMenu = menuBar->addMenu(QStringLiteral("&File"));
    openRomAction_ = fileMenu->addAction(QStringLiteral("&Open rom"));
    openRomAction_->setObjectName(QStringLiteral("openRomAction"));
    openRomAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    recentMenu_ = fileMenu->addMenu(QStringLiteral("Recent files"));
    recentMenu_->setObjectName(QStringLiteral("recentFilesMenu"));
    saveAction_ = fileMenu->addAction(QStringLiteral("Save"));
    saveAction_->setObjectName(QStringLiteral("saveAction"));
    saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveAction_, &QAction::triggered, this, &CRomEditorDlg::saveImage);
    fileMenu->addSeparator();
    createPatchAction_ = fileMenu->addAction(QStringLiteral("Create IPS patch..."));
    createPatchAction_->setObjectName(QStringLiteral("createPatchAction"));
    createBpsPatchAction_ = fileMenu->addAction(QStringLiteral("Create BPS patch..."));
    createBpsPatchAction_->setObjectName(QStringLiteral("createBpsPatchAction"));
    applyPatchAction_ = fileMenu->addAction(QStringLiteral("Apply patch..."));
    applyPatchAction_->setObjectName(QStringLiteral("applyPatchAction"));
    fileMenu->addSeparator();
    historyAction_ = fileMenu->addAction(QStringLiteral("History..."));
    historyAction_->setObjectName(QStringLiteral("historyAction"));
    fileMenu->addSeparator();
    testInEmulatorAction_ = fileMenu->addAction(QStringLiteral("Test in emulator"));
    testInEmulatorAction_->setObjectName(QStringLiteral("testInEmulatorAction"));
    testInEmulatorAction_->setShortcut(QKeySequence(Qt::Key_F5));
    auto *emulatorAction = fileMenu->addAction(QStringLiteral("Emulator..."));
    emulatorAction->setObjectName(QStringLiteral("emulatorAction"));
    connect(testInEmulatorAction_, &QAction::triggered, this, &CRomEditorDlg::testInEmulator);
    connect(emulatorAction, &QAction::triggered, this, &CRomEditorDlg::chooseEmulator);
    fileMenu->addSeparator();
    auto *exitAction = fileMenu->addAction(QStringLiteral("E&xit"));
    exitAction->setObjectName(QStringLiteral("exitAction"));
    auto *editMenu = menuBar->addMenu(QStringLiteral("&Edit"));
    undoAction_ = editMenu->addAction(QStringLiteral("Undo last save"));
    undoAction_->setObjectName(QStringLiteral("undoAction"));
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction_ = editMenu->addAction(QStringLiteral("Redo"));
    redoAction_->setObjectName(QStringLiteral("redoAction"));
    redoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    editMenu->addSeparator();
    findAction_ = editMenu->addAction(QStringLiteral("Find..."));
    findAction_->setObjectName(QStringLiteral("findAction"));
    findAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    editMenu->addSeparator();
    recordHistoryAction_ = editMenu->addAction(QStringLiteral("Record restore points on save"));
    recordHistoryAction_->setObjectName(QStringLiteral("recordHistoryAction"));
    recordHistoryAction_->setCheckable(true);
    recordHistoryAction_->setChecked(QSettings().value(QStringLiteral("recordHistory"), true).toBool());
    layout()->setMenuBar(menuBar);

    saves_.recordHistory = recordHistoryAction_->isChecked();
    saves_.standardNames = &standardDteTable_;
    saves_.prototypeNames = &prototypeDteTable_;
    connect(recordHistoryAction_, &QAction::toggled, this, [this](bool on) {
        saves_.recordHistory = on;
        QSettings().setValue(QStringLiteral("recordHistory"), on);
    });
    connect(undoAction_, &QAction::triggered, this, &CRomEditorDlg::undoLastSave);
    connect(redoAction_, &QAction::triggered, this, &CRomEditorDlg::redoSave);
    connect(historyAction_, &QAction::triggered, this, &CRomEditorDlg::showHistory);
    connect(findAction_, &QAction::triggered, this, &CRomEditorDlg::showFind);

    ui->pictureFf2Label->setPixmap(QPixmap(QStringLiteral(":/pictures/main_ff2.png")));
    ui->pictureGbaLabel->setPixmap(QPixmap(QStringLiteral(":/pictures/main_gba.png")));
    ui->pictureUnknownLabel->setPixmap(QPixmap(QStringLiteral(":/pictures/tiles.png")));

    connect(openRomAction_, &QAction::triggered, this, [this] {
        if (maySetImageAside())
            openRom(false);
    });
    connect(exitAction, &QAction::triggered, this, &CRomEditorDlg::reject);
    connect(createPatchAction_, &QAction::triggered, this, &CRomEditorDlg::createPatch);
    connect(applyPatchAction_, &QAction::triggered, this, &CRomEditorDlg::applyPatch);
    connect(createBpsPatchAction_, &QAction::triggered, this, &CRomEditorDlg::createBpsPatch);
    setAcceptDrops(true);
    fillRecentFilesMenu();
    connect(ui->exitButton, &QPushButton::clicked, this, &CRomEditorDlg::exitProgram);
    connect(ui->aboutButton, &QPushButton::clicked, this, &CRomEditorDlg::showAbout);
    connect(ui->checkVersionButton, &QPushButton::clicked, this, &CRomEditorDlg::checkVersion);
    for (const auto &editor : kEditors)
        connect(editorButton(editor.kind), &QPushButton::clicked, this, [this, kind = editor.kind] { launchEditor(kind); });

    updateEditorButtons();
    updateImageActions();
    ui->exitButton->setFocus();
}

CRomEditorDlg::~CRomEditorDlg() = default;

bool CRomEditorDlg::initialise(const std::optional<QString> &romPath)
{
    loadDataFiles();
    if (romPath)
        loadRom(*romPath);
    else if (!openRom(true))
        return false;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    ui->exitButton->setFocus();
    return true;
}

void CRomEditorDlg::loadDataFiles()
{
    // Order matters: the user sees the failures in this order.
    const std::pair<const TableFile &, TextTable &> tables[] = {
        {kStandardTableFile, standardTable_},
        {kStandardDteTableFile, standardDteTable_},
        {kPrototypeTableFile, prototypeTable_},
        {kPrototypeDteTableFile, prototypeDteTable_},
    };
    for (const auto &[file, table] : tables) {
        const auto path = dataFiles_.find(file.fileName);
        std::vector<int> invalidLines;
        auto loaded = path ? TextTable::loadFromFile(path->string(), &invalidLines) : std::nullopt;
        if (loaded)
            table = std::move(*loaded);
        else
            services_.showMessage(this, QString::fromUtf8(file.failureMessage));
        if (!invalidLines.empty())
            services_.showMessage(this, fromUtf8(invalidTableLinesMessage(file.fileName, invalidLines)));
    }
    const auto palettePath = dataFiles_.find(kPaletteFileName);
    if (!palettePath || !palette_.loadFromFile(palettePath->string()))
        services_.showMessage(this, QString::fromUtf8(kPaletteLoadFailedMessage));
}

bool CRomEditorDlg::openRom(bool atStartup)
{
    const auto chosen = services_.chooseRomToOpen(this);
    if (!chosen)
        return !atStartup;
    loadRom(*chosen);
    return true;
}

bool CRomEditorDlg::loadRom(const QString &givenPath)
{
    // The full path: what the label shows, the recent files keep and the saves write, wherever we started.
    const QString path = QFileInfo(givenPath).absoluteFilePath();
    auto loaded = readRomFile(path.toStdString());
    if (!loaded) {
        services_.showMessage(this, QString::fromUtf8(kOpenFailedMessage));
        return false;
    }
    image_ = std::move(*loaded);
    openedBytes_ = image_.bytes();
    saves_.onDisk = image_.bytes();
    saves_.historyWarningShown = false;
    showPictureFor(image_.sizeClass());
    ui->pathLabel->setText(path);
    ui->pathLabel->setToolTip(path);
    updateEditorButtons();
    updateImageActions();
    rememberRecentFile(path);
    return true;
}

void CRomEditorDlg::updateImageActions()
{
    createPatchAction_->setEnabled(image_.isLoaded());
    createBpsPatchAction_->setEnabled(image_.isLoaded());
    applyPatchAction_->setEnabled(image_.isLoaded());
    ui->checkVersionButton->setEnabled(image_.isLoaded());
    historyAction_->setEnabled(image_.isLoaded());
    testInEmulatorAction_->setEnabled(image_.isLoaded());
    findAction_->setEnabled(image_.isLoaded() && image_.holdsGameLayout());
    if (findWindow_ && findWindow_->isVisible())
        findWindow_->refresh(dteTable());
    updateHistoryActions();
}

bool CRomEditorDlg::hasUnsavedBytes() const
{
    return image_.isLoaded() && image_.bytes() != saves_.onDisk;
}

void CRomEditorDlg::updateSaveState()
{
    const bool unsaved = hasUnsavedBytes();
    setWindowTitle(unsaved ? QStringLiteral("Talvek *") : QStringLiteral("Talvek"));
    saveAction_->setEnabled(unsaved);
}

bool CRomEditorDlg::saveImage()
{
    if (!hasUnsavedBytes())
        return true;
    const bool saved = saveWholeImage(editorContext(), this);
    updateImageActions();
    return saved;
}

bool CRomEditorDlg::maySetImageAside()
{
    if (!hasUnsavedBytes())
        return true;
    const QString name = QFileInfo(QString::fromStdString(image_.path())).fileName();
    switch (services_.askYesNoCancel(this, QStringLiteral("Save changes to %1?").arg(name))) {
    case UiServices::Answer::Yes: return saveImage();
    case UiServices::Answer::No: return true;
    case UiServices::Answer::Cancel: break;
    }
    return false;
}

void CRomEditorDlg::reject()
{
    if (maySetImageAside())
        QDialog::reject();
}

void CRomEditorDlg::showFileChecksums()
{
    if (!image_.isLoaded()) {
        ui->crcLabel->clear();
        return;
    }
    const std::span<const std::uint8_t> file = saves_.onDisk;
    const auto hex = [](std::uint32_t crc) { return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0')); };
    ui->crcLabel->setText(QStringLiteral("CRC32 %1").arg(hex(crc32Of(file))));
    ui->crcLabel->setToolTip(QStringLiteral("CRC32 of the whole file: %1\nCRC32 without the 16-byte header: %2")
                                 .arg(hex(crc32Of(file)))
                                 .arg(hex(crc32WithoutHeader(file))));
}

void CRomEditorDlg::updateHistoryActions()
{
    showFileChecksums();
    HistoryStore store(image_.path());
    std::string error;
    const bool known = image_.isLoaded() && store.load(&error, false);
    undoAction_->setEnabled(known && store.head() > 0);
    redoAction_->setEnabled(known && store.head() < store.points().size());
    if (historyWindow_ && image_.isLoaded())
        historyWindow_->showHistoryOf(image_.path());
    updateSaveState();
}

bool CRomEditorDlg::mayDropUnsavedBytes(const QString &what)
{
    if (image_.bytes() == saves_.onDisk)
        return true;
    return services_.askYesNo(this, QStringLiteral("The image in memory has changes that are not saved (an applied "
                                                   "patch or changed colours). Discard them and %1?")
                                        .arg(what));
}

void CRomEditorDlg::adoptWrittenImage(std::vector<std::uint8_t> bytes)
{
    saves_.onDisk = bytes;
    // The size may change with the save undone: the image is classified again, as on opening.
    image_ = RomImage(std::move(bytes), image_.path());
    showPictureFor(image_.sizeClass());
    updateEditorButtons();
    updateHistoryActions();
}

void CRomEditorDlg::undoLastSave()
{
    moveThroughHistory(false);
}

void CRomEditorDlg::redoSave()
{
    moveThroughHistory(true);
}

void CRomEditorDlg::moveThroughHistory(bool forward)
{
    if (!image_.isLoaded() || !mayDropUnsavedBytes(forward ? QStringLiteral("redo the save") : QStringLiteral("undo the last save")))
        return;
    auto report = forward ? talvek::redoSave(image_.path()) : talvek::undoLastSave(image_.path());
    if (report.outcome != SaveOutcome::Saved) {
        services_.showMessage(this, (forward ? QStringLiteral("Nothing was redone: %1.") : QStringLiteral("Nothing was undone: %1."))
                                        .arg(fromUtf8(report.error)));
        updateHistoryActions();
        return;
    }
    adoptWrittenImage(std::move(report.written));
}

void CRomEditorDlg::showHistory()
{
    if (!image_.isLoaded())
        return;
    if (!historyWindow_) {
        historyWindow_ = new CHistoryDlg(saves_, this);
        connect(historyWindow_, &CHistoryDlg::revertRequested, this, &CRomEditorDlg::revertToBeforeSave);
    }
    historyWindow_->showHistoryOf(image_.path());
    historyWindow_->show();
    historyWindow_->raise();
}

void CRomEditorDlg::revertToBeforeSave(int number)
{
    QWidget *parent = historyWindow_ && historyWindow_->isVisible() ? static_cast<QWidget *>(historyWindow_) : this;
    const QString name = QFileInfo(QString::fromStdString(image_.path())).fileName();
    if (!services_.askYesNo(parent, QStringLiteral("Revert %1 to its content before save %2? The revert is saved with "
                                                   "a restore point of its own, so it can be undone.")
                                        .arg(name)
                                        .arg(number)))
        return;
    if (!mayDropUnsavedBytes(QStringLiteral("revert")))
        return;
    const auto summarize = saves_.recordHistory ? restorePointSummarizer(saves_) : ChangeSummarizer();
    auto report = revertToBefore(image_.path(), static_cast<std::size_t>(number), false, summarize);
    if (report.outcome != SaveOutcome::Saved && report.changedOutside
        && services_.askYesNo(parent, QStringLiteral("%1.\n\nRevert anyway? The bytes of the saves are put back "
                                                     "and the other changes stay.")
                                          .arg(fromUtf8(report.error))))
        report = revertToBefore(image_.path(), static_cast<std::size_t>(number), true, summarize);
    if (report.outcome != SaveOutcome::Saved) {
        services_.showMessage(parent, QStringLiteral("Nothing was reverted: %1.").arg(fromUtf8(report.error)));
        updateHistoryActions();
        return;
    }
    adoptWrittenImage(std::move(report.written));
}

void CRomEditorDlg::rememberRecentFile(const QString &path)
{
    QSettings settings;
    QStringList files = settings.value(QStringLiteral("recentFiles")).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFileCount)
        files.removeLast();
    settings.setValue(QStringLiteral("recentFiles"), files);
    fillRecentFilesMenu();
}

void CRomEditorDlg::fillRecentFilesMenu()
{
    recentMenu_->clear();
    const QStringList files = QSettings().value(QStringLiteral("recentFiles")).toStringList();
    for (const QString &file : files)
        connect(recentMenu_->addAction(file), &QAction::triggered, this, [this, file] {
            if (maySetImageAside())
                loadRom(file);
        });
    recentMenu_->setEnabled(!files.isEmpty());
}

void CRomEditorDlg::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.constFirst().isLocalFile())
        event->acceptProposedAction();
}

void CRomEditorDlg::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.constFirst().isLocalFile())
        return;
    event->acceptProposedAction();
    if (maySetImageAside())
        loadRom(urls.constFirst().toLocalFile());
}

void CRomEditorDlg::createPatch()
{
    writePatch(QStringLiteral("Create IPS patch"), QStringLiteral("IPS patches (*.ips)"), QStringLiteral("ips"),
               [this] { return ips::createPatch(openedBytes_, image_.bytes()); });
}

void CRomEditorDlg::createBpsPatch()
{
    writePatch(QStringLiteral("Create BPS patch"), QStringLiteral("BPS patches (*.bps)"), QStringLiteral("bps"),
               [this] { return bps::createPatch(openedBytes_, image_.bytes()); });
}

void CRomEditorDlg::writePatch(const QString &caption, const QString &filter, const QString &extension,
                               const std::function<std::vector<std::uint8_t>()> &makePatch)
{
    if (!image_.isLoaded())
        return;
    // game.ips beside game.nes is offered; a name typed without an extension gets the patch's own.
    const QFileInfo rom(QString::fromStdString(image_.path()));
    auto path = services_.chooseFileToSave(this, caption, filter,
                                           rom.dir().filePath(rom.completeBaseName() + QLatin1Char('.') + extension));
    if (!path)
        return;
    if (QFileInfo(*path).suffix().isEmpty())
        *path += QLatin1Char('.') + extension;
    try {
        if (!saveRomFile(path->toStdString(), makePatch())) {
            services_.showMessage(this, QStringLiteral("Unable to write the patch."));
            return;
        }
        services_.showMessage(this, QStringLiteral("The patch was written to %1.").arg(*path));
    } catch (const std::runtime_error &error) { // a change IPS cannot address
        services_.showMessage(this, QString::fromUtf8(error.what()));
    }
}

void CRomEditorDlg::applyPatch()
{
    if (!image_.isLoaded())
        return;
    const auto path = services_.chooseFileToOpen(this, QStringLiteral("Apply patch"),
                                                 QStringLiteral("Patches (*.ips *.bps);;All files (*)"));
    if (!path)
        return;
    const auto patch = readRomFile(path->toStdString());
    if (!patch) {
        services_.showMessage(this, QStringLiteral("Unable to read the patch."));
        return;
    }
    if (bps::looksLikeBps(patch->bytes())) {
        try {
            adoptPatchedImage(bps::applyPatch(image_.bytes(), patch->bytes()));
        } catch (const bps::PatchError &error) {
            services_.showMessage(this, QStringLiteral("The patch was not applied: %1.").arg(fromUtf8(error.what())));
        }
        return;
    }
    try {
        adoptPatchedImage(ips::applyPatch(image_.bytes(), patch->bytes()).bytes);
    } catch (const ips::PatchError &error) {
        services_.showMessage(this, QString::fromUtf8(error.what()));
    }
}

void CRomEditorDlg::adoptPatchedImage(std::vector<std::uint8_t> applied)
{
    // What differs afterwards, not what the patch wrote: a patch may write bytes that were already so.
    const auto differing = differingBytes(image_.bytes(), applied);
    // The patch may change the size: the image is classified again, as on opening.
    image_ = RomImage(std::move(applied), image_.path());
    showPictureFor(image_.sizeClass());
    updateEditorButtons();
    updateImageActions();
    services_.showMessage(this, differing == 0
                                    ? QStringLiteral("The patch changed nothing: the image already holds its bytes.")
                                    : QStringLiteral("The patch changed %1 %2. File > Save (Ctrl+S) writes them to the "
                                                     "ROM.")
                                          .arg(differing)
                                          .arg(differing == 1 ? QStringLiteral("byte") : QStringLiteral("bytes")));
}

void CRomEditorDlg::showPictureFor(SizeClass sizeClass)
{
    ui->pictureFf2Label->setVisible(sizeClass == SizeClass::Ff2 || sizeClass == SizeClass::Combo);
    ui->pictureGbaLabel->setVisible(sizeClass == SizeClass::Gba);
    ui->pictureUnknownLabel->setVisible(sizeClass == SizeClass::Unknown);
}

bool CRomEditorDlg::editorAvailable(EditorKind kind)
{
    // Each editor joins here as it is built.
    switch (kind) {
    case EditorKind::Armor:
    case EditorKind::Character:
    case EditorKind::Font:
    case EditorKind::Text:
    case EditorKind::Weapon:
    case EditorKind::Spells:
    case EditorKind::Monster:
    case EditorKind::Shop:
    case EditorKind::Formation: return true;
    }
    return false;
}

QPushButton *CRomEditorDlg::editorButton(EditorKind kind) const
{
    switch (kind) {
    case EditorKind::Armor: return ui->armorEditorButton;
    case EditorKind::Character: return ui->characterEditorButton;
    case EditorKind::Monster: return ui->monsterEditorButton;
    case EditorKind::Spells: return ui->spellsEditorButton;
    case EditorKind::Weapon: return ui->weaponEditorButton;
    case EditorKind::Text: return ui->textEditorButton;
    case EditorKind::Shop: return ui->shopEditorButton;
    case EditorKind::Font: return ui->fontEditorButton;
    case EditorKind::Formation: return ui->formationEditorButton;
    }
    return nullptr;
}

void CRomEditorDlg::updateEditorButtons()
{
    // An editor needs an image; one that is not built yet stays disabled.
    for (const auto &editor : kEditors)
        editorButton(editor.kind)->setEnabled(image_.isLoaded() && editorAvailable(editor.kind));
}

const TextTable &CRomEditorDlg::dteTable() const
{
    return image_.isPrototype() ? prototypeDteTable_ : standardDteTable_;
}

const TextTable &CRomEditorDlg::plainTable() const
{
    return image_.isPrototype() ? prototypeTable_ : standardTable_;
}

void CRomEditorDlg::showFind()
{
    if (!image_.isLoaded())
        return;
    if (!findWindow_) {
        findWindow_ = new CFindDlg(image_, this);
        connect(findWindow_, &CFindDlg::placeChosen, this, [this](const Place &place) {
            openPlace(place);
            // Back to the results, with the names as the editor left them.
            if (image_.isLoaded())
                showFind();
        });
    }
    findWindow_->refresh(dteTable());
    findWindow_->show();
    findWindow_->raise();
    findWindow_->activateWindow();
    findWindow_->searchEdit()->setFocus();
    findWindow_->searchEdit()->selectAll();
}

bool CRomEditorDlg::chooseEmulator()
{
    CEmulatorDlg dialog(services_, QSettings().value(QStringLiteral("emulatorCommand")).toString(), this);
    if (services_.runDialog(dialog) != QDialog::Accepted)
        return false;
    QSettings().setValue(QStringLiteral("emulatorCommand"), dialog.command());
    return true;
}

void CRomEditorDlg::testInEmulator()
{
    if (!image_.isLoaded())
        return;
    if (QSettings().value(QStringLiteral("emulatorCommand")).toString().trimmed().isEmpty() && !chooseEmulator())
        return;
    const std::string command = QSettings().value(QStringLiteral("emulatorCommand")).toString().toStdString();

    // A fixed folder per user, so copies do not pile up; the ROM's own name, so the emulator shows it.
    const QString folder = QDir::temp().filePath(QStringLiteral("talvek-emulator"));
    QDir().mkpath(folder);
    emulatorCopyPath_ = QDir(folder).filePath(QFileInfo(QString::fromStdString(image_.path())).fileName());
    if (!saveRomFile(emulatorCopyPath_.toStdString(), image_.bytes())) {
        services_.showMessage(this, QStringLiteral("Unable to write the copy for the emulator: %1").arg(emulatorCopyPath_));
        return;
    }
    EmulatorCommandError error;
    const auto launch = parseEmulatorCommand(command, emulatorCopyPath_.toStdString(), &error);
    if (!launch) {
        services_.showMessage(this, QStringLiteral("Cannot start the emulator: %1.").arg(fromUtf8(error.message)));
        return;
    }
    auto *process = new QProcess(this);
    process->setProgram(fromUtf8(launch->program));
    QStringList arguments;
    for (const std::string &argument : launch->arguments)
        arguments << fromUtf8(argument);
    process->setArguments(arguments);
    process->setStandardOutputFile(QProcess::nullDevice()); // an unread pipe would stop a talkative emulator
    auto errors = std::make_shared<QByteArray>();
    connect(process, &QProcess::readyReadStandardError, process, [process, errors] {
        *errors += process->readAllStandardError();
        if (errors->size() > 2000)
            *errors = errors->right(2000); // the last lines say why it ended
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError failure) {
        if (failure != QProcess::FailedToStart)
            return;
        services_.showMessage(this, QStringLiteral("The emulator could not be started: %1").arg(process->errorString()));
        process->deleteLater();
    });
    connect(process, &QProcess::finished, this, [this, process, errors](int exitCode, QProcess::ExitStatus status) {
        if (status == QProcess::CrashExit || exitCode != 0)
            services_.showMessage(this, QStringLiteral("The emulator ended with %1.\n%2")
                                            .arg(status == QProcess::CrashExit ? QStringLiteral("a crash")
                                                                               : QStringLiteral("exit code %1").arg(exitCode),
                                                 QString::fromLocal8Bit(errors->trimmed())));
        process->deleteLater();
    });
    process->start();
}

void CRomEditorDlg::openPlace(const Place &place)
{
    if (const auto target = editorTargetOf(place))
        launchEditor(target->kind, target);
}

void CRomEditorDlg::launchEditor(EditorKind kind, std::optional<EditorTarget> target)
{
    // A "Where used" row closes its editor and names the next place: the loop opens it.
    for (;;) {
        if (const auto refusal = editorRefusal(kind, image_)) {
            services_.showMessage(this, fromUtf8(*refusal));
            return;
        }
        navigation_.next.reset();
        runEditor(kind, target);
        if (!navigation_.next)
            return;
        target = editorTargetOf(*std::exchange(navigation_.next, std::nullopt));
        if (!target)
            return;
        kind = target->kind;
    }
}

void CRomEditorDlg::runEditor(EditorKind kind, const std::optional<EditorTarget> &target)
{
    const EditorContext context = editorContext();
    std::unique_ptr<QDialog> editor;
    switch (kind) {
    case EditorKind::Armor: editor = std::make_unique<CArmor>(context, this); break;
    case EditorKind::Character: editor = std::make_unique<CCharacter>(context, this); break;
    case EditorKind::Font: editor = std::make_unique<CFontDlg>(context, this); break;
    case EditorKind::Text: editor = std::make_unique<CText>(context, this); break;
    case EditorKind::Weapon: editor = std::make_unique<CWeapon>(context, this); break;
    case EditorKind::Spells: editor = std::make_unique<CSpell>(context, this); break;
    case EditorKind::Monster: editor = std::make_unique<CMonster>(context, this); break;
    case EditorKind::Shop: editor = std::make_unique<CShop>(context, this); break;
    case EditorKind::Formation: editor = std::make_unique<CFormation>(context, this); break;
    }
    if (auto *selectable = dynamic_cast<OpensAtRecord *>(editor.get()); selectable && target)
        selectable->openAt(*target);
    services_.runDialog(*editor);
    updateHistoryActions();
}

EditorContext CRomEditorDlg::editorContext()
{
    return {image_, dteTable(), plainTable(), palette_, services_, saves_, navigation_};
}

void CRomEditorDlg::checkVersion()
{
    if (const auto message = identifyRelease(image_))
        services_.showMessage(this, fromUtf8(message->text), fromUtf8(message->caption));
}

void CRomEditorDlg::showAbout()
{
    CAbout about(image_.size(), this);
    services_.runDialog(about);
}

void CRomEditorDlg::exitProgram()
{
    if (!maySetImageAside())
        return;
    image_.release();
    QDialog::reject();
}

} // namespace talvek
