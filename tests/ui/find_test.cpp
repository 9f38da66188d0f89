#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "app/c_find_dlg.h"
#include "app/c_rom_editor_dlg.h"
#include "app/editor_context.h"
#include "records/shop_record.h"
#include "records/weapon_record.h"
#include "scripted_ui_services.h"
#include "test_support.h"

namespace talvek {
namespace {

// What an editor run by the main window showed: its title and the row of each list that has a selection.
struct Seen {
    std::string title;
    std::map<std::string, int> rows;
};

class FindTest : public ::testing::Test {
protected:
    std::unique_ptr<CRomEditorDlg> startOn(const std::vector<std::uint8_t> &bytes)
    {
        services.openAnswers.push_back(QString::fromStdString(dir.write("rom.nes", bytes)));
        auto window = std::make_unique<CRomEditorDlg>(services, DataFileLocator({TALVEK_DATA_DIR}));
        EXPECT_TRUE(window->initialise());
        return window;
    }

    // Records each editor the main window runs; act, when given, does something in the open editor.
    void watchEditors(std::function<void(QDialog &, int run)> act = {})
    {
        services.onDialog = [this, act](QDialog &dialog) {
            Seen seen{dialog.windowTitle().toStdString(), {}};
            for (auto *list : dialog.findChildren<QListWidget *>())
                if (list->currentRow() >= 0)
                    seen.rows[list->objectName().toStdString()] = list->currentRow();
            const int run = static_cast<int>(editors.size());
            editors.push_back(seen);
            if (act)
                act(dialog, run);
            return QDialog::Rejected;
        };
    }

    static void typeInto(QLineEdit *edit, const char *text)
    {
        edit->clear();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }

    test::TempDir dir;
    test::ScriptedUiServices services;
    std::vector<Seen> editors;
};

TEST_F(FindTest, TypingFiltersAndEnterOpensTheEditorAtTheRecordOrTextEntry)
{
    auto window = startOn(test::sampleBytes());
    watchEditors();
    window->findAction()->trigger();
    CFindDlg *find = window->findWindow();
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(find->isVisible());

    typeInto(find->searchEdit(), "bronze kn");
    ASSERT_GE(find->resultList()->count(), 2);
    EXPECT_EQ(find->resultList()->item(0)->text().toStdString(), "Weapon Editor 1: Bronze Knife");
    EXPECT_EQ(find->resultList()->item(1)->text().toStdString(), "Text Editor, Weapons 0: Bronze Knife");
    QTest::keyClick(find->searchEdit(), Qt::Key_Return);
    ASSERT_EQ(editors.size(), 1u);
    EXPECT_EQ(editors[0].title, "Weapon Editor");
    EXPECT_EQ(editors[0].rows["weaponList"], 1);
    EXPECT_TRUE(find->isVisible()) << "back to the results after the editor";
    EXPECT_EQ(find->searchEdit()->text().toStdString(), "bronze kn");

    // Down moves through the results while the search box keeps the keyboard.
    QTest::keyClick(find->searchEdit(), Qt::Key_Down);
    QTest::keyClick(find->searchEdit(), Qt::Key_Return);
    ASSERT_EQ(editors.size(), 2u);
    EXPECT_EQ(editors[1].title, "Text Editor");
    EXPECT_EQ(editors[1].rows["groupList"], 1);
    EXPECT_EQ(editors[1].rows["entryList"], 0);

    typeInto(find->searchEdit(), "house 3");
    EXPECT_EQ(find->resultList()->findItems(QStringLiteral("Text Editor, Dialogue 2 3: "), Qt::MatchStartsWith).size(), 1);
    typeInto(find->searchEdit(), "zzqq");
    EXPECT_EQ(find->resultList()->count(), 0);
}

TEST_F(FindTest, ResultsFollowASavedRename)
{
    auto window = startOn(test::sampleBytes());
    window->findAction()->trigger();
    CFindDlg *find = window->findWindow();
    typeInto(find->searchEdit(), "xcho");
    EXPECT_EQ(find->resultList()->count(), 0);
    auto bytes = window->image().bytes();
    test::renameText(bytes, 0, "Echo Herb", "Xcho Herb");
    window->image().bytes() = bytes;
    window->showFind();
    ASSERT_GE(find->resultList()->count(), 1); // the item, and the dialogue that names it by keyword
    EXPECT_EQ(find->resultList()->item(0)->text().toStdString(), "Text Editor, Items 7: Xcho Herb");
}

TEST_F(FindTest, EveryEditorOpensAtAGivenRecord)
{
    auto window = startOn(test::sampleBytes());
    watchEditors();
    struct Case {
        EditorTarget target;
        const char *list;
        int row;
    };
    const std::vector<Case> cases{
        {{EditorKind::Armor, 5}, "armorList", 5},
        {{EditorKind::Character, 3}, "characterList", 3},
        {{EditorKind::Monster, 9}, "monsterList", 9},
        {{EditorKind::Spells, 12}, "spellList", 12},
        {{EditorKind::Spells, 40, 0, true}, "aiList", 40},
        {{EditorKind::Weapon, 63}, "weaponList", 63},
        {{EditorKind::Shop, 27}, "shopList", 27},
        {{EditorKind::Formation, 40}, "formationList", 40},
        {{EditorKind::Text, 11, 4}, "entryList", 4},
        {{EditorKind::Text, 11, 4}, "groupList", 11},
        {{EditorKind::Armor, 99}, "armorList", 0}, // out of range: the first record
    };
    for (const Case &c : cases) {
        editors.clear();
        window->launchEditor(c.target.kind, c.target);
        ASSERT_EQ(editors.size(), 1u);
        EXPECT_EQ(editors[0].rows[c.list], c.row) << c.list;
    }
}

TEST_F(FindTest, AWhereUsedRowOpensTheUsingRecordInItsEditor)
{
    auto bytes = test::sampleBytes();
    bytes[shop::recordOffset(3) + 2 * 2] = static_cast<std::uint8_t>(weapon::itemIdOf(1)); // shop 3 sells it
    auto window = startOn(bytes);
    watchEditors([](QDialog &dialog, int run) {
        if (run != 0)
            return;
        auto *list = dialog.findChild<QListWidget *>(QStringLiteral("whereUsedList"));
        ASSERT_NE(list, nullptr);
        const auto rows = list->findItems(QStringLiteral("shops 3 \"Altea - Mithril Weapon\" slots.2.item"), Qt::MatchExactly);
        ASSERT_EQ(rows.size(), 1);
        list->setCurrentItem(rows.front());
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
    });
    window->launchEditor(EditorKind::Weapon, EditorTarget{EditorKind::Weapon, 1});
    ASSERT_EQ(editors.size(), 2u);
    EXPECT_EQ(editors[0].title, "Weapon Editor");
    EXPECT_EQ(editors[0].rows["weaponList"], 1);
    EXPECT_EQ(editors[1].title, "Shop Editor");
    EXPECT_EQ(editors[1].rows["shopList"], 3);
    EXPECT_TRUE(services.questions.empty()) << "nothing was edited: no question";
}

TEST_F(FindTest, TheShopListsWhereTheItemOfTheSlotChosenIsUsed)
{
    auto window = startOn(test::sampleBytes());
    QStringList titles, firstRows;
    watchEditors([&](QDialog &dialog, int) {
        auto *group = dialog.findChild<QGroupBox *>(QStringLiteral("whereUsedGroup"));
        auto *list = dialog.findChild<QListWidget *>(QStringLiteral("whereUsedList"));
        titles << group->title();
        auto *item = dialog.findChild<QComboBox *>(QStringLiteral("item2Combo"));
        item->setCurrentIndex(weapon::itemIdOf(1));
        emit item->activated(weapon::itemIdOf(1)); // as a choice in the drop-down
        titles << group->title();
        firstRows << list->item(0)->text();
    });
    window->launchEditor(EditorKind::Shop, EditorTarget{EditorKind::Shop, 5});
    ASSERT_EQ(titles.size(), 2);
    EXPECT_TRUE(titles[0].startsWith(QStringLiteral("Where used: slot 1, "))) << titles[0].toStdString();
    EXPECT_EQ(titles[1].toStdString(), "Where used: slot 2, Bronze Knife (2)");
    EXPECT_EQ(firstRows[0].toStdString(), "characters 0 \"Aldo  \" equipment.right_hand");
}

TEST_F(FindTest, LeavingEditedFieldsForAWhereUsedRowAsksFirst)
{
    const auto bytes = test::sampleBytes();
    auto window = startOn(bytes);
    services.yesNoAnswers = {false, true};
    watchEditors([](QDialog &dialog, int run) {
        if (run != 0)
            return;
        auto *attack = dialog.findChild<QLineEdit *>(QStringLiteral("attackPowerEdit"));
        attack->setFocus();
        attack->selectAll();
        QTest::keyClicks(attack, QStringLiteral("99"));
        auto *list = dialog.findChild<QListWidget *>(QStringLiteral("whereUsedList"));
        list->setCurrentRow(0);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return); // No: stays
        QTest::keyClick(list, Qt::Key_Return); // Yes: goes, the edit is dropped
    });
    window->launchEditor(EditorKind::Weapon, EditorTarget{EditorKind::Weapon, 1});
    ASSERT_EQ(services.questions.size(), 2u);
    EXPECT_EQ(services.questions[0].text, kLeaveUnsavedQuestion);
    ASSERT_EQ(editors.size(), 2u);
    EXPECT_EQ(editors[1].title, "Character Editor");
    EXPECT_EQ(window->image().bytes(), bytes) << "nothing saved";
}

} // namespace
} // namespace talvek
