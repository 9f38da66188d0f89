#pragma once

#include <filesystem>
#include <functional>
#include <queue>

#include "app/ui_services.h"

class QWidget;

namespace talvek::shots {

// Shows nothing and blocks on nothing: every message box and dialog is saved as a PNG instead,
// with its caption drawn as a title strip so captions can be reviewed too.
class ShotUiServices : public UiServices {
public:
    explicit ShotUiServices(std::filesystem::path directory);

    void showMessage(QWidget *parent, const QString &text, const QString &caption = {}) override;
    std::optional<QString> chooseRomToOpen(QWidget *parent) override;
    int runDialog(QDialog &dialog) override;
    std::optional<QString> chooseFileToOpen(QWidget *, const QString &, const QString &) override { return std::nullopt; }
    std::optional<QString> chooseFileToSave(QWidget *, const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    bool askYesNo(QWidget *parent, const QString &text, const QString &caption = {}) override;
    Answer askYesNoCancel(QWidget *parent, const QString &text, const QString &caption = {}) override;
    std::optional<int> pickNesColor(QWidget *parent, const NesPalette &palette, int startColor) override;
    std::optional<int> pickBattlePalette(QWidget *parent, const RomImage &image, const NesPalette &palette,
                                         int originalPalette) override;

    // The name the next picture is saved under.
    void setNextName(const QString &name) { nextName_ = name; }
    // The name of the next dialog only; messages shown meanwhile keep their own names.
    // The next dialog run is saved under name, after prepare (choosing a record to show, say) has run on it.
    void setNextDialogName(const QString &name, std::function<void(QDialog &)> prepare = {})
    {
        nextDialogName_ = name;
        prepareNextDialog_ = std::move(prepare);
    }
    void answerOpenWith(const QString &path) { openAnswers_.push(path); }
    // Saves a window as DIR/name.png.
    void save(QWidget &window, const QString &name);

private:
    QString takeName(const QString &fallback);

    std::filesystem::path directory_;
    QString nextName_;
    QString nextDialogName_;
    std::function<void(QDialog &)> prepareNextDialog_;
    std::queue<QString> openAnswers_;
    int counter_ = 0;
};

} // namespace talvek::shots
