#include "changed_marker.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "rom/rom_image.h"

namespace talvek {

ChangedMarker::ChangedMarker(QDialog *editor, const RomImage &image, Store store)
    : QObject(editor), editor_(editor), image_(image), store_(std::move(store)), title_(editor->windowTitle())
{
}

ChangedMarker *ChangedMarker::attach(QDialog *editor, const RomImage &image, Store store)
{
    auto *marker = new ChangedMarker(editor, image, std::move(store));
    for (auto *edit : editor->findChildren<QLineEdit *>())
        connect(edit, &QLineEdit::textChanged, marker, &ChangedMarker::requestRefresh);
    for (auto *combo : editor->findChildren<QComboBox *>())
        connect(combo, &QComboBox::currentIndexChanged, marker, &ChangedMarker::requestRefresh);
    for (auto *list : editor->findChildren<QListWidget *>())
        connect(list, &QListWidget::currentRowChanged, marker, &ChangedMarker::requestRefresh);
    for (auto *button : editor->findChildren<QAbstractButton *>())
        connect(button, &QAbstractButton::clicked, marker, &ChangedMarker::requestRefresh); // ticks, Save, palettes
    marker->rebase();
    marker->refresh();
    return marker;
}

void ChangedMarker::requestRefresh()
{
    if (pending_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(this, &ChangedMarker::refresh, Qt::QueuedConnection);
}

void ChangedMarker::rebase()
{
    RomImage scratch = image_;
    store_(scratch);
    baseline_ = std::move(scratch.bytes());
}

void ChangedMarker::refresh()
{
    pending_ = false;
    RomImage scratch = image_;
    store_(scratch);
    changed_ = scratch.bytes() != baseline_;
    mark(editor_, title_, changed_);
}

void ChangedMarker::mark(QDialog *editor, const QString &title, bool changed)
{
    editor->setWindowTitle(changed ? title + QStringLiteral(" *") : title);
    if (auto *save = editor->findChild<QPushButton *>(QStringLiteral("saveButton"))) {
        QFont font = save->font();
        font.setBold(changed);
        save->setFont(font);
    }
}

} // namespace talvek
