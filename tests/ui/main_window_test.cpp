#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "app/application_identity.h"
#include "app/c_about.h"
#include "app/c_rom_editor_dlg.h"
#include "scripted_ui_services.h"
#include "test_support.h"

namespace talvek {
namespace {

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

class MainWindowTest : public ::testing::Test {
protected:
    DataFileLocator shippedData() const { return DataFileLocator({TALVEK_DATA_DIR}); }

    // A main window started on a ROM file written from bytes.
    std::unique_ptr<CRomEditorDlg> startOn(const std::vector<std::uint8_t> &bytes, const std::string &name = "rom.nes")
    {
        services.openAnswers.push_back(q(dir.write(name, bytes)));
        auto window = std::make_unique<CRomEditorDlg>(services, shippedData());
        EXPECT_TRUE(window->initialise());
        return window;
    }

    QLabel *label(CRomEditorDlg &window, const char *name) { return window.findChild<QLabel *>(q(name)); }
    QPushButton *button(QWidget &window, const char *name) { return window.findChild<QPushButton *>(q(name)); }

    test::TempDir dir;
    test::ScriptedUiServices services;
};

TEST_F(MainWindowTest, StartingWithoutDataFilesShowsFiveMessagesInOrderThenAsks)
{
    CRomEditorDlg window(services, DataFileLocator({dir.path()}));
    EXPECT_FALSE(window.initialise()) << "cancelling the first Open ends the program";
    ASSERT_EQ(services.events, (std::vector<std::string>{"message", "message", "message", "message", "message", "open"}));
    const std::vector<std::string> expected = {
        "Could not load the standard table.\nSome of the text will not display.",
        "Could not load the standard DTE table.\nSome of the text will not display.",
        "Could not load the Prototype table.\nSome of the text will not display.",
        "Could not load the Prototype DTE table.\nSome of the text will not display.",
        "Could not load the palette file. Colors will not display properly.",
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(services.messages[i].text, expected[i]);
        EXPECT_EQ(services.messages[i].caption, "Talvek");
    }
}

TEST_F(MainWindowTest, TableLinesThatAreNotUtf8AreReportedWithFileAndLine)
{
    for (const char *name : {"StandardDTETable.tbl", "Prototype.tbl", "PrototypeDTE.tbl", "NESPalette.pal"})
        std::filesystem::copy_file(std::filesystem::path(TALVEK_DATA_DIR) / name, dir.path() / name);
    dir.writeText("StandardTable.tbl", "\xEF\xBB\xBF" "01=\\n\n8A=A\nC3=\xE9\n");
    CRomEditorDlg window(services, DataFileLocator({dir.path()}));
    EXPECT_FALSE(window.initialise());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "StandardTable.tbl: line 3 is not valid UTF-8 and could not be read.\n"
                                         "Tables are read as UTF-8; save the file in that encoding.");
}

TEST_F(MainWindowTest, StartsQuietlyOnTheSampleAndShowsItsPath)
{
    auto window = startOn(test::sampleBytes());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Talvek"));
    EXPECT_EQ(label(*window, "pathLabel")->text(), q(dir.file("rom.nes")));
    EXPECT_EQ(window->image().size(), 0x40010);
    EXPECT_TRUE(window->focusWidget() == nullptr || window->focusWidget() == button(*window, "exitButton"));
}

TEST_F(MainWindowTest, PictureFollowsTheSizeClass)
{
    const struct {
        std::size_t size;
        const char *shown;
    } cases[] = {{0x40010, "pictureFf2Label"}, {0x80010, "pictureFf2Label"}, {0x1000000, "pictureGbaLabel"},
                 {0x40011, "pictureUnknownLabel"}, {1000, "pictureUnknownLabel"}};
    for (const auto &c : cases) {
        auto window = startOn(std::vector<std::uint8_t>(c.size));
        for (const char *picture : {"pictureFf2Label", "pictureGbaLabel", "pictureUnknownLabel"})
            EXPECT_EQ(label(*window, picture)->isHidden(), std::string(picture) != c.shown) << c.size << picture;
    }
}

TEST_F(MainWindowTest, ReopenCancelledOrFailedKeepsEverything)
{
    auto window = startOn(test::sampleBytes(SampleKind::Combo), "combo.nes");
    const auto before = window->image().bytes();

    services.openAnswers.push_back(std::nullopt);
    window->openRomAction()->trigger();
    services.openAnswers.push_back(q(dir.file("missing.nes")));
    window->openRomAction()->trigger();
    services.openAnswers.push_back(q(dir.path().string()));
    window->openRomAction()->trigger();

    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0].text, "Failed to open a ROM.");
    EXPECT_EQ(services.messages[1].text, "Failed to open a ROM.") << "a directory is no ROM";
    EXPECT_EQ(window->image().bytes(), before);
    EXPECT_EQ(window->image().romBase(), 0x40000);
    EXPECT_EQ(label(*window, "pathLabel")->text(), q(dir.file("combo.nes")));
    EXPECT_FALSE(label(*window, "pictureFf2Label")->isHidden());
}

TEST_F(MainWindowTest, ReopenReplacesTheImage)
{
    auto window = startOn(test::sampleBytes(SampleKind::Prototype), "proto.nes");
    EXPECT_TRUE(window->image().isPrototype());
    services.openAnswers.push_back(q(dir.write("gba.gba", test::sampleBytes(SampleKind::Gba))));
    window->openRomAction()->trigger();
    EXPECT_FALSE(window->image().isPrototype());
    EXPECT_EQ(window->image().size(), 0x1000000);
    EXPECT_FALSE(label(*window, "pictureGbaLabel")->isHidden());
    EXPECT_TRUE(label(*window, "pictureFf2Label")->isHidden());
}

TEST_F(MainWindowTest, FirstOpenFailingLeavesTheWindowWithoutAnImage)
{
    services.openAnswers.push_back(q(dir.file("missing.nes")));
    CRomEditorDlg window(services, shippedData());
    EXPECT_TRUE(window.initialise());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Failed to open a ROM.");
    EXPECT_FALSE(window.image().isLoaded());
    for (const auto &editor : kEditors)
        EXPECT_FALSE(window.editorButton(editor.kind)->isEnabled());
    EXPECT_FALSE(button(window, "checkVersionButton")->isEnabled());
}

TEST_F(MainWindowTest, RelativePathsAreShownAndRememberedInFull)
{
    const QString started = QDir::currentPath();
    dir.write("rom.nes", test::sampleBytes());
    QDir::setCurrent(q(dir.path().string()));
    services.openAnswers.push_back(QStringLiteral("rom.nes"));
    CRomEditorDlg window(services, shippedData());
    EXPECT_TRUE(window.initialise());
    QDir::setCurrent(started);
    const QString full = QFileInfo(q(dir.file("rom.nes"))).absoluteFilePath();
    EXPECT_EQ(label(window, "pathLabel")->text(), full);
    EXPECT_EQ(window.recentFilesMenu()->actions().value(0)->text(), full);
    EXPECT_EQ(q(window.image().path()), full) << "saves go to the file opened, wherever the program moves";
    EXPECT_TRUE(button(window, "checkVersionButton")->isEnabled());
}

TEST_F(MainWindowTest, SettingsCarryTalveksName)
{
    const QString organisation = QCoreApplication::organizationName();
    setApplicationIdentity();
    const QString settingsFile = QSettings().fileName();
    QCoreApplication::setOrganizationName(organisation);
    EXPECT_TRUE(settingsFile.contains(QStringLiteral("Talvek/Talvek"))) << settingsFile.toStdString();
    EXPECT_FALSE(settingsFile.contains(QStringLiteral("AppWizard")));
}

TEST_F(MainWindowTest, CheckVersionNamesTheRelease)
{
    auto window = startOn(test::sampleBytes(SampleKind::Prototype));
    QTest::mouseClick(button(*window, "checkVersionButton"), Qt::LeftButton);
    QTest::mouseClick(button(*window, "checkVersionButton"), Qt::LeftButton);
    ASSERT_EQ(services.messages.size(), 2u) << "pressing again repeats the message";
    EXPECT_EQ(services.messages[0].text, "This looks like the prototype cart. Everything is supported for this version.");
    EXPECT_EQ(services.messages[0].caption, "Talvek");

    auto ff1 = test::sampleBytes();
    SampleImageBuilder::stampRelease(ff1, 0, Release::FinalFantasy1);
    window = startOn(ff1);
    QTest::mouseClick(button(*window, "checkVersionButton"), Qt::LeftButton);
    EXPECT_EQ(services.messages.back().caption, "Final Fantasy 1");

    window = startOn(test::sampleBytes(SampleKind::Gba), "dos.gba");
    QTest::mouseClick(button(*window, "checkVersionButton"), Qt::LeftButton);
    EXPECT_EQ(services.messages.back().caption, "Give it time... it'll happen");

    const auto count = services.messages.size();
    window = startOn(std::vector<std::uint8_t>(0x1000000), "other.gba");
    QTest::mouseClick(button(*window, "checkVersionButton"), Qt::LeftButton);
    EXPECT_EQ(services.messages.size(), count) << "another 16 MiB game: no message";
}

TEST_F(MainWindowTest, EditorButtonsHaveTheirCaptions)
{
    auto window = startOn(test::sampleBytes());
    for (const auto &editor : kEditors) {
        QPushButton *editorButton = window->editorButton(editor.kind);
        ASSERT_NE(editorButton, nullptr);
        EXPECT_EQ(editorButton->text(), q(std::string(editor.caption)));
        EXPECT_EQ(editorButton->isEnabled(), CRomEditorDlg::editorAvailable(editor.kind));
        EXPECT_FALSE(editorButton->autoDefault()) << "no button is the default";
    }
}

TEST_F(MainWindowTest, EditorsRefuseA16MiBImageWithTheirOwnMessage)
{
    auto window = startOn(test::sampleBytes(SampleKind::Gba), "dos.gba");
    for (const auto &editor : kEditors) {
        services.messages.clear();
        window->launchEditor(editor.kind);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, std::string(editor.gbaRefusal));
        EXPECT_EQ(services.messages[0].caption, "Talvek");
    }
    for (const auto &event : services.events)
        EXPECT_EQ(event.rfind("dialog", 0), std::string::npos) << "no editor opened";
}

TEST_F(MainWindowTest, EnabledEditorButtonsOpenTheirEditorsOrRefuseA16MiBImage)
{
    // Every editor opens on the sample, the demo's image, without a message.
    auto window = startOn(test::sampleBytes());
    QTest::mouseClick(window->editorButton(EditorKind::Armor), Qt::LeftButton);
    QTest::mouseClick(window->editorButton(EditorKind::Character), Qt::LeftButton);
    QTest::mouseClick(window->editorButton(EditorKind::Font), Qt::LeftButton);
    QTest::mouseClick(window->editorButton(EditorKind::Text), Qt::LeftButton);
    QTest::mouseClick(window->editorButton(EditorKind::Weapon), Qt::LeftButton);
    QTest::mouseClick(window->editorButton(EditorKind::Spells), Qt::LeftButton);
    QTest::mouseClick(window->editorButton(EditorKind::Monster), Qt::LeftButton);
    QTest::mouseClick(window->editorButton(EditorKind::Shop), Qt::LeftButton);
    QTest::mouseClick(window->editorButton(EditorKind::Formation), Qt::LeftButton);
    EXPECT_EQ(services.events,
              (std::vector<std::string>{"open", "dialog CArmor", "dialog CCharacter", "dialog CFontDlg", "dialog CText",
                                        "dialog CWeapon", "dialog CSpell", "dialog CMonster", "dialog CShop",
                                        "dialog CFormation"}));

    window = startOn(test::sampleBytes(SampleKind::Gba), "dos.gba");
    for (const auto &editor : kEditors) {
        if (!window->editorButton(editor.kind)->isEnabled())
            continue;
        services.messages.clear();
        QTest::mouseClick(window->editorButton(editor.kind), Qt::LeftButton);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, std::string(editor.gbaRefusal));
    }
}

TEST_F(MainWindowTest, EditorsRefuseAnImageTooSmallForTheLayout)
{
    auto window = startOn(std::vector<std::uint8_t>(1000));
    window->launchEditor(EditorKind::Armor);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_NE(services.messages[0].text.find("too small"), std::string::npos);
}

TEST_F(MainWindowTest, AboutPictureFollowsTheRomSize)
{
    const struct {
        std::int64_t size;
        const char *shown;
    } cases[] = {{0x40010, "pictureFf2Label"}, {0x80010, "pictureFf2Label"}, {0x1000000, "pictureGbaLabel"},
                 {1000, "pictureUnknownLabel"}};
    for (const auto &c : cases) {
        CAbout about(c.size);
        EXPECT_EQ(about.windowTitle(), QStringLiteral("About Talvek"));
        for (const char *picture : {"pictureFf2Label", "pictureGbaLabel", "pictureUnknownLabel"})
            EXPECT_EQ(about.findChild<QLabel *>(q(picture))->isHidden(), std::string(picture) != c.shown)
                << c.size << picture;
    }
    // The pictures themselves, at their sizes: a monster (81 x 61), another (78 x 78), the tile grid (64 x 72).
    CAbout about(0x40010);
    EXPECT_EQ(about.findChild<QLabel *>(q("pictureFf2Label"))->pixmap().size(), QSize(81, 61));
    EXPECT_EQ(about.findChild<QLabel *>(q("pictureGbaLabel"))->pixmap().size(), QSize(78, 78));
    EXPECT_EQ(about.findChild<QLabel *>(q("pictureUnknownLabel"))->pixmap().size(), QSize(64, 72));
}

TEST_F(MainWindowTest, MainPicturesHaveTheirSizes)
{
    auto window = startOn(test::sampleBytes());
    EXPECT_EQ(label(*window, "pictureFf2Label")->pixmap().size(), QSize(127, 94));
    EXPECT_EQ(label(*window, "pictureGbaLabel")->pixmap().size(), QSize(120, 80));
    EXPECT_EQ(label(*window, "pictureUnknownLabel")->pixmap().size(), QSize(64, 72));
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(MainWindowTest, AboutButtonRunsTheAboutBoxForTheLoadedSize)
{
    auto window = startOn(std::vector<std::uint8_t>(0x1000000), "big.gba");
    bool gbaShown = false;
    services.onDialog = [&](QDialog &dialog) {
        gbaShown = !dialog.findChild<QLabel *>(q("pictureGbaLabel"))->isHidden();
        QTest::mouseClick(button(dialog, "okButton"), Qt::LeftButton);
        return dialog.result();
    };
    QTest::mouseClick(button(*window, "aboutButton"), Qt::LeftButton);
    EXPECT_EQ(services.events.back(), "dialog CAbout");
    EXPECT_TRUE(gbaShown);
}

TEST_F(MainWindowTest, ExitEscapeAndMenuCloseAsCancel)
{
    auto window = startOn(test::sampleBytes());
    window->show();
    QTest::mouseClick(button(*window, "exitButton"), Qt::LeftButton);
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->image().isLoaded()) << "Exit releases the buffer";

    window = startOn(test::sampleBytes());
    window->show();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());

    window = startOn(test::sampleBytes());
    window->show();
    window->findChild<QAction *>(q("exitAction"))->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->image().isLoaded()) << "closing never saves and never asks";
    EXPECT_TRUE(services.messages.empty());
}

} // namespace
} // namespace talvek
