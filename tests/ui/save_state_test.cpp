#include <QAction>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSettings>

#include "app/c_rom_editor_dlg.h"
#include "main_window_fixture.h"
#include "editors/c_armor.h"
#include "editors/c_character.h"
#include "editors/c_formation.h"
#include "editors/c_monster.h"
#include "editors/c_shop.h"
#include "editors/c_spell.h"
#include "editors/c_weapon.h"
#include "text/c_text.h"

#include <QLabel>
#include <QRegularExpression>
#include "history/history_store.h"

namespace talvek {
namespace {

using Answer = UiServices::Answer;

// The main window knows when the image in memory differs from the file, saves it, and asks before
// throwing those bytes away.
class SaveStateTest : public test::MainWindowFixture {
protected:
    // An IPS patch with one hunk of six bytes at 0x30010, the first two of them the sample's own.
    std::string patchWritingSameBytesToo()
    {
        const auto sample = test::sampleBytes();
        std::vector<std::uint8_t> patch{'P', 'A', 'T', 'C', 'H', 0x03, 0x00, 0x10, 0x00, 0x06};
        for (int i = 0; i < 6; ++i)
            patch.push_back(i < 2 ? sample[0x30010 + i] : static_cast<std::uint8_t>(sample[0x30010 + i] ^ 0x5A));
        patch.insert(patch.end(), {'E', 'O', 'F'});
        return dir.write("p.ips", patch);
    }

    std::size_t restorePoints(const std::string &rom)
    {
        HistoryStore store(rom);
        std::string error;
        return store.load(&error, false) ? store.points().size() : 0;
    }
};

TEST_F(SaveStateTest, AnAppliedPatchCountsTheBytesThatDifferAndMarksTheTitle)
{
    const auto rom = dir.write("game.nes", test::sampleBytes());
    auto window = startOn(rom);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Talvek"));
    EXPECT_FALSE(window->saveAction()->isEnabled());

    services.fileAnswers = {QString::fromStdString(patchWritingSameBytesToo())};
    window->applyPatchAction()->trigger();
    EXPECT_EQ(services.messages.back().text, "The patch changed 4 bytes. File > Save (Ctrl+S) writes them to the ROM.");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Talvek *"));
    EXPECT_TRUE(window->hasUnsavedBytes());

    services.fileAnswers = {QString::fromStdString(patchWritingSameBytesToo())};
    window->applyPatchAction()->trigger();
    EXPECT_EQ(services.messages.back().text, "The patch changed nothing: the image already holds its bytes.");

    // File > Save writes the image through the atomic save with a restore point; a second one has nothing to do.
    EXPECT_EQ(window->saveAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    window->saveAction()->trigger();
    EXPECT_EQ(test::readFile(rom), window->image().bytes());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Talvek"));
    EXPECT_FALSE(window->saveAction()->isEnabled());
    EXPECT_EQ(restorePoints(rom), 1u);
    EXPECT_TRUE(window->saveImage());
    EXPECT_EQ(restorePoints(rom), 1u);
}

TEST_F(SaveStateTest, ExitAsksToSaveAnAppliedPatchYesNoAndCancel)
{
    const auto rom = dir.write("game.nes", test::sampleBytes());
    for (const Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
        auto window = startOn(rom);
        window->show();
        services.fileAnswers = {QString::fromStdString(patchWritingSameBytesToo())};
        window->applyPatchAction()->trigger();
        const auto patched = window->image().bytes();
        services.questions.clear();
        services.threeWayAnswers = {answer};
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("exitButton")), Qt::LeftButton);
        ASSERT_EQ(services.questions.size(), 1u);
        EXPECT_EQ(services.questions[0].text, "Save changes to game.nes?");
        EXPECT_EQ(window->isVisible(), answer == Answer::Cancel);
        EXPECT_EQ(test::readFile(rom), answer == Answer::Yes ? patched : test::sampleBytes());
        if (answer == Answer::Cancel) {
            EXPECT_EQ(window->image().bytes(), patched) << "Cancel keeps the patch in memory";
            services.threeWayAnswers = {Answer::Cancel};
            QTest::keyClick(window.get(), Qt::Key_Escape);
            EXPECT_TRUE(window->isVisible()) << "Escape asks too";
        }
    }
}

TEST_F(SaveStateTest, OpenRecentAndDropAskBeforeReplacingUnsavedBytes)
{
    const auto rom = dir.write("game.nes", test::sampleBytes());
    const auto other = dir.write("other.nes", test::sampleBytes(SampleKind::Combo));
    auto window = startOn(other);
    window->loadRom(QString::fromStdString(rom));
    window->image().bytes()[0x30010] ^= 1; // as a colour square does

    services.threeWayAnswers = {Answer::Cancel};
    window->recentFilesMenu()->actions().at(1)->trigger();
    EXPECT_EQ(window->image().path(), rom) << "Cancel keeps the image";
    EXPECT_EQ(services.questions.size(), 1u);

    services.threeWayAnswers = {Answer::Cancel};
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(other))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(window->image().path(), rom);
    EXPECT_EQ(services.questions.size(), 2u);

    services.threeWayAnswers = {Answer::Cancel};
    services.openAnswers = {QString::fromStdString(other)};
    window->openRomAction()->trigger();
    EXPECT_EQ(window->image().path(), rom);
    EXPECT_EQ(services.questions.size(), 3u);

    services.threeWayAnswers = {Answer::No};
    window->openRomAction()->trigger();
    EXPECT_EQ(window->image().path(), other);
    EXPECT_EQ(test::readFile(rom), test::sampleBytes()) << "No gives the change up";
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Talvek"));
}

TEST_F(SaveStateTest, CreatePatchOffersANameBesideTheRomAndAddsTheExtension)
{
    const auto rom = dir.write("game.nes", test::sampleBytes());
    auto window = startOn(rom);
    window->image().bytes()[0x30010] = 42;
    for (const auto &[action, extension] : {std::pair{window->createPatchAction(), ".ips"},
                                            std::pair{window->createBpsPatchAction(), ".bps"}}) {
        services.suggestedPaths.clear();
        services.fileAnswers = {QString::fromStdString(dir.file("mine"))};
        action->trigger();
        ASSERT_EQ(services.suggestedPaths.size(), 1u);
        EXPECT_EQ(services.suggestedPaths[0], QString::fromStdString(dir.file(std::string("game") + extension)));
        EXPECT_TRUE(std::filesystem::exists(dir.file(std::string("mine") + extension))) << extension;
        EXPECT_FALSE(std::filesystem::exists(dir.file("mine")));
    }
}

TEST_F(SaveStateTest, EverySaveSaysWhatItDidAndOneThatChangesNothingWritesNothing)
{
    openSample();
    const auto before = std::filesystem::last_write_time(image.path());
    CArmor dialog(context());
    auto *note = find<QLabel>(dialog, "saveNoteLabel");
    EXPECT_TRUE(note->text().isEmpty());
    click(dialog, "saveButton");
    EXPECT_EQ(note->text(), QStringLiteral("Nothing changed"));
    EXPECT_EQ(std::filesystem::last_write_time(image.path()), before);
    EXPECT_EQ(restorePoints(image.path()), 0u);
    EXPECT_TRUE(services.messages.empty()) << "no box to click away";

    type(dialog, "defenseEdit", QStringLiteral("9"));
    click(dialog, "saveButton");
    EXPECT_EQ(restorePoints(image.path()), 1u);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Saved \\d\\d:\\d\\d:\\d\\d$")).match(note->text()).hasMatch())
        << note->text().toStdString();

    // Every editor has the note beside its Save button, there from the start.
    const auto hasNote = [](QDialog &editor) { return editor.findChild<QLabel *>(QStringLiteral("saveNoteLabel")) != nullptr; };
    CCharacter character(context());
    CFormation formation(context());
    CMonster monster(context());
    CShop shop(context());
    CSpell spell(context());
    CWeapon weapon(context());
    CText text(context());
    for (QDialog *editor : std::initializer_list<QDialog *>{&character, &formation, &monster, &shop, &spell, &weapon, &text})
        EXPECT_TRUE(hasNote(*editor)) << editor->objectName().toStdString();
}

TEST_F(SaveStateTest, RecordEditorsMarkFieldsThatDifferFromTheStoredRecord)
{
    openSample();
    const auto marked = [](QDialog &editor, const QString &title) {
        QCoreApplication::processEvents(); // the marker compares once the event loop runs
        const bool bold = editor.findChild<QPushButton *>(QStringLiteral("saveButton"))->font().bold();
        const bool starred = editor.windowTitle() == title + QStringLiteral(" *");
        EXPECT_EQ(bold, starred) << editor.windowTitle().toStdString();
        return starred;
    };
    CArmor armor(context());
    EXPECT_FALSE(marked(armor, QStringLiteral("Armor Editor")));
    type(armor, "defenseEdit", QStringLiteral("9"));
    EXPECT_TRUE(marked(armor, QStringLiteral("Armor Editor")));
    type(armor, "defenseEdit", QStringLiteral("0"));
    EXPECT_FALSE(marked(armor, QStringLiteral("Armor Editor"))) << "typed back, nothing differs";
    find<QCheckBox>(armor, "fireCheck")->click();
    EXPECT_TRUE(marked(armor, QStringLiteral("Armor Editor")));
    click(armor, "saveButton");
    EXPECT_FALSE(marked(armor, QStringLiteral("Armor Editor"))) << "saved";
    find<QCheckBox>(armor, "fireCheck")->click();
    selectRow(armor, "armorList", 3);
    EXPECT_FALSE(marked(armor, QStringLiteral("Armor Editor"))) << "another record shown as stored";

    // The party row rule a Save applies to the untouched sample is not a change on screen.
    CCharacter character(context());
    EXPECT_FALSE(marked(character, QStringLiteral("Character Editor")));
    choose(character, "headCombo", 3);
    EXPECT_TRUE(marked(character, QStringLiteral("Character Editor")));

    CFormation formation(context());
    type(formation, "min1Edit", QStringLiteral("7"));
    EXPECT_TRUE(marked(formation, QStringLiteral("Battle Formations Editor")));

    // The Text editor: the text and the pointer value against the entry as selected.
    CText text(context());
    EXPECT_FALSE(marked(text, QStringLiteral("Text Editor")));
    type(text, "nameEdit", QStringLiteral("Potions"));
    EXPECT_TRUE(marked(text, QStringLiteral("Text Editor")));
    type(text, "nameEdit", QStringLiteral("Potion"));
    EXPECT_FALSE(marked(text, QStringLiteral("Text Editor")));
    const QString value = find<QLineEdit>(text, "valueEdit")->text();
    type(text, "valueEdit", QStringLiteral("8401"));
    EXPECT_TRUE(marked(text, QStringLiteral("Text Editor")));
    type(text, "valueEdit", value);
    type(text, "nameEdit", QStringLiteral("Potio"));
    click(text, "saveButton");
    EXPECT_FALSE(marked(text, QStringLiteral("Text Editor"))) << "saved";
}

} // namespace
} // namespace talvek
