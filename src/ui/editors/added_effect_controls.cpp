#include "added_effect_controls.h"

#include <QCheckBox>
#include <QListWidget>

namespace talvek {

AddedEffectControls::AddedEffectControls(QListWidget *list, const std::array<QCheckBox *, kAilmentBoxCount> &boxes)
    : list_(list), boxes_(boxes)
{
    for (auto label : kAddedEffectLabels)
        list_->addItem(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
    QObject::connect(list_, &QListWidget::currentRowChanged, list_, [this](int row) { entryChanged(row); });
}

void AddedEffectControls::show(std::uint8_t byte, std::optional<int> row)
{
    stored_ = byte;
    showing_ = true;
    list_->setCurrentRow(row.value_or(-1));
    showing_ = false;
    entryChanged(list_->currentRow()); // the boxes, even when the row did not change
    shownRow_ = list_->currentRow();
    shownBoxes_ = ailments();
}

void AddedEffectControls::entryChanged(int row)
{
    if (showing_)
        return;
    // The boxes show the stored ailments when the stored byte is of this entry, and are clear otherwise.
    const AddedEffect stored = decodeAddedEffect(stored_);
    for (int box = 0; box < kAilmentBoxCount; ++box) {
        QCheckBox *check = boxes_[static_cast<std::size_t>(box)];
        check->setVisible(boxShown(row, box));
        const auto label = ailmentLabel(row, box);
        if (!label.empty())
            check->setText(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
        check->setChecked(stored.entry == row && stored.boxes[static_cast<std::size_t>(box)].value_or(false));
    }
}

std::optional<int> AddedEffectControls::changedEntry() const
{
    const int row = list_->currentRow();
    if (row < 0 || (row == shownRow_ && ailments() == shownBoxes_))
        return std::nullopt;
    return row;
}

std::array<bool, kAilmentBoxCount> AddedEffectControls::ailments() const
{
    std::array<bool, kAilmentBoxCount> checked{};
    for (std::size_t box = 0; box < checked.size(); ++box)
        checked[box] = boxes_[box]->isChecked();
    return checked;
}

} // namespace talvek
