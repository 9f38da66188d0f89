#pragma once

#include <array>
#include <memory>

#include <QDialog>

#include "app/editor_context.h"
#include "editors/added_effect_controls.h"

class QCheckBox;

namespace Ui {
class CWeapon;
}

namespace talvek {

// "Weapon Editor": the 64 weapon records with their added effects, cast spells and battle palettes.
class CWeapon : public QDialog {
    Q_OBJECT
public:
    explicit CWeapon(const EditorContext &context, QWidget *parent = nullptr);
    ~CWeapon() override;

    static constexpr char kInvalidAiRecordMessage[] = "An invalid argument was encountered.";

private:
    void showRecord(int i);
    void showPalette();
    void changePalette();
    void editColor(int color);
    void save();
    [[nodiscard]] int selectedRecord() const;

    std::unique_ptr<Ui::CWeapon> ui;
    EditorContext context_;
    std::array<QCheckBox *, 8> elementChecks_{};
    std::array<QCheckBox *, 8> raceChecks_{};
    std::unique_ptr<AddedEffectControls> addedEffect_;
    int palette_ = 0;
};

} // namespace talvek
