#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class CNESColor;
}

namespace talvek {

class NesPalette;

// "NES Colors": picks one of the 64 NES colours; the current colour is the result on OK.
class CNESColor : public QDialog {
    Q_OBJECT
public:
    CNESColor(const NesPalette &palette, int startColor, QWidget *parent = nullptr);
    ~CNESColor() override;

    [[nodiscard]] int currentColor() const;

private:
    std::unique_ptr<Ui::CNESColor> ui;
};

} // namespace talvek
