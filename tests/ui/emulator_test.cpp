#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "app/c_emulator_dlg.h"
#include "app/c_rom_editor_dlg.h"
#include "scripted_ui_services.h"
#include "test_support.h"

namespace talvek {
namespace {

class EmulatorTest : public ::testing::Test {
protected:
    void SetUp() override { QSettings().remove(QStringLiteral("emulatorCommand")); }
    void TearDown() override { QSettings().remove(QStringLiteral("emulatorCommand")); }

    std::unique_ptr<CRomEditorDlg> startOn(const std::vector<std::uint8_t> &bytes)
    {
        services.openAnswers.push_back(QString::fromStdString(dir.write("rom.nes", bytes)));
        auto window = std::make_unique<CRomEditorDlg>(services, DataFileLocator({TALVEK_DATA_DIR}));
        EXPECT_TRUE(window->initialise());
        return window;
    }

    // A stand-in emulator: records its arguments and a copy of the file it was given, then exits with code.
    std::string standIn(int code)
    {
        dir.writeText("emu.sh", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + dir.file("args.txt") + "'\nfor last; do :; done\ncp \"$last\" '"
                                    + dir.file("seen.nes") + "'\necho 'mapper not supported' >&2\nexit "
                                    + std::to_string(code) + "\n");
        std::filesystem::permissions(dir.file("emu.sh"), std::filesystem::perms::owner_all);
        return dir.file("emu.sh");
    }

    test::TempDir dir;
    test::ScriptedUiServices services;
};

TEST_F(EmulatorTest, F5AsksForTheCommandOnceThenRunsItOnACopyOfTheBuffer)
{
    const auto bytes = test::sampleBytes();
    auto window = startOn(bytes);
    window->image().bytes()[0x30010 + 6] = 77; // an edit not saved yet
    const std::string emulator = standIn(0);
    services.onDialog = [&](QDialog &dialog) {
        dialog.findChild<QComboBox *>(QStringLiteral("commandCombo"))->setEditText(
            QString::fromStdString("'" + emulator + "' --fullscreen %f"));
        return QDialog::Accepted;
    };
    window->testInEmulatorAction()->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QString::fromStdString(dir.file("seen.nes"))), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(window->findChildren<QProcess *>().isEmpty(), 5000); // ended and cleaned up
    EXPECT_EQ(test::readFile(dir.file("seen.nes")), window->image().bytes()) << "the buffer, edit included";
    EXPECT_EQ(test::readFile(dir.file("rom.nes")), bytes) << "the ROM is not touched";
    const auto args = test::readFile(dir.file("args.txt"));
    EXPECT_EQ(std::string(args.begin(), args.end()), "--fullscreen\n" + window->emulatorCopyPath().toStdString() + "\n");
    EXPECT_TRUE(services.messages.empty());

    // Set once: the next F5 asks nothing.
    services.onDialog = nullptr;
    services.events.clear();
    std::filesystem::remove(dir.file("seen.nes"));
    window->testInEmulatorAction()->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QString::fromStdString(dir.file("seen.nes"))), 5000);
    EXPECT_TRUE(std::ranges::find(services.events, "dialog emulatorDialog") == services.events.end());
    QTRY_VERIFY_WITH_TIMEOUT(window->findChildren<QProcess *>().isEmpty(), 5000); // ended and cleaned up
}

TEST_F(EmulatorTest, UnsetCancelledMissingAndFailingEmulatorsAreReported)
{
    auto window = startOn(test::sampleBytes());
    window->testInEmulatorAction()->trigger(); // unset, and the question cancelled: nothing runs
    EXPECT_EQ(services.events.back(), "dialog emulatorDialog");
    EXPECT_TRUE(services.messages.empty());

    QSettings().setValue(QStringLiteral("emulatorCommand"), QStringLiteral("/no/such/emulator %f"));
    window->testInEmulatorAction()->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(services.messages.size(), std::size_t{1}, 5000);
    EXPECT_EQ(services.messages[0].text.rfind("The emulator could not be started: ", 0), 0u) << services.messages[0].text;

    QSettings().setValue(QStringLiteral("emulatorCommand"), QString::fromStdString("'" + standIn(3) + "' %f"));
    window->testInEmulatorAction()->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(services.messages.size(), std::size_t{2}, 5000);
    EXPECT_EQ(services.messages[1].text, "The emulator ended with exit code 3.\nmapper not supported");
}

TEST_F(EmulatorTest, BrowseQuotesTheChosenProgramAndAddsTheFile)
{
    CEmulatorDlg dialog(services, QStringLiteral("fceux %f"));
    EXPECT_EQ(dialog.command().toStdString(), "fceux %f");
    services.fileAnswers.push_back(QStringLiteral("/opt/My Emulators/mesen"));
    dialog.findChild<QPushButton *>(QStringLiteral("browseButton"))->click();
    EXPECT_EQ(dialog.command().toStdString(), "\"/opt/My Emulators/mesen\" %f");
}

} // namespace
} // namespace talvek
