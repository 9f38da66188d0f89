#include "nes_color_picker_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "graphics/canvas_image.h"
#include "graphics/picker_geometry.h"
#include "rom/nes_palette.h"

namespace talvek {

NesColorPickerView::NesColorPickerView(QWidget *parent) : QWidget(parent) {}

void NesColorPickerView::setCurrentColor(int color)
{
    current_ = color;
    update();
}

void NesColorPickerView::paintEvent(QPaintEvent *)
{
    if (!palette_)
        return;
    QPainter painter(this);
    painter.translate(origin());
    auto fill = [&](SquareRect square, int color) {
        painter.fillRect(square.x, square.y, SquareRect::kSize, SquareRect::kSize, nesColor(*palette_, color));
    };
    for (int color = 0; color < NesPalette::kColorCount; ++color)
        fill(nes_color_picker::colorSquare(color), color);
    fill(nes_color_picker::kCurrentSquare, current_);
}

void NesColorPickerView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint() - origin();
    if (const auto color = nes_color_picker::colorAt(point.x(), point.y())) {
        setCurrentColor(*color);
        emit currentColorChanged(*color);
    }
}

} // namespace talvek
