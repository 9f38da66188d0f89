#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <QDialog>

#include "app/editor_context.h"
#include "app/opens_at_record.h"
#include "search/cross_references.h"

class QCheckBox;

namespace Ui {
class CSpell;
}

namespace talvek {

class ChangedMarker;

// "Spells Editor": the 70 spell records and the 135 AI records; Save writes the selected one of each.
class CSpell : public QDialog, public OpensAtRecord {
    Q_OBJECT
public:
    explicit CSpell(const EditorContext &context, QWidget *parent = nullptr);
    ~CSpell() override;
    // A spell, or with target.aiRecord an AI record.
    void openAt(const EditorTarget &target) override;

private:
    void showSpell(int s);
    void applyTypeRule();
    void showAiRecord(int j);
    void updateAiRowText();
    void showPalette();
    void changePalette();
    void editColor(int color);
    void save();
    // Writes the fields on screen into spell s and the selected AI record of image.
    void storeFields(RomImage &image, int s) const;
    [[nodiscard]] int selectedSpell() const;

    std::unique_ptr<Ui::CSpell> ui;
    ChangedMarker *changedMarker_ = nullptr;
    EditorContext context_;
    std::vector<std::string> spellNames_; // index 0 "Unused", then the 70 names
    std::array<QCheckBox *, 8> elementChecks_{};
    std::array<QCheckBox *, 7> statusChecks_{};
    int palette_ = 0;
    CrossReferences refs_;
    class WhereUsedList *whereUsed_ = nullptr;
};

} // namespace talvek
