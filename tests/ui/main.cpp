#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talvek"));
    QApplication::setOrganizationName(QStringLiteral("Talvek tests"));
    // Settings (the recent files) go to a folder of this test process, never the user's own: CTest runs the
    // tests side by side.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QDir::tempPath() + QStringLiteral("/talvek-test-settings-") + QString::number(QCoreApplication::applicationPid()));
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir(QDir::tempPath() + QStringLiteral("/talvek-test-settings-") + QString::number(QCoreApplication::applicationPid()))
        .removeRecursively();
    return result;
}
