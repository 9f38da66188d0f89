#include "editor_context.h"

#include "app/ui_services.h"
#include "rom/rom_file.h"

namespace talvek {

bool saveWholeImage(const EditorContext &context, QWidget *parent)
{
    if (saveRomFile(context.image.path(), context.image.bytes()))
        return true;
    context.services.showMessage(parent, QString::fromUtf8(kSaveFailedMessage));
    return false;
}

} // namespace talvek
