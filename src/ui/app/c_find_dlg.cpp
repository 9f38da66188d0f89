#include "c_find_dlg.h"

#include <algorithm>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/form_helpers.h"
#include "search/editor_target.h"

namespace talvek {

CFindDlg::CFindDlg(const RomImage &image, QWidget *parent)
    : QDialog(parent), image_(image), searchEdit_(new QLineEdit(this)), resultList_(new QListWidget(this)),
      statusLabel_(new QLabel(this))
{
    setObjectName(QStringLiteral("findWindow"));
    setWindowTitle(QStringLiteral("Find"));
    searchEdit_->setObjectName(QStringLiteral("searchEdit"));
    searchEdit_->setPlaceholderText(QStringLiteral("Text or name to find"));
    searchEdit_->setClearButtonEnabled(true);
    resultList_->setObjectName(QStringLiteral("resultList"));
    resultList_->setUniformItemSizes(true);
    statusLabel_->setObjectName(QStringLiteral("statusLabel"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(searchEdit_);
    layout->addWidget(resultList_);
    layout->addWidget(statusLabel_);
    searchEdit_->installEventFilter(this);

    connect(searchEdit_, &QLineEdit::textChanged, this, &CFindDlg::search);
    connect(resultList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { chooseRow(resultList_->row(item)); });
}

void CFindDlg::refresh(const TextTable &table)
{
    table_ = &table;
    search();
}

void CFindDlg::search()
{
    // The image changes under this window (a save, an undo, another ROM): the index follows it.
    if (table_ && (indexedTable_ != table_ || indexedBytes_ != image_.bytes())) {
        indexedTable_ = table_;
        indexedBytes_ = image_.bytes();
        index_ = image_.holdsGameLayout() ? std::optional(TextSearch::build(image_, *table_)) : std::nullopt;
    }
    std::vector<TextSearch::Match> matches;
    if (index_)
        matches = index_->find(TextSearch::wordsOf(searchEdit_->text().toStdString()));
    // Best first; equal scores stay in the index's order (records in the export's order, then the texts).
    std::stable_sort(matches.begin(), matches.end(), [](const auto &a, const auto &b) { return a.score > b.score; });

    shown_.clear();
    QStringList rows;
    for (const auto &match : matches) {
        shown_.push_back(match.entry->place);
        rows << form::fromUtf8(whereOf(match.entry->place) + ": " + match.entry->text);
    }
    resultList_->setUpdatesEnabled(false);
    resultList_->clear();
    resultList_->addItems(rows);
    resultList_->setUpdatesEnabled(true);
    if (!rows.isEmpty())
        resultList_->setCurrentRow(0);
    if (!index_)
        statusLabel_->setText(QStringLiteral("No image to search."));
    else if (searchEdit_->text().trimmed().isEmpty())
        statusLabel_->setText(QStringLiteral("Type a text or a name; Enter opens the editor at the chosen row."));
    else
        statusLabel_->setText(rows.size() == 1 ? QStringLiteral("1 result") : QStringLiteral("%1 results").arg(rows.size()));
}

void CFindDlg::chooseRow(int row)
{
    if (row < 0 || row >= static_cast<int>(shown_.size()))
        return;
    const Place place = shown_[static_cast<std::size_t>(row)];
    // The editor is modal: this window would sit under it.
    hide();
    emit placeChosen(place);
}

bool CFindDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == searchEdit_ && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(resultList_, event);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            chooseRow(resultList_->currentRow());
            return true;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace talvek
