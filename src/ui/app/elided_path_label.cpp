#include "elided_path_label.h"

#include <QPainter>

namespace talvek {

ElidedPathLabel::ElidedPathLabel(QWidget *parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QSize ElidedPathLabel::minimumSizeHint() const
{
    return {fontMetrics().averageCharWidth() * 10, QLabel::minimumSizeHint().height()};
}

void ElidedPathLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
}

} // namespace talvek
