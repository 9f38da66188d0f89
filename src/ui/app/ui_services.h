#pragma once

#include <optional>

#include <QString>

class QDialog;
class QWidget;

namespace talvek {

class NesPalette;
class RomImage;

// Every message box, file dialog and modal sub-dialog goes through here, so tests can script them.
class UiServices {
public:
    virtual ~UiServices() = default;

    // A message box with an OK button; an empty caption means the application's title.
    virtual void showMessage(QWidget *parent, const QString &text, const QString &caption = {}) = 0;
    // The Open dialog for a ROM; nothing when the user cancels.
    virtual std::optional<QString> chooseRomToOpen(QWidget *parent) = 0;
    // A file to open or to save, by caption and Qt name filter; nothing when the user cancels.
    virtual std::optional<QString> chooseFileToOpen(QWidget *parent, const QString &caption, const QString &filter) = 0;
    // Saving starts at suggestedPath (a folder and a name) when one is given.
    virtual std::optional<QString> chooseFileToSave(QWidget *parent, const QString &caption, const QString &filter,
                                                    const QString &suggestedPath) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &text, const QString &caption = {}) = 0;
    // A question with Yes, No and Cancel buttons ("Save changes to game.nes?").
    enum class Answer { Yes, No, Cancel };
    virtual Answer askYesNoCancel(QWidget *parent, const QString &text, const QString &caption = {}) = 0;
    // Runs a modal dialog built by the caller and returns its result code.
    virtual int runDialog(QDialog &dialog) = 0;
    // "NES Colors", starting at a colour byte: the chosen colour on OK, nothing otherwise.
    virtual std::optional<int> pickNesColor(QWidget *parent, const NesPalette &palette, int startColor) = 0;
    // "Battle Palettes", starting at the record's palette: the chosen number on OK, nothing otherwise.
    virtual std::optional<int> pickBattlePalette(QWidget *parent, const RomImage &image, const NesPalette &palette,
                                                 int originalPalette) = 0;
};

// The application's title, the default caption of every message box.
[[nodiscard]] QString applicationTitle();

} // namespace talvek
