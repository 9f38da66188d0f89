#include <QApplication>
#include <QStringList>

#include "app/application_identity.h"
#include "app/c_rom_editor_dlg.h"
#include "app/qt_ui_services.h"
#include "rom/executable_path.h"

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    talvek::setApplicationIdentity();

    talvek::QtUiServices services;
    talvek::CRomEditorDlg mainWindow(services, talvek::DataFileLocator::forExecutable(talvek::executablePath()));
    const QStringList arguments = QApplication::arguments();
    const std::optional<QString> romPath =
        arguments.size() > 1 ? std::optional<QString>(arguments.at(1)) : std::nullopt;
    if (!mainWindow.initialise(romPath))
        return 0;
    mainWindow.exec();
    return 0;
}
