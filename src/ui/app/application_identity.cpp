#include "application_identity.h"

#include <QCoreApplication>

namespace talvek {

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Talvek"));
    QCoreApplication::setOrganizationName(QStringLiteral("Talvek"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALVEK_VERSION));
}

} // namespace talvek
