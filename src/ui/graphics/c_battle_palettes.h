#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class CBattlePalettes;
}

namespace talvek {

class NesPalette;
class RomImage;

// "Battle Palettes": shows the 128 battle palettes and picks one; writes nothing itself.
class CBattlePalettes : public QDialog {
    Q_OBJECT
public:
    CBattlePalettes(const RomImage &image, const NesPalette &palette, int originalPalette, QWidget *parent = nullptr);
    ~CBattlePalettes() override;

    [[nodiscard]] int currentPalette() const;

private:
    std::unique_ptr<Ui::CBattlePalettes> ui;
};

} // namespace talvek
