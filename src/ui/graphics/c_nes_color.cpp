#include "c_nes_color.h"

#include "ui_c_nes_color.h"

namespace talvek {

CNESColor::CNESColor(const NesPalette &palette, int startColor, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CNESColor>())
{
    ui->setupUi(this);
    ui->colorView->setPalette(&palette);
    // A start byte of 0x40 or more shows as its low six bits, but is returned unchanged on a plain OK.
    ui->colorView->setCurrentColor(startColor);
    connect(ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
}

CNESColor::~CNESColor() = default;

int CNESColor::currentColor() const
{
    return ui->colorView->currentColor();
}

} // namespace talvek
