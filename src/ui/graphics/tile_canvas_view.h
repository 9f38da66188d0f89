#pragma once

#include <functional>

#include <QWidget>

#include "graphics/tile_canvas.h"

namespace talvek {

class NesPalette;

// Shows a tile picture, rebuilt from the ROM on every paint, at 1x, 2x or 3x with sharp pixels.
class TileCanvasView : public QWidget {
    Q_OBJECT
public:
    explicit TileCanvasView(QWidget *parent = nullptr);

    void setSource(const NesPalette *palette, std::function<TileCanvas()> picture);
    void setZoom(int zoom);
    [[nodiscard]] int zoom() const { return zoom_; }
    // The picture as the last paint drew it, unscaled.
    [[nodiscard]] QImage currentImage() const;
    [[nodiscard]] QSize sizeHint() const override;

signals:
    // The picture could not be created; the view stays blank.
    void pictureFailed();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const NesPalette *palette_ = nullptr;
    std::function<TileCanvas()> picture_;
    int zoom_ = 1;
};

} // namespace talvek
