#include "c_graphic.h"

#include <QComboBox>

#include "app/save_shortcut.h"
#include "app/ui_services.h"
#include "graphics/c_font_dlg.h"
#include "graphics/viewer_pictures.h"
#include "ui_c_graphic.h"

namespace talvek {

CGraphic::CGraphic(const RomImage &image, const NesPalette &palette, UiServices &services, TileBlock block,
                   int callerKind, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CGraphic>()), services_(services),
      colorSlots_(blockPictureSlots(image)) // read once, when the viewer opens
{
    ui->setupUi(this);
    ui->pictureGroup->setTitle(captionForCaller(callerKind));
    // More than 16 x 16 tiles would not fit the 128 x 128 picture.
    block.columns = std::clamp(block.columns, 0, 16);
    block.rows = std::clamp(block.rows, 0, 16);
    ui->pictureView->setSource(&palette, [&image, block, this] { return blockPicture(image, block, colorSlots_); });
    ui->pictureView->setZoom(1);
    connect(ui->zoomCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        ui->pictureView->setZoom(index + 1);
        adjustSize();
    });
    connect(ui->pictureView, &TileCanvasView::pictureFailed, this,
            [this] { services_.showMessage(this, QString::fromUtf8(kPictureFailedMessage)); }, Qt::QueuedConnection);
    connect(ui->saveButton, &QPushButton::clicked, this,
            [this] { services_.showMessage(this, QString::fromUtf8(kViewerSaveMessage)); });
    connect(ui->exitButton, &QPushButton::clicked, this, &QDialog::reject);
    addSaveShortcut(this, ui->saveButton, nullptr);
}

CGraphic::~CGraphic() = default;

QString CGraphic::captionForCaller(int callerKind)
{
    switch (callerKind) {
    case 0: return QStringLiteral("Character Editor");
    case 1: return QStringLiteral("Monster Editor");
    case 2: return QStringLiteral("Spells Editor");
    case 3: return QStringLiteral("Weapons Editor");
    default: return {};
    }
}

} // namespace talvek
