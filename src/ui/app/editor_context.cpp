#include "editor_context.h"

#include "app/ui_services.h"
#include "graphics/battle_palettes.h"
#include "rom/rom_file.h"

namespace talvek {

bool recolorBattlePalette(const EditorContext &context, QWidget *parent, int palette, int color)
{
    const int current = context.image.game(battlePaletteOffset(palette, color));
    const auto chosen = context.services.pickNesColor(parent, context.palette, current);
    if (!chosen)
        return false;
    writeBattlePaletteColor(context.image, palette, color, static_cast<std::uint8_t>(*chosen));
    return true;
}

bool saveWholeImage(const EditorContext &context, QWidget *parent)
{
    if (saveRomFile(context.image.path(), context.image.bytes()))
        return true;
    context.services.showMessage(parent, QString::fromUtf8(kSaveFailedMessage));
    return false;
}

} // namespace talvek
