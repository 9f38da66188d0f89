#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

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

// The sample with bytes put at a text's place; the place is a buffer index.
std::vector<std::uint8_t> sampleWith(std::size_t at, const std::vector<std::uint8_t> &bytes)
{
    auto image = test::sampleBytes();
    std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
    return image;
}

// Where the sample's text lies whose pointer is at pointerAt, in a bank.
std::size_t sampleText(std::size_t pointerAt, std::size_t bank)
{
    const auto sample = test::sampleBytes();
    return static_cast<std::size_t>(sample[pointerAt] | sample[pointerAt + 1] << 8) + bank;
}

std::size_t itemText(int n)
{
    return sampleText(static_cast<std::size_t>(0x28210 + 2 * n), 0x20010);
}

bool holds(const std::vector<std::uint8_t> &image, std::size_t at, const std::vector<std::uint8_t> &bytes)
{
    return std::equal(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
}

TEST_F(TextEditorTest, BytesWithoutTableTextShowAsEscapesAndSurviveSaves)
{
    const std::size_t at = itemText(1);
    const auto original = sampleWith(at, {0x99, 0x14, 0x5F, 0x44, 0x00}); // P, 0x14 (no text), ti, on
    openBytes(original);
    CText dialog(context());
    EXPECT_EQ(text(dialog, "nameEdit"), QStringLiteral("P{14}tion"));
    EXPECT_EQ(find<QListWidget>(dialog, "entryList")->item(0)->text(), QStringLiteral("P{14}tion"));
    click(dialog, "saveButton");
    EXPECT_EQ(savedFile(), original) << "an untouched text is not re-encoded";

    type(dialog, "nameEdit", QStringLiteral("P{14}tions"));
    services.yesNoAnswers = {true}; // one byte longer
    click(dialog, "saveButton");
    EXPECT_TRUE(holds(savedFile(), at, {0x99, 0x14, 0x5F, 0x44, 0xB6, 0x00})) << "the escape is the byte itself";

    services.questions.clear();
    auto *name = find<QLineEdit>(dialog, "nameEdit");
    name->clear();
    name->insert(QStringLiteral("Pötion€")); // as typed; QTest types ASCII only
    services.yesNoAnswers = {false};
    click(dialog, "saveButton");
    ASSERT_EQ(services.questions.size(), 1u);
    EXPECT_NE(services.questions[0].text.find("left out: ö, €"), std::string::npos) << services.questions[0].text;
    EXPECT_TRUE(holds(image.bytes(), at, {0x99, 0x14, 0x5F, 0x44, 0xB6, 0x00})) << "No writes nothing";
}

TEST_F(TextEditorTest, UntouchedEntriesWriteNothingInEveryGroup)
{
    // Dialogue whose bytes the greedy encoder would write otherwise: "t" "h" as two bytes, not the pair.
    const std::size_t at = sampleText(0x18010 + 8, 0x10010);
    auto original = sampleWith(at, {0xB7, 0xAB, 0xE1, 0x01, 0x00});
    openBytes(original);
    CText dialog(context());
    for (int g = 0; g < kEpilogueGroup; ++g) {
        selectGroup(dialog, g);
        const int entries = std::max(1, find<QListWidget>(dialog, "entryList")->count());
        for (int n = 0; n < std::min(entries, 6); ++n) {
            selectEntry(dialog, n);
            click(dialog, "saveButton");
        }
    }
    EXPECT_EQ(savedFile(), original);
    EXPECT_TRUE(services.questions.empty());
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(TextEditorTest, NonBreakingSpacesComeBackOutOfTheDialogueBox)
{
    table.set(0xE1, "\u00A0"); // a table that maps a byte to a non-breaking space
    const std::size_t at = sampleText(0x18010 + 8, 0x10010);
    openBytes(sampleWith(at, {0x8A, 0xE1, 0x8B, 0x00}));
    CText dialog(context());
    selectGroup(dialog, 11);
    selectEntry(dialog, 4);
    auto *edit = dialogue(dialog);
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, QStringLiteral("C"));
    services.yesNoAnswers = {true};
    click(dialog, "saveButton");
    EXPECT_TRUE(holds(image.bytes(), at, {0x8A, 0xE1, 0x8B, 0x8C, 0x00}));
}

TEST_F(TextEditorTest, EmptyTableRefusesToSave)
{
    table = TextTable{};
    openSample();
    CText dialog(context());
    click(dialog, "saveButton");
    type(dialog, "nameEdit", QStringLiteral("{8A}"));
    click(dialog, "saveButton");
    ASSERT_EQ(services.messages.size(), 2u) << "refused, edited or not";
    EXPECT_NE(services.messages[1].text.find("table in use is empty"), std::string::npos);
    EXPECT_EQ(image.bytes(), test::sampleBytes());
    EXPECT_EQ(savedFile(), test::sampleBytes());
}

TEST_F(TextEditorTest, LongTextsAreNeverCutBySave)
{
    // A prologue of 5000 bytes: more than the lists show, less than an edit may hold.
    std::vector<std::uint8_t> prologue(5000, 0x8A);
    prologue.push_back(0x00);
    const auto original = sampleWith(0x2B91A, prologue);
    openBytes(original);
    CText dialog(context());
    selectGroup(dialog, kPrologueGroup);
    click(dialog, "saveButton");
    EXPECT_EQ(savedFile(), original);

    auto *edit = dialogue(dialog);
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, QStringLiteral("B"));
    services.yesNoAnswers = {true};
    click(dialog, "saveButton");
    EXPECT_EQ(std::count(image.bytes().begin() + 0x2B91A, image.bytes().begin() + 0x2B91A + 5000, 0x8A), 5000);
    EXPECT_TRUE(holds(image.bytes(), 0x2B91A + 5000, {0x8B, 0x00}));
}

TEST_F(TextEditorTest, FingerCodeInANameIsAnOrdinaryByte)
{
    const std::size_t at = itemText(1);
    openBytes(sampleWith(at, {0x8A, 0x16, 0x8B, 0x00}));
    CText dialog(context());
    EXPECT_EQ(text(dialog, "nameEdit"), QStringLiteral("A[F]B"));
    type(dialog, "nameEdit", QStringLiteral("A[F]C"));
    click(dialog, "saveButton");
    EXPECT_TRUE(holds(image.bytes(), at, {0x8A, 0x16, 0x8C, 0x00})) << "no parameter byte after 0x16";
    EXPECT_TRUE(services.questions.empty());
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
