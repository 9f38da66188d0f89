#pragma once

#include <QWidget>

namespace talvek {

class NesPalette;
class RomImage;

// Paints the 128 battle palettes (8 columns of 16), the original and the current palette in the
// chooser's own client pixels (shifted by origin()), and picks a palette on left-button release.
class BattlePaletteView : public QWidget {
    Q_OBJECT
public:
    explicit BattlePaletteView(QWidget *parent = nullptr);

    void setSource(const RomImage *image, const NesPalette *palette);
    void setPalettes(int original, int current);
    [[nodiscard]] int currentPalette() const { return current_; }
    [[nodiscard]] static QPoint origin() { return {48, 0}; }

signals:
    void currentPaletteChanged(int palette);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const RomImage *image_ = nullptr;
    const NesPalette *palette_ = nullptr;
    int original_ = 0;
    int current_ = 0;
};

} // namespace talvek
