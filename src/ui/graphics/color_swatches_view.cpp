#include "color_swatches_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "graphics/battle_palettes.h"
#include "graphics/canvas_image.h"

namespace talvek {

ColorSwatchesView::ColorSwatchesView(QWidget *parent) : QWidget(parent)
{
    setFixedSize(48, 16);
}

void ColorSwatchesView::setSource(const RomImage *image, const NesPalette *palette)
{
    image_ = image;
    nesPalette_ = palette;
    update();
}

void ColorSwatchesView::setGeometryRule(QPoint clientTopLeft, HitTest hitTest)
{
    clientTopLeft_ = clientTopLeft;
    hitTest_ = std::move(hitTest);
}

void ColorSwatchesView::setBattlePalette(int palette)
{
    palette_ = palette;
    update();
}

void ColorSwatchesView::paintEvent(QPaintEvent *)
{
    if (!image_ || !nesPalette_)
        return;
    QPainter painter(this);
    const auto colors = readBattlePalette(*image_, palette_);
    for (int k = 0; k < 3; ++k)
        painter.fillRect(16 * k, 0, 16, 16, nesColor(*nesPalette_, colors[static_cast<std::size_t>(k)]));
}

void ColorSwatchesView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !hitTest_)
        return;
    const QPoint client = event->position().toPoint() + clientTopLeft_;
    if (const auto color = hitTest_(client.x(), client.y()))
        emit colorClicked(*color);
}

} // namespace talvek
