#pragma once

#include <QLabel>

namespace talvek {

// Shows a file path shortened in its middle when it does not fit, like a path-ellipsis static.
class ElidedPathLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedPathLabel(QWidget *parent = nullptr);
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace talvek
