#pragma once

#include <array>
#include <memory>

#include <QDialog>

#include "app/editor_context.h"
#include "app/opens_at_record.h"
#include "search/cross_references.h"
#include "editors/added_effect_controls.h"

class QCheckBox;

namespace Ui {
class CWeapon;
}

namespace talvek {

class ChangedMarker;

// "Weapon Editor": the 64 weapon records with their added effects, cast spells and battle palettes.
class CWeapon : public QDialog, public OpensAtRecord {
    Q_OBJECT
public:
    explicit CWeapon(const EditorContext &context, QWidget *parent = nullptr);
    ~CWeapon() override;
    void openAt(const EditorTarget &target) override;

    static constexpr char kInvalidAiRecordMessage[] = "An invalid argument was encountered.";

private:
    void showRecord(int i);
    void showPalette();
    void changePalette();
    void editColor(int color);
    void save();
    // Writes the fields on screen into record i of image.
    void storeFields(RomImage &image, int i) const;
    [[nodiscard]] int selectedRecord() const;

    std::unique_ptr<Ui::CWeapon> ui;
    ChangedMarker *changedMarker_ = nullptr;
    EditorContext context_;
    std::array<QCheckBox *, 8> elementChecks_{};
    std::array<QCheckBox *, 8> raceChecks_{};
    std::unique_ptr<AddedEffectControls> addedEffect_;
    int palette_ = 0;
    CrossReferences refs_;
    class WhereUsedList *whereUsed_ = nullptr;
};

} // namespace talvek
