#pragma once

#include <functional>
#include <optional>

#include <QWidget>

namespace talvek {

class NesPalette;
class RomImage;

// The three colour squares of a battle palette, read from the ROM on every paint. Its top-left corner stands
// for a point of the dialog's own client coordinates, where the editor's hit test is written.
class ColorSwatchesView : public QWidget {
    Q_OBJECT
public:
    using HitTest = std::function<std::optional<int>(int x, int y)>;

    explicit ColorSwatchesView(QWidget *parent = nullptr);

    void setSource(const RomImage *image, const NesPalette *palette);
    void setGeometryRule(QPoint clientTopLeft, HitTest hitTest);
    void setBattlePalette(int palette);
    [[nodiscard]] int battlePalette() const { return palette_; }
    [[nodiscard]] QPoint clientTopLeft() const { return clientTopLeft_; }

signals:
    // Colour 1 to 3 of the palette was clicked.
    void colorClicked(int color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const RomImage *image_ = nullptr;
    const NesPalette *nesPalette_ = nullptr;
    QPoint clientTopLeft_;
    HitTest hitTest_;
    int palette_ = 0;
};

} // namespace talvek
