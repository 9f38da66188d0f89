#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "history/recorded_save.h"
#include "rom/nes_palette.h"
#include "rom/rom_image.h"
#include "search/place.h"
#include "text/text_table.h"

class QDialog;
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

// A place the user chose in an editor's "Where used" list: the main window opens it once that editor closed.
struct EditorNavigation {
    std::optional<Place> next;
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
    EditorNavigation &navigation;
};

inline constexpr char kChangedOnDiskQuestion[] = "The ROM file has changed on disk since it was opened. Overwrite it?";

// The whole-file save every editor's Save ends with: when the file is no longer what Talvek read or wrote,
// asks before overwriting it (No writes nothing); records a restore point of what it replaces; reports
// "Unable to save to ROM." on failure. An image equal to the file writes nothing and records no point.
bool saveWholeImage(const EditorContext &context, QWidget *parent);

// The summary a restore point of the state's ROM is given: the first change in the editors' terms.
[[nodiscard]] ChangeSummarizer restorePointSummarizer(const SaveState &saves);

inline constexpr char kLeaveUnsavedQuestion[] =
    "The record on screen has changes that are not saved. Go to the other record and lose them?";

// Whether storing the fields on screen (store writes them into the image it is given) would change a byte.
[[nodiscard]] bool fieldsDifferFromImage(const RomImage &image, const std::function<void(RomImage &)> &store);

// A "Where used" row was chosen: when the fields on screen are not saved, asks first (No stays); then the
// editor closes and the main window opens the place. False when the editor stays.
bool goToPlace(const EditorContext &context, QDialog *editor, const Place &place, bool fieldsChanged);

// A click on a battle-palette colour square: the colour picker opens on that colour, and on OK the new colour
// is written into the image at once, to reach the file with the next Save of any editor. True when it was.
bool recolorBattlePalette(const EditorContext &context, QWidget *parent, int palette, int color);

} // namespace talvek
