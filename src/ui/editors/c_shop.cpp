#include "c_shop.h"

#include "app/save_shortcut.h"
#include "app/form_helpers.h"
#include "text/text_codec.h"
#include "ui_c_shop.h"

namespace talvek {

CShop::CShop(const EditorContext &context, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CShop>()), context_(context)
{
    ui->setupUi(this);
    for (int k = 0; k < shop::kSlotCount; ++k) {
        const int n = k + 1;
        slots_[static_cast<std::size_t>(k)] = {findChild<QComboBox *>(QStringLiteral("item%1Combo").arg(n)),
                                               findChild<QComboBox *>(QStringLiteral("price%1Combo").arg(n)),
                                               findChild<QLineEdit *>(QStringLiteral("buy%1Edit").arg(n)),
                                               findChild<QLineEdit *>(QStringLiteral("sell%1Edit").arg(n))};
    }
    for (auto label : shop::kShopLabels)
        ui->shopList->addItem(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
    for (const auto &slot : slots_) {
        form::makeDigitsOnly(slot.buy);
        form::makeDigitsOnly(slot.sell);
        for (int id = 1; id <= shop::kItemEntries; ++id)
            slot.item->addItem(form::fromUtf8(decodeName(context_.image, id, context_.table)));
        // Only the user's choice resets the prices or shows a price, not showing a shop.
        connect(slot.item, &QComboBox::activated, this, &CShop::resetPrices);
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
    ui->shopList->setCurrentRow(0);
    addSaveShortcut(this, ui->saveButton, ui->shopList);
}

CShop::~CShop() = default;

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
        form::selectPosition(slots_[k].item, slot.itemEntry);
        form::selectPosition(slots_[k].price, slot.priceEntry);
        form::setDecimal(slots_[k].buy, slot.buy);
        form::setDecimal(slots_[k].sell, slot.sell);
    }
}

void CShop::resetPrices()
{
    // Any item change resets all four slots to the first price and shows their items' sell prices.
    for (const auto &slot : slots_) {
        slot.price->setCurrentIndex(0);
        form::setDecimal(slot.buy, shop::buyPrice(context_.image, 0));
        form::setDecimal(slot.sell, shop::sellPrice(context_.image, shop::sellItemOf(slotShown(slot))));
    }
}

shop::Slot CShop::slotShown(const SlotControls &controls) const
{
    return {form::positionOf(controls.item), form::positionOf(controls.price), form::decimalOf(controls.buy),
            form::decimalOf(controls.sell)};
}

void CShop::save()
{
    const int s = selectedShop();
    shop::ShopForm record;
    for (std::size_t k = 0; k < slots_.size(); ++k)
        record.shopSlots[k] = slotShown(slots_[k]);
    shop::store(context_.image, s, record);
    saveWholeImage(context_, this);
    fillPrices();
    showShop(s);
}

} // namespace talvek
