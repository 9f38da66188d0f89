#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include "app/application_identity.h"
#include "app/c_rom_editor_dlg.h"
#include "app/qt_ui_services.h"
#include "rom/executable_path.h"

namespace {

void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Edit the game data of a NES ROM image."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("ROM"), QStringLiteral("The ROM image to open; asked for when not given."),
                                 QStringLiteral("[ROM]"));
}

// --help and --version answer in any terminal, without a display to open windows on.
bool asksOnlyForText(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "--help-all", "-?", "-v", "--version"})
            if (qstrcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QCommandLineParser parser;
    describeOptions(parser);
    if (asksOnlyForText(argc, argv)) {
        QCoreApplication textOnly(argc, argv);
        talvek::setApplicationIdentity();
        QCoreApplication::setApplicationName(QStringLiteral("talvek"));
        parser.process(textOnly); // prints and exits
        return 0;
    }

    QApplication application(argc, argv);
    talvek::setApplicationIdentity();
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.talvek.Talvek"));
    parser.process(application); // an unknown option ends the program with a message

    talvek::QtUiServices services;
    talvek::CRomEditorDlg mainWindow(services, talvek::DataFileLocator::forExecutable(talvek::executablePath()));
    const QStringList positional = parser.positionalArguments();
    const std::optional<QString> romPath = positional.isEmpty() ? std::nullopt : std::optional<QString>(positional.first());
    if (!mainWindow.initialise(romPath))
        return 0;
    mainWindow.exec();
    return 0;
}
