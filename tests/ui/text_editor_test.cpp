#include <QLabel>
#include <QPlainTextEdit>

#include <filesystem>

#include "editor_fixture.h"
#include "text/c_text.h"
#include "text/text_codec.h"

namespace talvek {
namespace {

class TextEditorTest : public test::EditorFixture {
protected:
    static void selectGroup(CText &dialog, int group) { selectRow(dialog, "groupList", group); }
    static void selectEntry(CText &dialog, int entry) { selectRow(dialog, "entryList", entry); }
    static QPlainTextEdit *dialogue(CText &dialog) { return find<QPlainTextEdit>(dialog, "dialogueEdit"); }
    [[nodiscard]] std::uint16_t word(std::size_t at) const
    {
        return static_cast<std::uint16_t>(image.bytes()[at] | (image.bytes()[at + 1] << 8));
    }
};

TEST_F(TextEditorTest, OpensOnItemsEntryZero)
{
    openSample();
    CText dialog(context());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Text Editor"));
    EXPECT_EQ(find<QListWidget>(dialog, "groupList")->count(), 16);
    EXPECT_EQ(find<QListWidget>(dialog, "groupList")->currentRow(), 0);
    EXPECT_EQ(find<QListWidget>(dialog, "entryList")->count(), 46);
    EXPECT_EQ(find<QListWidget>(dialog, "entryList")->currentRow(), 0);
    EXPECT_EQ(text(dialog, "nameEdit"), QStringLiteral("Potion"));
    const std::uint16_t value = word(0x28212);
    EXPECT_EQ(text(dialog, "pointerEdit"), QStringLiteral("28212"));
    EXPECT_EQ(text(dialog, "valueEdit"), QString::number(value, 16).toUpper());
    EXPECT_EQ(text(dialog, "locationEdit"), QString::number(value + 0x20010, 16).toUpper());
    EXPECT_TRUE(find<QCheckBox>(dialog, "preferDteCheck")->isChecked());
    EXPECT_EQ(text(dialog, "fingerEdit"), QStringLiteral("--"));
    EXPECT_FALSE(find<QLineEdit>(dialog, "nameEdit")->isHidden());
    EXPECT_TRUE(dialogue(dialog)->isHidden());
    EXPECT_EQ(find<QLabel>(dialog, "byteCountLabel")->text(), QStringLiteral("5 / 5 bytes"));
}

TEST_F(TextEditorTest, MiscellaneousCharactersPrologueAndEpilogue)
{
    openSample();
    CText dialog(context());
    selectGroup(dialog, kMiscellaneousGroup);
    selectEntry(dialog, 9);
    EXPECT_EQ(text(dialog, "pointerEdit"), QStringLiteral("2826E"));
    EXPECT_EQ(text(dialog, "nameEdit"), QStringLiteral("Lost Letter"));

    selectGroup(dialog, kCharactersGroup);
    EXPECT_EQ(text(dialog, "pointerEdit"), QStringLiteral("-----"));
    EXPECT_EQ(text(dialog, "valueEdit"), QStringLiteral("-----"));
    const char *locations[] = {"F92", "1012", "1092"};
    for (int n = 0; n < 3; ++n) {
        selectEntry(dialog, n);
        EXPECT_EQ(text(dialog, "locationEdit"), QString::fromLatin1(locations[n]));
    }

    selectGroup(dialog, kPrologueGroup);
    EXPECT_EQ(find<QListWidget>(dialog, "entryList")->count(), 0);
    EXPECT_FALSE(find<QListWidget>(dialog, "entryList")->isEnabled());
    EXPECT_EQ(text(dialog, "locationEdit"), QStringLiteral("2B91A"));
    EXPECT_TRUE(dialogue(dialog)->toPlainText().startsWith(QStringLiteral("The year is long forgotten.\nAn emperor")));

    selectGroup(dialog, kEpilogueGroup);
    EXPECT_EQ(find<QListWidget>(dialog, "entryList")->count(), 0);
    EXPECT_FALSE(find<QPushButton>(dialog, "saveButton")->isEnabled());
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes(), test::sampleBytes()) << "Save with the epilogue writes nothing";

    selectGroup(dialog, 0);
    EXPECT_TRUE(find<QListWidget>(dialog, "entryList")->isEnabled());
}

TEST_F(TextEditorTest, PrototypePrologue)
{
    openSample(SampleKind::Prototype);
    CText dialog(context());
    selectGroup(dialog, kPrologueGroup);
    EXPECT_EQ(text(dialog, "locationEdit"), QStringLiteral("2BBAA"));
    EXPECT_EQ(dialogue(dialog)->toPlainText(), QStringLiteral("A test prologue\n\nfor the prototype,\n\nwith double spacing."));
}

TEST_F(TextEditorTest, UnchangedDialogueSavesByteIdenticalWithItsFingerParameter)
{
    openSample();
    CText dialog(context());
    selectGroup(dialog, 11);
    selectEntry(dialog, 2);
    EXPECT_EQ(dialogue(dialog)->toPlainText(), QStringLiteral("[F]Yes\n[F]No"));
    EXPECT_EQ(text(dialog, "fingerEdit"), QStringLiteral("3"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes(), test::sampleBytes());
    EXPECT_EQ(savedFile(), test::sampleBytes());
    EXPECT_EQ(find<QListWidget>(dialog, "entryList")->currentRow(), 0) << "Save refills the group";

    for (int n : {1, 3}) { // a keyword reference, an item name as a keyword
        selectEntry(dialog, n);
        click(dialog, "saveButton");
    }
    EXPECT_EQ(image.bytes(), test::sampleBytes());
    EXPECT_TRUE(services.questions.empty());
}

TEST_F(TextEditorTest, FingerParameterIsTypedInHex)
{
    openSample();
    CText dialog(context());
    selectGroup(dialog, 11);
    selectEntry(dialog, 2);
    type(dialog, "fingerEdit", QStringLiteral("1f"));
    EXPECT_EQ(text(dialog, "fingerEdit"), QStringLiteral("1F"));
    click(dialog, "saveButton");
    const auto at = static_cast<std::size_t>(word(0x18010 + 4) + 0x10010);
    EXPECT_EQ(image.bytes()[at], 0x16);
    EXPECT_EQ(image.bytes()[at + 1], 0x1F);
}

TEST_F(TextEditorTest, PlainTableReencodingAsksWhenTheTextGrows)
{
    openSample();
    CText dialog(context());
    const auto at = static_cast<std::size_t>(word(0x28212) + 0x20010);
    find<QCheckBox>(dialog, "preferDteCheck")->setChecked(false);
    EXPECT_EQ(find<QLabel>(dialog, "byteCountLabel")->text(), QStringLiteral("7 / 5 bytes"));

    services.yesNoAnswers = {false};
    click(dialog, "saveButton");
    ASSERT_EQ(services.questions.size(), 1u);
    EXPECT_NE(services.questions[0].text.find("7 bytes"), std::string::npos);
    EXPECT_NE(services.questions[0].text.find("5 bytes"), std::string::npos);
    EXPECT_NE(services.questions[0].text.find("overwrite"), std::string::npos);
    EXPECT_EQ(image.bytes(), test::sampleBytes()) << "No writes nothing";

    services.yesNoAnswers = {true};
    click(dialog, "saveButton");
    const std::vector<std::uint8_t> plain{0x99, 0xB2, 0xB7, 0xAC, 0xB2, 0xB1, 0x00}; // P o t i o n, one byte each
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), image.bytes().begin() + static_cast<std::ptrdiff_t>(at)));
    EXPECT_EQ(savedFile(), image.bytes());
}

TEST_F(TextEditorTest, RepointingWritesTheValueAndTheTextAtTheOldLocation)
{
    openSample();
    CText dialog(context());
    selectEntry(dialog, 4);
    const auto oldText = static_cast<std::size_t>(word(0x28212 + 8) + 0x20010);
    type(dialog, "valueEdit", QStringLiteral("1234"));
    type(dialog, "nameEdit", QStringLiteral("Cure"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x28212 + 8], 0x34);
    EXPECT_EQ(image.bytes()[0x28212 + 9], 0x12);
    EXPECT_EQ(decodeString(image.bytes(), static_cast<std::int64_t>(oldText), table), "Cure");
}

TEST_F(TextEditorTest, RenamedItemsAreKeywordsAtOnce)
{
    openSample();
    CText dialog(context());
    type(dialog, "nameEdit", QStringLiteral("Tonic"));
    click(dialog, "saveButton");

    selectGroup(dialog, 11);
    selectEntry(dialog, 4); // "Rest here.\nThe road east is long." has room to spare
    dialogue(dialog)->setPlainText(QStringLiteral("A Tonic"));
    click(dialog, "saveButton");
    const auto at = static_cast<std::size_t>(word(0x18010 + 8) + 0x10010);
    EXPECT_EQ(image.bytes()[at + 2], 0x18);
    EXPECT_EQ(image.bytes()[at + 3], 0x01) << "the new name of item 1";
}

TEST_F(TextEditorTest, CharacterNamesAreWrittenAsSixBytes)
{
    openSample();
    CText dialog(context());
    selectGroup(dialog, kCharactersGroup);
    selectEntry(dialog, 2);
    type(dialog, "nameEdit", QStringLiteral("Al"));
    click(dialog, "saveButton");
    const std::vector<std::uint8_t> expected{0x8A, 0xAF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), image.bytes().begin() + 0x1092));
    EXPECT_EQ(image.bytes()[0x1098], test::sampleBytes()[0x1098]) << "nothing past the six bytes";
    EXPECT_TRUE(services.questions.empty());
}

TEST_F(TextEditorTest, ComboImageOffsets)
{
    openSample(SampleKind::Combo);
    CText dialog(context());
    EXPECT_EQ(text(dialog, "pointerEdit"), QStringLiteral("68212"));
    selectGroup(dialog, kCharactersGroup);
    EXPECT_EQ(text(dialog, "locationEdit"), QStringLiteral("40F92"));
    type(dialog, "nameEdit", QStringLiteral("Zed"));
    click(dialog, "saveButton");
    EXPECT_EQ(image.bytes()[0x40F92], 0xA3);
    EXPECT_EQ(savedFile(), image.bytes());
}

TEST_F(TextEditorTest, HelpAndFailedSave)
{
    openSample();
    CText dialog(context());
    click(dialog, "helpButton");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].caption, "Text Editor tips");
    EXPECT_EQ(services.messages[0].text.rfind("Note that what is displayed character/letter-wise", 0), 0u);
    EXPECT_NE(services.messages[0].text.find("WARNING! If you are editing the Prototype, DO NOT EDIT DIALOGUE!"),
              std::string::npos);

    std::filesystem::permissions(image.path(), std::filesystem::perms::owner_read);
    type(dialog, "nameEdit", QStringLiteral("Pot"));
    click(dialog, "saveButton");
    EXPECT_EQ(services.messages.back().text, "Unable to save to ROM.");
    EXPECT_EQ(decodeName(image, 1, table), "Pot") << "the buffer keeps the text";
    EXPECT_EQ(savedFile(), test::sampleBytes());
}

} // namespace
} // namespace talvek
