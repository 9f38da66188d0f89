#include "editor_context.h"

#include "app/ui_services.h"
#include "graphics/battle_palettes.h"
#include "rom/rom_file.h"

namespace talvek {

bool recolorBattlePalette(const EditorContext &context, QWidget *parent, int palette, int color)
{
    if (palette >= kBattlePaletteCount) {
        // Its colours would be bytes of the data that follows the palette arrays.
        context.services.showMessage(parent, QStringLiteral("Battle palette %1 lies past the %2 battle palettes, so "
                                                            "its colours cannot be changed. Choose another palette.")
                                                 .arg(QString::number(palette, 16).toUpper())
                                                 .arg(kBattlePaletteCount));
        return false;
    }
    const int current = context.image.game(battlePaletteOffset(palette, color));
    const auto chosen = context.services.pickNesColor(parent, context.palette, current);
    if (!chosen)
        return false;
    return writeBattlePaletteColor(context.image, palette, color, static_cast<std::uint8_t>(*chosen));
}

bool saveWholeImage(const EditorContext &context, QWidget *parent)
{
    if (saveRomFile(context.image.path(), context.image.bytes()))
        return true;
    context.services.showMessage(parent, QString::fromUtf8(kSaveFailedMessage));
    return false;
}

} // namespace talvek
