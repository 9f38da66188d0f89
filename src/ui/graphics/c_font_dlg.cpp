#include "c_font_dlg.h"

#include <QComboBox>

#include "app/save_shortcut.h"
#include "app/ui_services.h"
#include "graphics/viewer_pictures.h"
#include "ui_c_font_dlg.h"

namespace talvek {

CFontDlg::CFontDlg(const EditorContext &context, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CFontDlg>()), context_(context)
{
    ui->setupUi(this);
    const RomImage &image = context_.image;
    ui->pictureView->setSource(&context_.palette, [&image] { return fontPicture(image); });
    ui->pictureView->setZoom(1);
    connect(ui->zoomCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        ui->pictureView->setZoom(index + 1);
        adjustSize();
    });
    connect(ui->pictureView, &TileCanvasView::pictureFailed, this,
            [this] { context_.services.showMessage(this, QString::fromUtf8(kPictureFailedMessage)); },
            Qt::QueuedConnection);
    connect(ui->saveButton, &QPushButton::clicked, this,
            [this] { context_.services.showMessage(this, QString::fromUtf8(kViewerSaveMessage)); });
    connect(ui->exitButton, &QPushButton::clicked, this, &QDialog::reject);
    addSaveShortcut(this, ui->saveButton, nullptr);
}

CFontDlg::~CFontDlg() = default;

} // namespace talvek
