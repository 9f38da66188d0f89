#include "c_shop.h"

#include <QApplication>

#include "app/changed_marker.h"
#include "app/save_note.h"
#include "app/where_used_list.h"
#include "app/save_shortcut.h"
#include "app/form_helpers.h"
#include "app/record_offset_label.h"
#include "records/shop_record.h"
#include "text/text_codec.h"
#include "ui_c_shop.h"

namespace talvek {

CShop::CShop(const EditorContext &context, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CShop>()), context_(context)
{
    ui->setupUi(this);
    addSaveNote(this);
    for (int k = 0; k < shop::kSlotCount; ++k) {
        const int n = k + 1;
        slots_[static_cast<std::size_t>(k)] = {findChild<QComboBox *>(QStringLiteral("item%1Combo").arg(n)),
                                               findChild<QComboBox *>(QStringLiteral("price%1Combo").arg(n)),
                                               findChild<QLineEdit *>(QStringLiteral("buy%1Edit").arg(n)),
                                               findChild<QLineEdit *>(QStringLiteral("sell%1Edit").arg(n))};
    }
    for (auto label : shop::kShopLabels)
        ui->shopList->addItem(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
    for (std::size_t k = 0; k < slots_.size(); ++k) {
        const SlotControls &slot = slots_[k];
        form::makeDigitsOnly(slot.buy, 5);
        form::makeDigitsOnly(slot.sell, 5);
        // Position 0 empties the slot (item byte 0); position i is item id i.
        slot.item->addItem(QStringLiteral("--none--"));
        for (int id = 1; id <= shop::kItemEntries; ++id)
            slot.item->addItem(form::fromUtf8(decodeName(context_.image, id, context_.table)));
        // Only the user's choice resets a price or shows one, not showing a shop.
        connect(slot.item, &QComboBox::activated, this, [this, k](int position) { itemChosen(k, position); });
        connect(slot.price, &QComboBox::activated, this, [this, slot](int entry) {
            form::setDecimal(slot.buy, shop::buyPrice(context_.image, entry));
        });
    }
    fillPrices();

    connect(ui->shopList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showShop(row);
    });
    connect(ui->saveButton, &QPushButton::clicked, this, &CShop::save);
    connect(ui->exitButton, &QPushButton::clicked, this, &QDialog::reject);
    addRecordOffsetLabel(
        ui->shopList, [this](int row) { return shop::recordOffset(row) + context_.image.romBase(); },
        QStringLiteral("recordOffsetLabel"));
    refs_ = CrossReferences::build(context_.image, context_.table);
    whereUsed_ = WhereUsedList::addTo(this, ui->shopList, context_, [this](RomImage &image) { storeFields(image, selectedShop()); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        for (std::size_t k = 0; k < slots_.size(); ++k)
            if (now == slots_[k].item && whereUsedSlot_ != k) {
                whereUsedSlot_ = k;
                showWhereUsed();
            }
    });
    ui->shopList->setCurrentRow(0);
    addSaveShortcut(this, ui->saveButton, ui->shopList);
    changedMarker_ = ChangedMarker::attach(this, context_.image, [this](RomImage &image) { storeFields(image, selectedShop()); });
}

CShop::~CShop() = default;

void CShop::openAt(const EditorTarget &target)
{
    if (target.record >= 0 && target.record < shop::kRecordCount)
        ui->shopList->setCurrentRow(target.record);
}

void CShop::showWhereUsed()
{
    if (!whereUsed_)
        return;
    const QComboBox *item = slots_[whereUsedSlot_].item;
    whereUsed_->showPlaces(refs_.usesOfItem(item->currentIndex()),
                           QStringLiteral("slot %1, %2").arg(whereUsedSlot_ + 1).arg(item->currentText()));
}

int CShop::selectedShop() const
{
    return std::max(ui->shopList->currentRow(), 0);
}

void CShop::fillPrices()
{
    for (const auto &slot : slots_) {
        slot.price->clear();
        for (int p = 0; p < shop::kBuyPriceCount; ++p)
            slot.price->addItem(QString::number(shop::buyPrice(context_.image, p)));
    }
}

void CShop::showShop(int s)
{
    const shop::ShopForm record = shop::read(context_.image, s);
    for (std::size_t k = 0; k < slots_.size(); ++k) {
        const shop::Slot &slot = record.shopSlots[k];
        form::selectPosition(slots_[k].item, slot.itemId);
        itemShown_[k] = slots_[k].item->currentIndex();
        form::selectPosition(slots_[k].price, slot.priceEntry);
        form::setDecimal(slots_[k].buy, slot.buy.value_or(0));
        showSellPrice(k);
    }
    showWhereUsed();
    if (changedMarker_)
        changedMarker_->rebase();
}

void CShop::showSellPrice(std::size_t k)
{
    // An empty slot, or one whose item byte lies past the list, has no sell price to show or write.
    const SlotControls &slot = slots_[k];
    const int id = slot.item->currentIndex();
    slot.sell->setEnabled(id > 0);
    if (id > 0)
        form::setDecimal(slot.sell, shop::sellPrice(context_.image, id));
    else
        slot.sell->clear();
}

void CShop::itemChosen(std::size_t k, int position)
{
    // Another item starts at the first price; choosing the item shown changes nothing.
    if (position == itemShown_[k])
        return;
    itemShown_[k] = position;
    slots_[k].price->setCurrentIndex(0);
    form::setDecimal(slots_[k].buy, shop::buyPrice(context_.image, 0));
    showSellPrice(k);
    whereUsedSlot_ = k;
    showWhereUsed();
}

void CShop::save()
{
    const int s = selectedShop();
    storeFields(context_.image, s);
    saveWholeImage(context_, this);
    refs_ = CrossReferences::build(context_.image, context_.table);
    fillPrices();
    showShop(s);
}

void CShop::storeFields(RomImage &image, int s) const
{
    shop::ShopForm record;
    for (std::size_t k = 0; k < slots_.size(); ++k)
        record.shopSlots[k] = {form::positionOf(slots_[k].item), form::positionOf(slots_[k].price),
                               form::editedDecimal(slots_[k].buy), form::editedDecimal(slots_[k].sell)};
    shop::store(image, s, record);
}

} // namespace talvek
