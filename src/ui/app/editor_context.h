#pragma once

#include <vector>

#include "history/recorded_save.h"
#include "rom/nes_palette.h"
#include "rom/rom_image.h"
#include "text/text_table.h"

class QWidget;

namespace talvek {

class UiServices;

// What the saves of the opened ROM share: the content the file had when Talvek last read or wrote it (a
// save over anything else asks first), whether restore points are recorded, and the name tables their
// summaries are written with.
struct SaveState {
    std::vector<std::uint8_t> onDisk;
    bool recordHistory = true;
    bool historyWarningShown = false; // a history that cannot be written is reported once per ROM
    const TextTable *standardNames = nullptr;
    const TextTable *prototypeNames = nullptr;
};

// What the main window lends an editor: the shared image (never a copy), the tables of the image's set,
// the NES palette, and the services for messages and sub-dialogs.
struct EditorContext {
    RomImage &image;
    const TextTable &table;      // the DTE table of the set: every name is decoded with it
    const TextTable &plainTable; // the plain table of the set (the text editor's encoder)
    const NesPalette &palette;
    UiServices &services;
    SaveState &saves;
};

inline constexpr char kChangedOnDiskQuestion[] = "The ROM file has changed on disk since it was opened. Overwrite it?";

// The whole-file save every editor's Save ends with: when the file is no longer what Talvek read or wrote,
// asks before overwriting it (No writes nothing); records a restore point of what it replaces; reports
// "Unable to save to ROM." on failure.
bool saveWholeImage(const EditorContext &context, QWidget *parent);

// The summary a restore point of the state's ROM is given: the first change in the editors' terms.
[[nodiscard]] ChangeSummarizer restorePointSummarizer(const SaveState &saves);

// A click on a battle-palette colour square: the colour picker opens on that colour, and on OK the new colour
// is written into the image at once, to reach the file with the next Save of any editor. True when it was.
bool recolorBattlePalette(const EditorContext &context, QWidget *parent, int palette, int color);

} // namespace talvek
