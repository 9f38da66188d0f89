#include "c_text.h"

#include <QFontDatabase>

#include "app/changed_marker.h"
#include "app/save_note.h"
#include "app/tab_order.h"
#include "app/save_shortcut.h"
#include "app/form_helpers.h"
#include "app/ui_services.h"
#include "text/number_parsing.h"
#include "text/text_codec.h"
#include "ui_c_text.h"

namespace talvek {

namespace {

const QString kNoValue = QStringLiteral("-----");

// "A, B, C": each character once, in the order typed.
QString uniqueCharacters(const QString &text)
{
    QStringList seen;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!seen.contains(character))
            seen << character;
        i += length - 1;
    }
    return seen.join(QStringLiteral(", "));
}

} // namespace

CText::CText(const EditorContext &context, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CText>()), context_(context)
{
    ui->setupUi(this);
    addSaveNote(this);
    // Tab goes from the lists to the text, then to the fields one can change; Tab in the dialogue box moves on
    // instead of typing a tab. The pointer and location are read, not typed.
    ui->dialogueEdit->setTabChangesFocus(true);
    ui->pointerEdit->setFocusPolicy(Qt::ClickFocus);
    ui->locationEdit->setFocusPolicy(Qt::ClickFocus);
    chainTabOrder(this, {"groupList", "entryList", "nameEdit", "dialogueEdit", "valueEdit", "fingerEdit", "preferDteCheck",
                         "helpButton", "saveButton", "exitButton"});
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(10);
    setFont(fixed);
    form::makeUpperCase(ui->valueEdit);
    form::makeUpperCase(ui->fingerEdit);

    for (const auto &g : kTextGroups)
        ui->groupList->addItem(QString::fromUtf8(g.name.data(), static_cast<qsizetype>(g.name.size())));
    rebuildKeywords();
    ui->dialogueEdit->hide();
    ui->preferDteCheck->setChecked(true);
    ui->fingerEdit->setText(QStringLiteral("--"));

    connect(ui->groupList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            fillGroup();
    });
    connect(ui->entryList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            selectEntry(row);
    });
    connect(ui->nameEdit, &QLineEdit::textChanged, this, &CText::updateByteCount);
    connect(ui->dialogueEdit, &QPlainTextEdit::textChanged, this, &CText::updateByteCount);
    connect(ui->fingerEdit, &QLineEdit::textChanged, this, &CText::updateByteCount);
    connect(ui->preferDteCheck, &QCheckBox::toggled, this, &CText::updateByteCount);
    connect(ui->valueEdit, &QLineEdit::textChanged, this, &CText::showChangedState);
    connect(ui->saveButton, &QPushButton::clicked, this, &CText::save);
    connect(ui->helpButton, &QPushButton::clicked, this, [this] {
        context_.services.showMessage(this, QString::fromUtf8(kHelpText), QStringLiteral("Text Editor tips"));
    });
    connect(ui->exitButton, &QPushButton::clicked, this, &QDialog::reject);

    ui->groupList->setCurrentRow(0);
    addSaveShortcut(this, ui->saveButton, ui->entryList);
}

CText::~CText() = default;

void CText::openAt(const EditorTarget &target)
{
    if (target.record < 0 || target.record >= ui->groupList->count())
        return;
    ui->groupList->setCurrentRow(target.record);
    if (target.entry >= 0 && target.entry < ui->entryList->count())
        ui->entryList->setCurrentRow(target.entry);
}

int CText::group() const
{
    return std::max(ui->groupList->currentRow(), 0);
}

bool CText::usesDialogueEdit() const
{
    const auto kind = kTextGroups[static_cast<std::size_t>(group())].kind;
    return kind == TextGroupKind::Dialogue || kind == TextGroupKind::Prologue;
}

void CText::fillGroup()
{
    const int g = group();
    const TextGroupKind kind = kTextGroups[static_cast<std::size_t>(g)].kind;
    {
        const QSignalBlocker blocker(ui->entryList);
        ui->entryList->clear();
        for (const auto &label : textEntryLabels(context_.image, g, context_.table))
            ui->entryList->addItem(form::fromUtf8(label));
    }
    ui->nameEdit->setVisible(!usesDialogueEdit());
    ui->dialogueEdit->setVisible(usesDialogueEdit());
    const bool editable = kind != TextGroupKind::Epilogue;
    ui->nameEdit->setEnabled(editable);
    ui->saveButton->setEnabled(editable); // the epilogue has no place in the ROM: nothing to save
    if (kind == TextGroupKind::Characters || kind == TextGroupKind::Prologue || kind == TextGroupKind::Epilogue) {
        ui->pointerEdit->setText(kNoValue);
        ui->valueEdit->setText(kNoValue);
    }
    if (ui->entryList->count() > 0)
        ui->entryList->setCurrentRow(0); // runs the entry selection
    else
        selectEntry(0);
}

void CText::selectEntry(int entry)
{
    const int g = group();
    const TextGroupKind kind = kTextGroups[static_cast<std::size_t>(g)].kind;
    location_ = locateTextEntry(context_.image, g, entry);
    showText(readTextEntry(context_.image, g, location_, context_.table, keywords_));
    ui->locationEdit->setText(location_.textLocation ? form::hex(*location_.textLocation) : kNoValue);
    if (location_.pointerLocation) {
        ui->pointerEdit->setText(form::hex(*location_.pointerLocation));
        ui->valueEdit->setText(form::hex(location_.pointerValue));
    }
    ui->entryList->setEnabled(kind != TextGroupKind::Prologue && kind != TextGroupKind::Epilogue);
    storedLength_ = storedTextLength(context_.image, g, location_);
    updateByteCount();
}

void CText::showText(const TextEntryContent &content)
{
    const TextGroupKind kind = kTextGroups[static_cast<std::size_t>(group())].kind;
    // The name edit shows the whole stored text, which the list's label may show cut.
    if (usesDialogueEdit()) {
        ui->nameEdit->clear();
        ui->dialogueEdit->setPlainText(form::fromUtf8(toEditLineBreaks(content.text)));
    } else {
        ui->nameEdit->setText(form::fromUtf8(content.text));
        ui->dialogueEdit->clear();
    }
    if (kind == TextGroupKind::Dialogue)
        ui->fingerEdit->setText(content.fingerParameter ? form::hex(*content.fingerParameter) : QStringLiteral("--"));
    shownText_ = editedText();
    shownFinger_ = ui->fingerEdit->text();
    shownComplete_ = content.complete;
}

QString CText::editedText() const
{
    return usesDialogueEdit() ? form::rawPlainText(ui->dialogueEdit) : ui->nameEdit->text();
}

bool CText::textEdited() const
{
    const bool dialogue = kTextGroups[static_cast<std::size_t>(group())].kind == TextGroupKind::Dialogue;
    return editedText() != shownText_ || (dialogue && ui->fingerEdit->text() != shownFinger_)
        || !ui->preferDteCheck->isChecked();
}

void CText::rebuildKeywords()
{
    // The encoders refer to the list, so they go first and come back after it.
    dteEncoder_.reset();
    plainEncoder_.reset();
    keywords_ = KeywordList::build(context_.image, context_.table);
    dteEncoder_ = std::make_unique<TextEntryEncoder>(context_.table, keywords_);
    plainEncoder_ = std::make_unique<TextEntryEncoder>(context_.plainTable, keywords_);
}

std::vector<std::uint8_t> CText::encodedText(std::string *dropped) const
{
    const TextEntryEncoder &encoder = ui->preferDteCheck->isChecked() ? *dteEncoder_ : *plainEncoder_;
    return encoder.encode(group(), toTableLineBreaks(editedText().toStdString()),
                          parseFingerParameter(ui->fingerEdit->text().toStdString()), dropped);
}

void CText::updateByteCount()
{
    showChangedState();
    if (!location_.textLocation) {
        ui->byteCountLabel->clear();
        return;
    }
    ui->byteCountLabel->setText(QStringLiteral("%1 / %2 bytes").arg(encodedText().size()).arg(storedLength_));
}

void CText::showChangedState()
{
    if (title_.isEmpty())
        title_ = windowTitle();
    const bool pointerChanged = location_.pointerLocation
        && clampTo(parseLeadingHex(ui->valueEdit->text().toStdString()), 0, 0xFFFF) != location_.pointerValue;
    ChangedMarker::mark(this, title_, location_.textLocation && (textEdited() || pointerChanged));
}

void CText::save()
{
    if (!location_.textLocation)
        return; // the epilogue: nothing to write, and never the previous entry's place
    const TextTable &table = ui->preferDteCheck->isChecked() ? context_.table : context_.plainTable;
    if (table.empty()) {
        context_.services.showMessage(this, QStringLiteral("The text table in use is empty (its file could not be "
                                                           "loaded), so no text can be encoded. Nothing was written."));
        return;
    }
    const auto pointerValue = location_.pointerLocation
        ? static_cast<std::uint16_t>(clampTo(parseLeadingHex(ui->valueEdit->text().toStdString()), 0, 0xFFFF))
        : std::uint16_t{0};
    if (!textEdited()) {
        // The stored bytes stay exactly as they are; only a changed pointer value is written.
        if (!storeTextEntry(context_.image, location_, {}, pointerValue))
            return;
    } else if (!storeEditedText(pointerValue)) {
        return;
    }
    saveWholeImage(context_, this);
    rebuildKeywords(); // renamed items and keywords are matched from now on
    fillGroup();
}

bool CText::storeEditedText(std::uint16_t pointerValue)
{
    if (!shownComplete_) {
        context_.services.showMessage(
            this, QStringLiteral("This text is longer than %1 bytes and is shown cut, so an edit of it cannot be "
                                 "saved. Nothing was written.")
                      .arg(kMaxEditableBytes));
        return false;
    }
    std::string dropped;
    const auto bytes = encodedText(&dropped);
    const auto length = static_cast<std::int64_t>(bytes.size());
    QStringList warnings;
    if (!dropped.empty())
        warnings << QStringLiteral("These characters have no entry in the table and will be left out: %1")
                        .arg(uniqueCharacters(form::fromUtf8(dropped)));
    if (length > storedLength_)
        warnings << QStringLiteral("The new text takes %1 bytes, but the old text had %2 bytes.\n\nSaving it will "
                                   "overwrite the data that follows it.")
                        .arg(length)
                        .arg(storedLength_);
    if (!warnings.isEmpty()
        && !context_.services.askYesNo(this, warnings.join(QStringLiteral("\n\n")) + QStringLiteral(" Save anyway?"),
                                       QStringLiteral("Text Editor")))
        return false;
    if (!storeTextEntry(context_.image, location_, bytes, pointerValue)) {
        context_.services.showMessage(
            this, QStringLiteral("The text does not fit before the end of the ROM image. Nothing was written."));
        return false;
    }
    return true;
}

const char *const CText::kHelpText =
    "Note that what is displayed character/letter-wise is changeable in the tables.\n"
    "\n"
    "To save on space, the programmer of FF2 decided to use variables to display any item, Keyword, or another unique name that shows up in the Miscellaneous. They save correctly, just type them in as you would normally. Do note though, that changing any item name, Keyword, or anything in the Miscellaneous will not take immediate effect when you save in this regard. You will have to close and re-open Talvek for the time being so Talvek can recognize the changes you made to those words. Take for example, you change the word 'Wild Rose' to 'Flower.' Talvek will still be looking for 'Wild Rose' when it's looking for the variables until you close and re-open Talvek. On a final note, these only work in the dialogue anyway.\n"
    "\n"
    "As for the 'special' characters:\n"
    "C1*, C2*, C3*, C4*, and #c4 are all in the DTE table. They are bound by those offsets, but you can change those identifiers to whatever you please. (Like say, you can change C1* to Char01* and it'll still be found.)\n"
    "Also, C1, etc all mean the character in that position. Frionel, Maria, and Gus never move, but should the day come that they aren't in those positions...it'd look rather silly. C4* is for the character currently in the 4th position. #c4 is for Leon.\n"
    "\n"
    "Dialogue works like this: Four lines per 'box' (what you'll see in game). If dialogue does not end on the fourth line, it must have an extra line break so words don't bleed, unless it is the first box. In the game, all keywords appear in the 'last box' so keep that in mind.\n"
    "\n"
    "The Prototype has a spacing feature it used quite a bit. Think of it as single or double spacing. The Prototype is capable of both, but uses 'double spacing' for the dialogue.\n"
    "\n"
    "WARNING! There is NO length detection! Take that back, current length detection only exists for character names. It will lob anything off after 6. There is nothing to prevent you from overwriting existing text and/or data!\n"
    "\n"
    "WARNING! If you are editing the Prototype, DO NOT EDIT DIALOGUE!";

} // namespace talvek
