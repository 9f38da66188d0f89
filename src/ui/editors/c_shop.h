#pragma once

#include <array>
#include <memory>

#include <QDialog>

#include "app/editor_context.h"
#include "app/opens_at_record.h"
#include "search/cross_references.h"
#include "records/shop_record.h"

class QComboBox;
class QLineEdit;

namespace Ui {
class CShop;
}

namespace talvek {

class ChangedMarker;

// "Shop Editor": the 28 shops, four slots each, with the shared buy prices and the per-item sell prices.
class CShop : public QDialog, public OpensAtRecord {
    Q_OBJECT
public:
    explicit CShop(const EditorContext &context, QWidget *parent = nullptr);
    ~CShop() override;
    void openAt(const EditorTarget &target) override;

private:
    struct SlotControls {
        QComboBox *item;
        QComboBox *price;
        QLineEdit *buy;
        QLineEdit *sell;
    };

    void fillPrices();
    void showShop(int s);
    void itemChosen(std::size_t k, int position);
    void showSellPrice(std::size_t k);
    void save();
    // Writes the fields on screen into shop s of image.
    void storeFields(RomImage &image, int s) const;
    // "Where used" of the item in the slot last chosen or focused.
    void showWhereUsed();
    [[nodiscard]] int selectedShop() const;

    std::unique_ptr<Ui::CShop> ui;
    ChangedMarker *changedMarker_ = nullptr;
    EditorContext context_;
    std::array<SlotControls, shop::kSlotCount> slots_{};
    std::array<int, shop::kSlotCount> itemShown_{}; // the drop-down position each slot shows now
    CrossReferences refs_;
    class WhereUsedList *whereUsed_ = nullptr;
    std::size_t whereUsedSlot_ = 0;
};

} // namespace talvek
