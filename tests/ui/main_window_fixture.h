#pragma once

#include <QSettings>

#include "app/c_rom_editor_dlg.h"
#include "editor_fixture.h"

namespace talvek::test {

// The main window started on a ROM file, with scripted services and no recent files from earlier tests.
class MainWindowFixture : public EditorFixture {
protected:
    void SetUp() override { QSettings().remove(QStringLiteral("recentFiles")); }

    std::unique_ptr<CRomEditorDlg> startOn(const std::string &path)
    {
        services.openAnswers.push_back(QString::fromStdString(path));
        auto window = std::make_unique<CRomEditorDlg>(services, DataFileLocator({TALVEK_DATA_DIR}));
        EXPECT_TRUE(window->initialise());
        return window;
    }
};

} // namespace talvek::test
