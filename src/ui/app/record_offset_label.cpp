#include "record_offset_label.h"

#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QVBoxLayout>

namespace talvek {

QLabel *addRecordOffsetLabel(QListWidget *list, std::function<std::int64_t(int row)> offsetOf,
                             const QString &objectName)
{
    // The list and the label share the list's place in the form.
    auto *holder = new QWidget(list->parentWidget());
    list->parentWidget()->layout()->replaceWidget(list, holder);
    auto *column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(list);
    auto *label = new QLabel(holder);
    label->setObjectName(objectName);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(label);

    const auto show = [label, list, offsetOf = std::move(offsetOf)] {
        const int row = list->currentRow();
        label->setText(row < 0 ? QString()
                               : QStringLiteral("Record at 0x%1").arg(QString::number(offsetOf(row), 16).toUpper()));
    };
    QObject::connect(list, &QListWidget::currentRowChanged, label, show);
    show();
    return label;
}

} // namespace talvek
