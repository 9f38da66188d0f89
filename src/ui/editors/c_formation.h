#pragma once

#include <array>
#include <memory>

#include <QDialog>

#include "app/editor_context.h"
#include "app/opens_at_record.h"
#include "records/formation_record.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace Ui {
class CFormation;
}

namespace talvek {

class ChangedMarker;

// "Battle Formations Editor": formations, their shared monster and quantity sets and their palettes.
class CFormation : public QDialog, public OpensAtRecord {
    Q_OBJECT
public:
    explicit CFormation(const EditorContext &context, QWidget *parent = nullptr);
    ~CFormation() override;
    void openAt(const EditorTarget &target) override;

private:
    void showFormation(int f);
    void showMonsterSet();
    void showQuantitySet();
    void showPalettes();
    void updateUsage();
    void changePalette(int which);
    void editColor(int which, int color);
    void save();
    // Stores the fields on screen as formation f into image.
    void storeFields(RomImage &image, int f) const;
    [[nodiscard]] int selectedFormation() const;

    std::unique_ptr<Ui::CFormation> ui;
    ChangedMarker *changedMarker_ = nullptr;
    EditorContext context_;
    std::array<QComboBox *, formation::kEnemyCount> enemies_{};
    std::array<QLineEdit *, formation::kEnemyCount> minimums_{}, maximums_{};
    std::array<QCheckBox *, formation::kEnemyCount> palette2Checks_{};
    std::array<int, 2> palettes_{};
    int monsterSetShown_ = -1;  // the sets the controls show, so choosing the same one changes nothing
    int quantitySetShown_ = -1;
};

} // namespace talvek
