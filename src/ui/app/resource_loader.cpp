#include "resource_loader.h"

#include <QtGlobal>

static void initialiseTalvekResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace talvek {

void loadResources()
{
    static const bool loaded = (initialiseTalvekResources(), true);
    (void)loaded;
}

} // namespace talvek
