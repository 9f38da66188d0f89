#pragma once

#include <array>
#include <memory>

#include <QDialog>

#include "app/editor_context.h"
#include "app/opens_at_record.h"
#include "search/cross_references.h"

class QCheckBox;

namespace Ui {
class CArmor;
}

namespace talvek {

class ChangedMarker;

// "Armor Editor": the 41 armour records, one at a time, saved whole with the ROM.
class CArmor : public QDialog, public OpensAtRecord {
    Q_OBJECT
public:
    explicit CArmor(const EditorContext &context, QWidget *parent = nullptr);
    ~CArmor() override;
    void openAt(const EditorTarget &target) override;

private:
    void showRecord(int k);
    void save();
    // Writes the fields on screen into record k of image.
    void storeFields(RomImage &image, int k) const;
    void showWhereUsed();
    [[nodiscard]] int selectedRecord() const;

    std::unique_ptr<Ui::CArmor> ui;
    ChangedMarker *changedMarker_ = nullptr;
    EditorContext context_;
    std::array<QCheckBox *, 8> elementChecks_{};
    CrossReferences refs_;
    class WhereUsedList *whereUsed_ = nullptr;
};

} // namespace talvek
