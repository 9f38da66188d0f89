#include "qt_ui_services.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "graphics/c_battle_palettes.h"
#include "graphics/c_nes_color.h"

namespace talvek {

QString applicationTitle()
{
    return QStringLiteral("Talvek");
}

void QtUiServices::showMessage(QWidget *parent, const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption.isEmpty() ? applicationTitle() : caption, text, QMessageBox::Ok,
                    parent);
    box.exec();
}

std::optional<QString> QtUiServices::chooseRomToOpen(QWidget *parent)
{
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters({QStringLiteral("Nintendo Entertainment System roms (*.nes)"),
                           QStringLiteral("Game Boy Advanced roms (*.gba)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtUiServices::chooseFileToOpen(QWidget *parent, const QString &caption, const QString &filter)
{
    const QString path = QFileDialog::getOpenFileName(parent, caption, {}, filter);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

std::optional<QString> QtUiServices::chooseFileToSave(QWidget *parent, const QString &caption, const QString &filter,
                                                      const QString &suggestedPath)
{
    const QString path = QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

bool QtUiServices::askYesNo(QWidget *parent, const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, caption.isEmpty() ? applicationTitle() : caption, text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

UiServices::Answer QtUiServices::askYesNoCancel(QWidget *parent, const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, caption.isEmpty() ? applicationTitle() : caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

int QtUiServices::runDialog(QDialog &dialog)
{
    return dialog.exec();
}

} // namespace talvek

namespace talvek {

std::optional<int> QtUiServices::pickNesColor(QWidget *parent, const NesPalette &palette, int startColor)
{
    CNESColor picker(palette, startColor, parent);
    if (picker.exec() != QDialog::Accepted)
        return std::nullopt;
    return picker.currentColor();
}

std::optional<int> QtUiServices::pickBattlePalette(QWidget *parent, const RomImage &image, const NesPalette &palette,
                                                   int originalPalette)
{
    CBattlePalettes chooser(image, palette, originalPalette, parent);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.currentPalette();
}

} // namespace talvek
