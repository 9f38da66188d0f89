#pragma once

#include "ui_services.h"

namespace talvek {

// The real dialogs: QMessageBox, QFileDialog and QDialog::exec.
class QtUiServices : public UiServices {
public:
    void showMessage(QWidget *parent, const QString &text, const QString &caption = {}) override;
    std::optional<QString> chooseRomToOpen(QWidget *parent) override;
    int runDialog(QDialog &dialog) override;
    std::optional<QString> chooseFileToOpen(QWidget *parent, const QString &caption, const QString &filter) override;
    std::optional<QString> chooseFileToSave(QWidget *parent, const QString &caption, const QString &filter,
                                            const QString &suggestedPath) override;
    bool askYesNo(QWidget *parent, const QString &text, const QString &caption = {}) override;
    Answer askYesNoCancel(QWidget *parent, const QString &text, const QString &caption = {}) override;
    std::optional<int> pickNesColor(QWidget *parent, const NesPalette &palette, int startColor) override;
    std::optional<int> pickBattlePalette(QWidget *parent, const RomImage &image, const NesPalette &palette,
                                         int originalPalette) override;
};

} // namespace talvek
