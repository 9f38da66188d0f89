#include "tab_order.h"

#include <QWidget>

namespace talvek {

void chainTabOrder(QWidget *dialog, std::initializer_list<const char *> names)
{
    QWidget *previous = nullptr;
    for (const char *name : names) {
        auto *widget = dialog->findChild<QWidget *>(QString::fromLatin1(name));
        if (!widget)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace talvek
