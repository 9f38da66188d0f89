#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <QDialog>

#include "app/editor_context.h"

class QCheckBox;

namespace Ui {
class CSpell;
}

namespace talvek {

// "Spells Editor": the 70 spell records and the 135 AI records; Save writes the selected one of each.
class CSpell : public QDialog {
    Q_OBJECT
public:
    explicit CSpell(const EditorContext &context, QWidget *parent = nullptr);
    ~CSpell() override;

private:
    void showSpell(int s);
    void applyTypeRule();
    void showAiRecord(int j);
    void updateAiRowText();
    void showPalette();
    void changePalette();
    void editColor(int color);
    void save();
    [[nodiscard]] int selectedSpell() const;

    std::unique_ptr<Ui::CSpell> ui;
    EditorContext context_;
    std::vector<std::string> spellNames_; // index 0 "Unused", then the 70 names
    std::array<QCheckBox *, 8> elementChecks_{};
    std::array<QCheckBox *, 7> statusChecks_{};
    int palette_ = 0;
};

} // namespace talvek
