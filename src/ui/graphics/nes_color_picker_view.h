#pragma once

#include <QWidget>

namespace talvek {

class NesPalette;

// Paints the 64-colour grid and the current colour square in the picker's own client pixels (shifted by
// origin()), and picks a colour on left-button release inside the grid.
class NesColorPickerView : public QWidget {
    Q_OBJECT
public:
    explicit NesColorPickerView(QWidget *parent = nullptr);

    void setPalette(const NesPalette *palette) { palette_ = palette; }
    void setCurrentColor(int color);
    [[nodiscard]] int currentColor() const { return current_; }
    // Where the picker's client point (0, 0) lies in this widget.
    [[nodiscard]] static QPoint origin() { return {16, 0}; }

signals:
    void currentColorChanged(int color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const NesPalette *palette_ = nullptr;
    int current_ = 0;
};

} // namespace talvek
