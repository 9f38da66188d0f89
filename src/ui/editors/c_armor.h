#pragma once

#include <array>
#include <memory>

#include <QDialog>

#include "app/editor_context.h"

class QCheckBox;

namespace Ui {
class CArmor;
}

namespace talvek {

// "Armor Editor": the 41 armour records, one at a time, saved whole with the ROM.
class CArmor : public QDialog {
    Q_OBJECT
public:
    explicit CArmor(const EditorContext &context, QWidget *parent = nullptr);
    ~CArmor() override;

private:
    void showRecord(int k);
    void save();
    [[nodiscard]] int selectedRecord() const;

    std::unique_ptr<Ui::CArmor> ui;
    EditorContext context_;
    std::array<QCheckBox *, 8> elementChecks_{};
};

} // namespace talvek
