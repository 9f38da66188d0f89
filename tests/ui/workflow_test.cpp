#include <QAction>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSettings>

#include "app/c_rom_editor_dlg.h"
#include "main_window_fixture.h"
#include "editors/c_armor.h"
#include "patch/bps_patch.h"
#include "patch/ips_patch.h"
#include "rom/checksum.h"

#include <QLabel>
#include <cstdio>

namespace talvek {
namespace {

class WorkflowTest : public test::MainWindowFixture {};

TEST_F(WorkflowTest, CreatePatchFromTheOpenedImageToTheBuffer)
{
    const auto rom = dir.write("rom.nes", test::sampleBytes());
    auto window = startOn(rom);
    window->image().bytes()[0x30010] = 42;
    const auto patch = dir.file("change.ips");
    services.fileAnswers = {QString::fromStdString(patch)};
    window->createPatchAction()->trigger();
    EXPECT_EQ(services.events.back(), "message");
    const auto applied = ips::applyPatch(test::sampleBytes(), test::readFile(patch));
    EXPECT_EQ(applied.bytes, window->image().bytes());
    EXPECT_EQ(test::readFile(rom), test::sampleBytes()) << "the ROM itself is not saved";
}

TEST_F(WorkflowTest, ApplyPatchChangesTheBufferAndLeavesSavingToTheUser)
{
    const auto rom = dir.write("rom.nes", test::sampleBytes());
    auto changed = test::sampleBytes();
    changed[0x30011] = 7;
    changed[0x30012] = 8;
    const auto patch = dir.write("p.ips", ips::createPatch(test::sampleBytes(), changed));
    auto window = startOn(rom);
    services.fileAnswers = {QString::fromStdString(patch)};
    window->applyPatchAction()->trigger();
    EXPECT_EQ(window->image().bytes(), changed);
    ASSERT_FALSE(services.messages.empty());
    EXPECT_EQ(services.messages.back().text.rfind("The patch changed 2 bytes. File > Save (Ctrl+S) writes them", 0), 0u)
        << services.messages.back().text;
    EXPECT_EQ(test::readFile(rom), test::sampleBytes());

    const auto damaged = dir.write("bad.ips", {'P', 'A', 'T', 'C', 'H', 0, 0});
    services.fileAnswers = {QString::fromStdString(damaged)};
    window->applyPatchAction()->trigger();
    EXPECT_EQ(window->image().bytes(), changed) << "a damaged patch changes nothing";
    EXPECT_NE(services.messages.back().text.find("damaged"), std::string::npos);

    services.fileAnswers = {std::nullopt};
    window->applyPatchAction()->trigger();
    EXPECT_EQ(window->image().bytes(), changed);
}

TEST_F(WorkflowTest, BpsPatchesAreMadeAndAppliedAndTheirSourceIsChecked)
{
    const auto rom = dir.write("rom.nes", test::sampleBytes());
    auto window = startOn(rom);
    EXPECT_EQ(window->applyPatchAction()->text(), QStringLiteral("Apply patch..."));
    window->image().bytes()[0x30010] = 42;
    const auto patch = dir.file("change.bps");
    services.fileAnswers = {QString::fromStdString(patch)};
    window->createBpsPatchAction()->trigger();
    EXPECT_EQ(bps::applyPatch(test::sampleBytes(), test::readFile(patch)), window->image().bytes());
    EXPECT_EQ(test::readFile(rom), test::sampleBytes()) << "the ROM itself is not saved";

    // Applied to the image it was made for, by its header; refused, naming both CRC-32s, on another.
    auto other = startOn(dir.write("other.nes", test::sampleBytes()));
    services.fileAnswers = {QString::fromStdString(patch)};
    other->applyPatchAction()->trigger();
    EXPECT_EQ(other->image().bytes()[0x30010], 42);
    EXPECT_NE(services.messages.back().text.find("The patch changed 1 byte."), std::string::npos)
        << services.messages.back().text;
    const auto before = other->image().bytes();
    services.fileAnswers = {QString::fromStdString(patch)};
    other->applyPatchAction()->trigger();
    EXPECT_EQ(other->image().bytes(), before);
    char expected[64];
    std::snprintf(expected, sizeof expected, "whose CRC32 is %08x; this ROM's CRC32 is %08x", crc32Of(test::sampleBytes()),
                  crc32Of(before));
    EXPECT_NE(services.messages.back().text.find(expected), std::string::npos) << services.messages.back().text;
}

TEST_F(WorkflowTest, TheFilesChecksumsStandBesideItsPath)
{
    const auto bytes = test::sampleBytes();
    auto window = startOn(dir.write("rom.nes", bytes));
    const auto *label = window->findChild<QLabel *>(QStringLiteral("crcLabel"));
    ASSERT_NE(label, nullptr);
    char whole[16], headerless[16];
    std::snprintf(whole, sizeof whole, "%08x", crc32Of(bytes));
    std::snprintf(headerless, sizeof headerless, "%08x", crc32WithoutHeader(bytes));
    EXPECT_EQ(label->text().toStdString(), std::string("CRC32 ") + whole);
    EXPECT_NE(label->toolTip().toStdString().find(std::string("without the 16-byte header: ") + headerless), std::string::npos);

    // A Save changes the file, and the label with it; a change only in memory does not.
    window->image().bytes()[0x30016] = 99;
    EXPECT_EQ(label->text().toStdString(), std::string("CRC32 ") + whole);
    services.onDialog = [](QDialog &dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("saveButton")), Qt::LeftButton);
        return QDialog::Rejected;
    };
    window->launchEditor(EditorKind::Armor);
    std::snprintf(whole, sizeof whole, "%08x", crc32Of(test::readFile(window->image().path())));
    EXPECT_EQ(label->text().toStdString(), std::string("CRC32 ") + whole);
}

TEST_F(WorkflowTest, RecentFilesSurviveARestart)
{
    const auto first = dir.write("first.nes", test::sampleBytes());
    const auto second = dir.write("second.nes", test::sampleBytes(SampleKind::Prototype));
    {
        auto window = startOn(first);
        window->loadRom(QString::fromStdString(second));
        window->loadRom(QString::fromStdString(first));
    }
    auto window = startOn(second);
    const auto actions = window->recentFilesMenu()->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), QString::fromStdString(second));
    EXPECT_EQ(actions[1]->text(), QString::fromStdString(first));
    actions[1]->trigger();
    EXPECT_EQ(window->image().path(), first);

    for (int i = 0; i < 7; ++i)
        window->loadRom(QString::fromStdString(dir.write("r" + std::to_string(i) + ".nes", test::sampleBytes())));
    EXPECT_EQ(window->recentFilesMenu()->actions().size(), CRomEditorDlg::kRecentFileCount);
}

TEST_F(WorkflowTest, ADroppedFileOpens)
{
    const auto first = dir.write("first.nes", test::sampleBytes());
    const auto dropped = dir.write("dropped.nes", test::sampleBytes(SampleKind::Combo));
    auto window = startOn(first);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dropped))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(window->image().path(), dropped);
    EXPECT_EQ(window->image().romBase(), 0x40000);
}

TEST_F(WorkflowTest, CtrlSSavesAndTheListKeepsTheFocus)
{
    openSample();
    CArmor dialog(context());
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto *list = find<QListWidget>(dialog, "armorList");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentRow(), 1);
    type(dialog, "defenseEdit", QStringLiteral("77"));
    QTest::keyClick(&dialog, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(image.bytes()[0x30010 + 6], 77);
    EXPECT_EQ(savedFile(), image.bytes());
    EXPECT_TRUE(list->hasFocus());
}

} // namespace
} // namespace talvek
