#include "c_about.h"

#include "rom/size_class.h"
#include "app/resource_loader.h"
#include "ui_c_about.h"

namespace talvek {

CAbout::CAbout(std::int64_t romSize, QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::CAbout>())
{
    loadResources();
    ui->setupUi(this);
    ui->pictureFf2Label->setPixmap(QPixmap(QStringLiteral(":/pictures/about_ff2.png")));
    ui->pictureGbaLabel->setPixmap(QPixmap(QStringLiteral(":/pictures/about_gba.png")));
    ui->pictureUnknownLabel->setPixmap(QPixmap(QStringLiteral(":/pictures/tiles.png")));

    const SizeClass sizeClass = classifySize(romSize);
    const bool nes = sizeClass == SizeClass::Ff2 || sizeClass == SizeClass::Combo;
    ui->pictureFf2Label->setVisible(nes);
    ui->pictureGbaLabel->setVisible(sizeClass == SizeClass::Gba);
    ui->pictureUnknownLabel->setVisible(sizeClass == SizeClass::Unknown);

    // OK is the box's cancel command: it only closes.
    connect(ui->okButton, &QPushButton::clicked, this, &QDialog::reject);
}

CAbout::~CAbout() = default;

} // namespace talvek
