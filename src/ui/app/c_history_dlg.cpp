#include "c_history_dlg.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "records/image_diff.h"
#include "rom/rom_file.h"

namespace talvek {

CHistoryDlg::CHistoryDlg(const SaveState &saves, QWidget *parent)
    : QDialog(parent), saves_(saves), pointList_(new QTreeWidget(this)), changeList_(new QListWidget(this)),
      statusLabel_(new QLabel(this)), revertButton_(new QPushButton(QStringLiteral("Revert to before this save"), this))
{
    setObjectName(QStringLiteral("CHistoryDlg"));
    setWindowTitle(QStringLiteral("History"));
    setModal(false);
    resize(sizeHint());

    pointList_->setObjectName(QStringLiteral("pointList"));
    pointList_->setHeaderLabels({QStringLiteral("Save"), QStringLiteral("Time"), QStringLiteral("Changes")});
    pointList_->setRootIsDecorated(false);
    pointList_->setUniformRowHeights(true);
    pointList_->header()->setStretchLastSection(true);
    changeList_->setObjectName(QStringLiteral("changeList"));
    statusLabel_->setObjectName(QStringLiteral("statusLabel"));
    statusLabel_->setWordWrap(true);
    revertButton_->setObjectName(QStringLiteral("revertButton"));

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(pointList_);
    splitter->addWidget(changeList_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(revertButton_, QDialogButtonBox::ActionRole);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addWidget(statusLabel_);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(pointList_, &QTreeWidget::currentItemChanged, this,
            [this] { showChangesOf(pointList_->indexOfTopLevelItem(pointList_->currentItem())); });
    connect(revertButton_, &QPushButton::clicked, this, [this] {
        const int row = pointList_->indexOfTopLevelItem(pointList_->currentItem());
        if (row >= 0)
            emit revertRequested(row + 1);
    });
}

void CHistoryDlg::showHistoryOf(const std::string &romPath)
{
    const int selected = pointList_->indexOfTopLevelItem(pointList_->currentItem());
    romPath_ = romPath;
    pointList_->clear();
    changeList_->clear();
    HistoryStore store(romPath);
    std::string error;
    if (!store.load(&error)) {
        points_.clear();
        head_ = 0;
        statusLabel_->setText(QString::fromStdString(error));
        revertButton_->setEnabled(false);
        return;
    }
    points_ = store.points();
    head_ = store.head();
    QStringList notes;
    for (const auto &warning : store.warnings())
        notes << QString::fromStdString(warning);
    if (points_.empty())
        notes << QStringLiteral("No save of this ROM has been recorded yet.");
    else if (head_ < points_.size())
        notes << QStringLiteral("Grey saves were undone; Redo puts them back.");
    statusLabel_->setText(notes.join(QLatin1Char('\n')));

    for (std::size_t k = 0; k < points_.size(); ++k) {
        const auto &point = points_[k].point;
        auto *item = new QTreeWidgetItem(pointList_);
        item->setText(0, QString::number(k + 1));
        item->setText(1, QDateTime::fromSecsSinceEpoch(point.time).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        item->setText(2, QString::fromStdString(point.summary));
        item->setToolTip(2, item->text(2));
        if (k >= head_)
            for (int column = 0; column < 3; ++column)
                item->setForeground(column, palette().brush(QPalette::Disabled, QPalette::Text));
    }
    pointList_->resizeColumnToContents(0);
    pointList_->resizeColumnToContents(1);
    revertButton_->setEnabled(!points_.empty());
    if (!points_.empty()) {
        const int row = selected >= 0 && selected < static_cast<int>(points_.size()) ? selected : static_cast<int>(points_.size()) - 1;
        pointList_->setCurrentItem(pointList_->topLevelItem(row));
    }
}

void CHistoryDlg::showChangesOf(int row)
{
    changeList_->clear();
    if (row < 0 || row >= static_cast<int>(points_.size()))
        return;
    const auto file = readRomFile(romPath_);
    if (!file) {
        changeList_->addItem(QStringLiteral("The ROM cannot be read."));
        return;
    }
    // The save's own bytes, put on the file as it is now: the names around them are today's.
    const RestorePoint &point = points_[static_cast<std::size_t>(row)].point;
    const RomImage before(point.undo(file->bytes()), romPath_);
    const RomImage after(point.redo(file->bytes()), romPath_);
    if (!saves_.standardNames || !saves_.prototypeNames)
        return;
    const NameTables names{*saves_.standardNames, *saves_.prototypeNames};
    for (const auto &change : diffImages(before, names.of(before), after, names.of(after)))
        changeList_->addItem(QString::fromStdString(describeChange(change)));
}

} // namespace talvek
