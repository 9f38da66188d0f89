#include "save_shortcut.h"

#include <QDialog>
#include <QPushButton>
#include <QShortcut>

namespace talvek {

void addSaveShortcut(QDialog *dialog, QPushButton *saveButton, QWidget *recordList)
{
    auto *shortcut = new QShortcut(QKeySequence::Save, dialog);
    QObject::connect(shortcut, &QShortcut::activated, saveButton, &QPushButton::click);
    if (recordList)
        QObject::connect(saveButton, &QPushButton::clicked, recordList, [recordList] { recordList->setFocus(); });
}

} // namespace talvek
