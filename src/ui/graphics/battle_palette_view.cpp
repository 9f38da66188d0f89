#include "battle_palette_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "graphics/battle_palettes.h"
#include "graphics/canvas_image.h"
#include "graphics/picker_geometry.h"

namespace talvek {

BattlePaletteView::BattlePaletteView(QWidget *parent) : QWidget(parent) {}

void BattlePaletteView::setSource(const RomImage *image, const NesPalette *palette)
{
    image_ = image;
    palette_ = palette;
    update();
}

void BattlePaletteView::setPalettes(int original, int current)
{
    original_ = original;
    current_ = current;
    update();
}

void BattlePaletteView::paintEvent(QPaintEvent *)
{
    if (!image_ || !palette_)
        return;
    QPainter painter(this);
    painter.translate(origin());
    auto fill = [&](SquareRect square, int colorByte) {
        painter.fillRect(square.x, square.y, SquareRect::kSize, SquareRect::kSize, nesColor(*palette_, colorByte));
    };
    // The palettes are read from the ROM on every paint.
    for (int p = 0; p < kBattlePaletteCount; ++p) {
        const auto colors = readBattlePalette(*image_, p);
        for (int c = 1; c <= 3; ++c)
            fill(battle_palette_picker::colorSquare(p, c), colors[static_cast<std::size_t>(c - 1)]);
    }
    const auto original = readBattlePalette(*image_, original_);
    const auto current = readBattlePalette(*image_, current_);
    for (int c = 1; c <= 3; ++c) {
        fill(battle_palette_picker::originalSquare(c), original[static_cast<std::size_t>(c - 1)]);
        fill(battle_palette_picker::currentSquare(c), current[static_cast<std::size_t>(c - 1)]);
    }
}

void BattlePaletteView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint() - origin();
    if (const auto palette = battle_palette_picker::paletteAt(point.x(), point.y())) {
        current_ = *palette;
        update();
        emit currentPaletteChanged(*palette);
    }
}

} // namespace talvek
