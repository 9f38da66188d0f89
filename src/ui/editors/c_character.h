#pragma once

#include <array>
#include <memory>

#include <QDialog>

#include "app/editor_context.h"
#include "app/opens_at_record.h"
#include "records/character_record.h"

class QComboBox;
class QLineEdit;

namespace Ui {
class CCharacter;
}

namespace talvek {

class ChangedMarker;

// "Character Editor": the nine characters' records and the party's gil.
class CCharacter : public QDialog, public OpensAtRecord {
    Q_OBJECT
public:
    explicit CCharacter(const EditorContext &context, QWidget *parent = nullptr);
    ~CCharacter() override;
    void openAt(const EditorTarget &target) override;

private:
    void fillItemList(QComboBox *combo, const IdList &list);
    void showRecord(int i);
    void save();
    // Stores the fields on screen as record i (and the party's gil) into image.
    void storeFields(RomImage &image, int i) const;
    void editSprite();
    void applyHandRule(QComboBox *changed, QComboBox *other);
    [[nodiscard]] int selectedRecord() const;

    std::unique_ptr<Ui::CCharacter> ui;
    ChangedMarker *changedMarker_ = nullptr;
    EditorContext context_;
    std::array<QLineEdit *, 4> hpMpEdits_{};
    std::array<QLineEdit *, character::kStatCount> statEdits_{};
    std::array<QLineEdit *, character::kSkillCount> skillLevelEdits_{}, skillExpEdits_{};
    std::array<QComboBox *, character::kSpellSlotCount> spellCombos_{};
    std::array<QLineEdit *, character::kSpellSlotCount> spellLevelEdits_{}, spellExpEdits_{};
    std::array<QComboBox *, character::kSlotCount> equipmentCombos_{};
};

} // namespace talvek
