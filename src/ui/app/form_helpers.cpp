#include "form_helpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>

#include "text/number_parsing.h"

namespace talvek::form {

void makeDigitsOnly(QLineEdit *edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

void setDecimal(QLineEdit *edit, std::int64_t value)
{
    edit->setText(QString::number(value));
}

std::int64_t decimalOf(const QLineEdit *edit)
{
    return parseLeadingDecimal(edit->text().toStdString());
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
