#pragma once

#include <array>
#include <memory>

#include <QDialog>

#include "graphics/tile_canvas.h"

namespace Ui {
class CGraphic;
}

namespace talvek {

class NesPalette;
class RomImage;
class UiServices;

// "Graphics Editor": shows a tile block handed by its opener in battle palette 0x17; Save only shows a message.
class CGraphic : public QDialog {
    Q_OBJECT
public:
    // Caller kinds: 0 character, 1 monster, 2 spells, 3 weapons editor (the group box caption).
    CGraphic(const RomImage &image, const NesPalette &palette, UiServices &services, TileBlock block, int callerKind,
             QWidget *parent = nullptr);
    ~CGraphic() override;

    [[nodiscard]] static QString captionForCaller(int callerKind);

private:
    std::unique_ptr<Ui::CGraphic> ui;
    UiServices &services_;
    std::array<std::uint8_t, 4> colorSlots_;
};

} // namespace talvek
