#include "c_battle_palettes.h"

#include "app/form_helpers.h"
#include "ui_c_battle_palettes.h"

namespace talvek {

CBattlePalettes::CBattlePalettes(const RomImage &image, const NesPalette &palette, int originalPalette, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CBattlePalettes>())
{
    ui->setupUi(this);
    ui->paletteView->setSource(&image, &palette);
    ui->paletteView->setPalettes(originalPalette, originalPalette);
    ui->originalPaletteValue->setText(form::hex(originalPalette));
    ui->currentPaletteValue->setText(form::hex(originalPalette));
    connect(ui->paletteView, &BattlePaletteView::currentPaletteChanged, this,
            [this](int palette) { ui->currentPaletteValue->setText(form::hex(palette)); });
    connect(ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

CBattlePalettes::~CBattlePalettes() = default;

int CBattlePalettes::currentPalette() const
{
    return ui->paletteView->currentPalette();
}

} // namespace talvek
