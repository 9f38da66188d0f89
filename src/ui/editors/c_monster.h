#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <QDialog>

#include "app/editor_context.h"
#include "app/opens_at_record.h"
#include "search/cross_references.h"
#include "editors/added_effect_controls.h"
#include "records/monster_record.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace Ui {
class CMonster;
}

namespace talvek {

class ChangedMarker;

// "Monster Editor": the 128 monsters, their shared statistic tables, AI scripts and spoils.
class CMonster : public QDialog, public OpensAtRecord {
    Q_OBJECT
public:
    explicit CMonster(const EditorContext &context, QWidget *parent = nullptr);
    ~CMonster() override;
    void openAt(const EditorTarget &target) override;

private:
    struct DropRow {
        QComboBox *combo;
        QCheckBox *gil;
        QLineEdit *amount;
    };
    enum class RowList { None, Items, Gil };

    void showMonster(int m);
    void showValues();
    void showBitSets();
    void setUpAttacks();
    void showDrops();
    void fillDropRow(int row, bool gil, int selection);
    void switchDropRow(int row);
    void dropChosen(int row);
    void updateUsage();
    void save();
    // Writes the fields on screen into monster m of image.
    void storeFields(RomImage &image, int m) const;
    [[nodiscard]] monster::MonsterForm indexesShown() const;
    [[nodiscard]] int selectedMonster() const;

    std::unique_ptr<Ui::CMonster> ui;
    ChangedMarker *changedMarker_ = nullptr;
    EditorContext context_;
    std::vector<std::string> items_;
    std::array<QComboBox *, monster::kNibbleCount> nibbleCombos_{};
    std::array<QComboBox *, monster::kAttacksPerScript> attackCombos_{};
    std::array<std::array<QCheckBox *, 8>, 4> bitChecks_{}; // race, resist, absorb, weakness
    std::unique_ptr<AddedEffectControls> addedEffect_;
    std::array<DropRow, monster::kDropsPerSet> drops_{};
    std::array<RowList, monster::kDropsPerSet> rowLists_{}; // what each drop combo holds now
    CrossReferences refs_;
    class WhereUsedList *whereUsed_ = nullptr;
};

} // namespace talvek
