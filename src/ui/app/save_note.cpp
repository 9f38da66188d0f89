#include "save_note.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace talvek {

namespace {
constexpr char kNoteName[] = "saveNoteLabel";
}

void addSaveNote(QWidget *editor)
{
    auto *save = editor->findChild<QPushButton *>(QStringLiteral("saveButton"));
    if (!save)
        return;
    for (QBoxLayout *row : editor->findChildren<QBoxLayout *>()) {
        const int at = row->indexOf(save);
        if (at < 0)
            continue;
        auto *note = new QLabel(editor);
        note->setObjectName(QString::fromLatin1(kNoteName));
        // As wide as the longest note from the start: the row does not move when one appears.
        note->setMinimumWidth(note->fontMetrics().horizontalAdvance(QStringLiteral("Nothing changed")) + 4);
        note->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row->insertWidget(at, note);
        return;
    }
}

void showSaveNote(QWidget *editor, const QString &text)
{
    if (auto *note = editor ? editor->findChild<QLabel *>(QString::fromLatin1(kNoteName)) : nullptr)
        note->setText(text);
}

} // namespace talvek
