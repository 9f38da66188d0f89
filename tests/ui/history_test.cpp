#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/c_history_dlg.h"
#include "app/c_rom_editor_dlg.h"
#include "editors/c_armor.h"
#include "history/history_store.h"
#include "editor_fixture.h"

namespace talvek {
namespace {

QString q(const char *text)
{
    return QString::fromLatin1(text);
}

// A main window on a ROM file, whose armour editor saves what a scripted user types.
class HistoryTest : public ::testing::Test {
protected:
    std::unique_ptr<CRomEditorDlg> startOn(const std::vector<std::uint8_t> &bytes)
    {
        rom = dir.write("game.nes", bytes);
        services.openAnswers.push_back(QString::fromStdString(rom));
        auto window = std::make_unique<CRomEditorDlg>(services, DataFileLocator({TALVEK_DATA_DIR}));
        EXPECT_TRUE(window->initialise());
        return window;
    }

    // Opens the armour editor, sets one armour's defence, saves and exits.
    void saveDefense(CRomEditorDlg &window, int row, const QString &defense)
    {
        services.onDialog = [&](QDialog &dialog) {
            dialog.findChild<QListWidget *>(q("armorList"))->setCurrentRow(row);
            auto *edit = dialog.findChild<QLineEdit *>(q("defenseEdit"));
            edit->clear();
            QTest::keyClicks(edit, defense);
            QTest::mouseClick(dialog.findChild<QPushButton *>(q("saveButton")), Qt::LeftButton);
            return QDialog::Rejected;
        };
        window.launchEditor(EditorKind::Armor);
    }

    test::TempDir dir;
    test::ScriptedUiServices services;
    std::string rom;
};

std::vector<std::uint8_t> withDefense(std::vector<std::uint8_t> bytes, int armor, std::uint8_t defense)
{
    bytes[static_cast<std::size_t>(0x30010 + 6 * armor)] = defense;
    return bytes;
}

TEST_F(HistoryTest, EditorSavesAreUndoneAndRedoneFromTheMainWindow)
{
    const auto original = test::sampleBytes();
    auto window = startOn(original);
    EXPECT_FALSE(window->undoAction()->isEnabled());
    saveDefense(*window, 1, q("12"));
    saveDefense(*window, 2, q("30"));
    const auto second = withDefense(withDefense(original, 1, 12), 2, 30);
    ASSERT_EQ(test::readFile(rom), second);
    EXPECT_TRUE(window->undoAction()->isEnabled());
    EXPECT_FALSE(window->redoAction()->isEnabled());

    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(test::readFile(rom), withDefense(original, 1, 12));
    EXPECT_EQ(window->image().bytes(), withDefense(original, 1, 12)) << "the image follows the file";
    window->undoAction()->trigger();
    EXPECT_EQ(test::readFile(rom), original);
    EXPECT_FALSE(window->undoAction()->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(test::readFile(rom), withDefense(original, 1, 12));
    window->redoAction()->trigger();
    EXPECT_EQ(window->image().bytes(), second);
    EXPECT_TRUE(services.messages.empty());

    // Bytes in memory that are not saved are given up only on Yes.
    window->image().bytes()[0x3000] ^= 1;
    services.yesNoAnswers = {false};
    window->undoAction()->trigger();
    EXPECT_EQ(test::readFile(rom), second);
    services.yesNoAnswers = {true};
    window->undoAction()->trigger();
    EXPECT_EQ(window->image().bytes(), withDefense(original, 1, 12));

    // Turned off, a save records nothing.
    window->recordHistoryAction()->setChecked(false);
    saveDefense(*window, 3, q("1"));
    HistoryStore store(rom);
    std::string error;
    ASSERT_TRUE(store.load(&error));
    EXPECT_EQ(store.points().size(), 2u);
    window->recordHistoryAction()->setChecked(true);
}

TEST_F(HistoryTest, HistoryWindowListsShowsChangesAndRevertsAndSurvivesARestart)
{
    const auto original = test::sampleBytes();
    {
        auto window = startOn(original);
        saveDefense(*window, 1, q("12"));
    }
    auto window = startOn(test::readFile(rom)); // a new run of the program on the saved file
    saveDefense(*window, 2, q("30"));
    window->historyAction()->trigger();
    CHistoryDlg *history = window->historyWindow();
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->isVisible());
    EXPECT_FALSE(history->isModal());
    auto *points = history->findChild<QTreeWidget *>(q("pointList"));
    ASSERT_EQ(points->topLevelItemCount(), 2);
    EXPECT_EQ(points->topLevelItem(0)->text(2), q("armor 1 \"Leather Helm\": defense 4 -> 12"));
    EXPECT_EQ(points->currentItem(), points->topLevelItem(1)) << "the newest save is selected";

    points->setCurrentItem(points->topLevelItem(0));
    auto *changes = history->findChild<QListWidget *>(q("changeList"));
    ASSERT_EQ(changes->count(), 1);
    EXPECT_EQ(changes->item(0)->text(), q("armor 1 \"Leather Helm\": defense 4 -> 12"));

    // No keeps everything; Yes reverts the file and the image, and the revert is listed as a save.
    services.yesNoAnswers = {false};
    QTest::mouseClick(history->findChild<QPushButton *>(q("revertButton")), Qt::LeftButton);
    EXPECT_EQ(test::readFile(rom), withDefense(withDefense(original, 1, 12), 2, 30));
    services.yesNoAnswers = {true};
    QTest::mouseClick(history->findChild<QPushButton *>(q("revertButton")), Qt::LeftButton);
    EXPECT_EQ(test::readFile(rom), original);
    EXPECT_EQ(window->image().bytes(), original);
    ASSERT_EQ(points->topLevelItemCount(), 3);
    EXPECT_EQ(points->topLevelItem(2)->text(2), q("armor 1 \"Leather Helm\": defense 12 -> 4 (+1 more)"));
    EXPECT_TRUE(services.questions.back().text.starts_with("Revert game.nes to its content before save 1?"));

    // The revert itself can be undone.
    window->undoAction()->trigger();
    EXPECT_EQ(test::readFile(rom), withDefense(withDefense(original, 1, 12), 2, 30));
    EXPECT_EQ(points->topLevelItem(2)->foreground(0), history->palette().brush(QPalette::Disabled, QPalette::Text))
        << "the undone revert is grey";
}

class ChangedOnDiskTest : public test::EditorFixture {};

TEST_F(ChangedOnDiskTest, SaveAsksBeforeOverwritingAFileChangedOutside)
{
    openSample();
    const auto outside = withDefense(test::sampleBytes(), 5, 77);
    dir.write("rom.nes", outside); // another program saved the ROM
    CArmor editor(context());
    selectRow(editor, "armorList", 1);
    type(editor, "defenseEdit", q("12"));

    services.yesNoAnswers = {false};
    click(editor, "saveButton");
    ASSERT_EQ(services.questions.size(), 1u);
    EXPECT_EQ(services.questions[0].text, "The ROM file has changed on disk since it was opened. Overwrite it?");
    EXPECT_EQ(savedFile(), outside) << "No writes nothing";
    EXPECT_EQ(image.bytes(), withDefense(test::sampleBytes(), 1, 12)) << "and keeps the edit in memory";

    services.yesNoAnswers = {true};
    click(editor, "saveButton");
    EXPECT_EQ(savedFile(), withDefense(test::sampleBytes(), 1, 12));
    click(editor, "saveButton");
    EXPECT_EQ(services.questions.size(), 2u) << "after the overwrite the file is Talvek's own again";
}

} // namespace
} // namespace talvek
