#include "where_used_list.h"

#include <QDialog>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/form_helpers.h"
#include "search/editor_target.h"

namespace talvek {

WhereUsedList::WhereUsedList(QWidget *parent) : QGroupBox(QStringLiteral("Where used"), parent), list_(new QListWidget(this))
{
    setObjectName(QStringLiteral("whereUsedGroup"));
    list_->setObjectName(QStringLiteral("whereUsedList"));
    list_->setFixedHeight(list_->fontMetrics().height() * 5 + 2 * list_->frameWidth() + 4);
    list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance(QStringLiteral("spoils_sets 12 4 (monsters 5, 17, 64)")) + 24);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list_);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const int row = list_->row(item);
        if (row >= 0 && row < static_cast<int>(places_.size()))
            emit placeChosen(places_[static_cast<std::size_t>(row)]);
    });
}

WhereUsedList *WhereUsedList::addTo(QDialog *editor, QWidget *recordList, const EditorContext &context,
                                    std::function<void(RomImage &)> storeFields)
{
    auto *list = new WhereUsedList(editor);
    auto *column = new QWidget(editor);
    auto *columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    recordList->parentWidget()->layout()->replaceWidget(recordList, column, Qt::FindChildrenRecursively);
    columnLayout->addWidget(recordList, 1);
    columnLayout->addWidget(list);
    connect(list, &WhereUsedList::placeChosen, editor, [editor, context, storeFields](const Place &place) {
        goToPlace(context, editor, place, fieldsDifferFromImage(context.image, storeFields));
    });
    return list;
}

void WhereUsedList::showPlaces(const std::vector<Place> &places, const QString &subject)
{
    places_ = places;
    list_->clear();
    for (const Place &place : places_) {
        auto *item = new QListWidgetItem(form::fromUtf8(describePlace(place)), list_);
        item->setToolTip(item->text());
        if (!editorTargetOf(place)) {
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled); // no record uses this shared entry
            item->setToolTip(QStringLiteral("No record uses this entry, so there is nothing to open."));
        }
    }
    if (places_.empty()) {
        auto *none = new QListWidgetItem(QStringLiteral("(not used anywhere)"), list_);
        none->setFlags(Qt::NoItemFlags);
    }
    setTitle(subject.isEmpty() ? QStringLiteral("Where used (%1)").arg(places_.size())
                               : QStringLiteral("Where used: %1 (%2)").arg(subject).arg(places_.size()));
}

} // namespace talvek
