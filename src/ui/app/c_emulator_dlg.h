#pragma once

#include <QDialog>

class QComboBox;

namespace talvek {

class UiServices;

// "Emulator": the command "Test in emulator" starts, with %f for the ROM file, common emulators offered in the
// drop-down, and Browse to pick a program.
class CEmulatorDlg : public QDialog {
    Q_OBJECT
public:
    CEmulatorDlg(UiServices &services, const QString &command, QWidget *parent = nullptr);

    [[nodiscard]] QString command() const;
    [[nodiscard]] QComboBox *commandCombo() const { return commandCombo_; }

private:
    void browse();

    UiServices &services_;
    QComboBox *commandCombo_;
};

} // namespace talvek
