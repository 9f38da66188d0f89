#include "form_helpers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

#include "text/number_parsing.h"

namespace talvek::form {

namespace {
// What the editor last showed in a control, to tell the user's changes from it.
constexpr char kShownProperty[] = "talvekShown";
} // namespace

void makeDigitsOnly(QLineEdit *edit, int digits)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    fitDigits(edit, digits);
}

void fitDigits(QLineEdit *edit, int digits)
{
    // The text, the line edit's own side margins (2 pixels each) and the style's frame around them.
    const QFontMetrics metrics(edit->font());
    const QMargins margins = edit->textMargins();
    const int text = metrics.horizontalAdvance(QString(digits, QLatin1Char('8'))) + margins.left() + margins.right() + 4;
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    const int width =
        edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(text, metrics.height()), edit).width();
    edit->setMinimumWidth(std::max(edit->minimumWidth(), width));
    edit->setMaximumWidth(std::max(edit->maximumWidth(), width));
}

void setDecimal(QLineEdit *edit, std::int64_t value)
{
    edit->setText(QString::number(value));
    edit->setProperty(kShownProperty, edit->text());
}

std::int64_t decimalOf(const QLineEdit *edit)
{
    return parseLeadingDecimal(edit->text().toStdString());
}

namespace {

// Typed in (even the same number again) or given other text since the editor showed its value.
bool edited(const QLineEdit *edit)
{
    const QVariant shown = edit->property(kShownProperty);
    return edit->isModified() || !shown.isValid() || shown.toString() != edit->text();
}

} // namespace

std::optional<std::int64_t> editedDecimal(const QLineEdit *edit)
{
    return edited(edit) ? std::optional<std::int64_t>(decimalOf(edit)) : std::nullopt;
}

void makeHexDigitsOnly(QLineEdit *edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]*")), edit));
    makeUpperCase(edit);
}

void setHex(QLineEdit *edit, std::int64_t value)
{
    edit->setText(hex(value));
    edit->setProperty(kShownProperty, edit->text());
}

std::optional<std::int64_t> editedHex(const QLineEdit *edit)
{
    return edited(edit) ? std::optional<std::int64_t>(parseLeadingHex(edit->text().toStdString())) : std::nullopt;
}

void showChecked(QAbstractButton *box, bool checked)
{
    box->setChecked(checked);
    box->setProperty(kShownProperty, checked);
}

std::optional<bool> changedChecked(const QAbstractButton *box)
{
    const QVariant shown = box->property(kShownProperty);
    if (shown.isValid() && shown.toBool() == box->isChecked())
        return std::nullopt;
    return box->isChecked();
}

void selectPosition(QComboBox *combo, std::optional<int> position)
{
    combo->setCurrentIndex(position && *position < combo->count() ? *position : -1);
}

std::optional<int> positionOf(const QComboBox *combo)
{
    const int index = combo->currentIndex();
    return index < 0 ? std::nullopt : std::optional<int>(index);
}

QString hex(std::int64_t value)
{
    return QString::number(value, 16).toUpper();
}

void makeUpperCase(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        const int cursor = edit->cursorPosition();
        edit->setText(text.toUpper());
        edit->setModified(true); // still the user's edit
        edit->setCursorPosition(cursor);
    });
}

QString fromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}

QString rawPlainText(const QPlainTextEdit *edit)
{
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace talvek::form
