#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/editor_context.h"
#include "graphics/color_swatches_view.h"
#include "rom/rom_file.h"
#include "scripted_ui_services.h"
#include "test_support.h"

// Failing comparisons of texts print the text, not its UTF-16 units.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace talvek::test {

// An editor's surroundings: a sample image saved to a temporary ROM file, the shipped tables and
// palette, and scripted services.
class EditorFixture : public ::testing::Test {
protected:
    void openSample(SampleKind kind = SampleKind::Standard) { openBytes(sampleBytes(kind)); }

    void openBytes(const std::vector<std::uint8_t> &bytes)
    {
        image = readRomFile(dir.write("rom.nes", bytes)).value();
        saves.onDisk = bytes;
    }

    [[nodiscard]] EditorContext context() { return {image, table, plainTable, palette, services, saves, navigation}; }
    [[nodiscard]] std::vector<std::uint8_t> savedFile() const { return readFile(image.path()); }

    template <typename Widget>
    static Widget *find(QWidget &parent, const char *name)
    {
        auto *widget = parent.findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static void type(QWidget &parent, const char *editName, const QString &text)
    {
        auto *edit = find<QLineEdit>(parent, editName);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    static QString text(QWidget &parent, const char *editName) { return find<QLineEdit>(parent, editName)->text(); }
    static void click(QWidget &parent, const char *buttonName)
    {
        QTest::mouseClick(find<QPushButton>(parent, buttonName), Qt::LeftButton);
    }
    // A user's choice in a drop-down (emits activated, as a click in the list does).
    static void choose(QWidget &parent, const char *comboName, int position)
    {
        auto *combo = find<QComboBox>(parent, comboName);
        combo->setCurrentIndex(position);
        emit combo->activated(position);
    }
    // A left click on a colour-square widget at a point of its dialog's own client coordinates.
    static void clickSwatch(QWidget &dialog, const char *name, int x, int y)
    {
        auto *swatches = find<ColorSwatchesView>(dialog, name);
        QTest::mouseClick(swatches, Qt::LeftButton, {}, QPoint(x, y) - swatches->clientTopLeft());
    }
    static void selectRow(QWidget &parent, const char *listName, int row)
    {
        find<QListWidget>(parent, listName)->setCurrentRow(row);
    }

    TempDir dir;
    TextTable table = shippedDteTable();
    TextTable plainTable = TextTable::loadFromFile(std::string(TALVEK_DATA_DIR) + "/StandardTable.tbl").value();
    NesPalette palette;
    ScriptedUiServices services;
    RomImage image;
    SaveState saves{{}, true, false, &table, &table};
    EditorNavigation navigation;
};

} // namespace talvek::test
