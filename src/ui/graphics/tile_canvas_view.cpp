#include "tile_canvas_view.h"

#include <QPainter>

#include "graphics/canvas_image.h"

namespace talvek {

TileCanvasView::TileCanvasView(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TileCanvasView::setSource(const NesPalette *palette, std::function<TileCanvas()> picture)
{
    palette_ = palette;
    picture_ = std::move(picture);
    updateGeometry();
    update();
}

void TileCanvasView::setZoom(int zoom)
{
    zoom_ = std::clamp(zoom, 1, 3);
    setFixedSize(sizeHint());
    update();
}

QImage TileCanvasView::currentImage() const
{
    if (!picture_ || !palette_)
        return {};
    return canvasImage(picture_(), *palette_);
}

QSize TileCanvasView::sizeHint() const
{
    if (!picture_)
        return {128 * zoom_, 128 * zoom_};
    const TileCanvas canvas = picture_();
    return {canvas.width * zoom_, canvas.height * zoom_};
}

void TileCanvasView::paintEvent(QPaintEvent *)
{
    const QImage image = currentImage();
    if (image.isNull()) {
        if (picture_)
            emit pictureFailed();
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, image.width() * zoom_, image.height() * zoom_), image);
}

} // namespace talvek
