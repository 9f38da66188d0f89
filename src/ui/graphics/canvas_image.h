#pragma once

#include <QColor>
#include <QImage>

#include "graphics/tile_canvas.h"
#include "rom/nes_palette.h"

namespace talvek {

// A solid-fill colour for an NES colour byte.
[[nodiscard]] QColor nesColor(const NesPalette &palette, int colorByte);

// The canvas as an 8-bit indexed QImage, top row first, slots 0 to 3 set from the NES palette entries.
// A null image when it cannot be created.
[[nodiscard]] QImage canvasImage(const TileCanvas &canvas, const NesPalette &palette);

} // namespace talvek
