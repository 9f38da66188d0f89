#pragma once

#include "rom/nes_palette.h"
#include "rom/rom_image.h"
#include "text/text_table.h"

class QWidget;

namespace talvek {

class UiServices;

// What the main window lends an editor: the shared image (never a copy), the tables of the image's set,
// the NES palette, and the services for messages and sub-dialogs.
struct EditorContext {
    RomImage &image;
    const TextTable &table;      // the DTE table of the set: every name is decoded with it
    const TextTable &plainTable; // the plain table of the set (the text editor's encoder)
    const NesPalette &palette;
    UiServices &services;
};

// The whole-file save every editor's Save ends with; reports "Unable to save to ROM." on failure.
bool saveWholeImage(const EditorContext &context, QWidget *parent);

// A click on a battle-palette colour square: the colour picker opens on that colour, and on OK the new colour
// is written into the image at once, to reach the file with the next Save of any editor. True when it was.
bool recolorBattlePalette(const EditorContext &context, QWidget *parent, int palette, int color);

} // namespace talvek
