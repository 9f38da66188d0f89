#include <QGroupBox>
#include <QLabel>

#include "editor_fixture.h"
#include "graphics/c_battle_palettes.h"
#include "graphics/c_font_dlg.h"
#include "graphics/c_graphic.h"
#include "graphics/c_nes_color.h"
#include "graphics/canvas_image.h"
#include "graphics/nes_color_picker_view.h"
#include "graphics/battle_palette_view.h"
#include "graphics/png_encoder.h"
#include "graphics/tile_canvas_view.h"
#include "graphics/viewer_pictures.h"

namespace talvek {
namespace {

class GraphicsDialogsTest : public test::EditorFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(palette.loadFromFile(std::string(TALVEK_DATA_DIR) + "/NESPalette.pal"));
    }
    // A left click at a point of the picker's own client coordinates.
    template <typename View>
    static void clickAt(View *view, int x, int y)
    {
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(x, y) + View::origin());
    }
};

TEST_F(GraphicsDialogsTest, NesColorPickerStartsAtTheGivenColourAndPicksOnClick)
{
    CNESColor picker(palette, 0x21);
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("NES Colors"));
    EXPECT_EQ(picker.currentColor(), 0x21);
    auto *view = find<NesColorPickerView>(picker, "colorView");
    clickAt(view, 100, 20);
    EXPECT_EQ(picker.currentColor(), 0x21) << "above the grid";
    clickAt(view, 263, 103);
    EXPECT_EQ(picker.currentColor(), 0x3F);
    clickAt(view, 8, 40);
    EXPECT_EQ(picker.currentColor(), 0x00);
    QTest::mouseClick(view, Qt::RightButton, {}, QPoint(24, 56) + NesColorPickerView::origin());
    EXPECT_EQ(picker.currentColor(), 0x00) << "only the left button picks";

    click(picker, "okButton");
    EXPECT_EQ(picker.result(), QDialog::Accepted);
}

TEST_F(GraphicsDialogsTest, NesColorPickerEscapeGivesNoResult)
{
    CNESColor picker(palette, 0x4A);
    picker.show();
    clickAt(find<NesColorPickerView>(picker, "colorView"), 24, 40);
    QTest::keyClick(&picker, Qt::Key_Escape);
    EXPECT_EQ(picker.result(), QDialog::Rejected);
    CNESColor high(palette, 0x4A);
    EXPECT_EQ(high.currentColor(), 0x4A) << "a high byte is kept unless the user picks";
}

TEST_F(GraphicsDialogsTest, BattlePaletteChooserShowsNumbersInHexAndPicks)
{
    openSample();
    CBattlePalettes chooser(image, palette, 0x2A);
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Battle Palettes"));
    EXPECT_EQ(find<QLabel>(chooser, "originalPaletteValue")->text(), QStringLiteral("2A"));
    EXPECT_EQ(find<QLabel>(chooser, "currentPaletteValue")->text(), QStringLiteral("2A"));
    EXPECT_EQ(chooser.currentPalette(), 0x2A);

    auto *view = find<BattlePaletteView>(chooser, "paletteView");
    clickAt(view, 90, 100);
    EXPECT_EQ(chooser.currentPalette(), 0x2A) << "a gap";
    clickAt(view, 104, 72);
    EXPECT_EQ(chooser.currentPalette(), 0x10);
    EXPECT_EQ(find<QLabel>(chooser, "currentPaletteValue")->text(), QStringLiteral("10"));
    EXPECT_EQ(find<QLabel>(chooser, "originalPaletteValue")->text(), QStringLiteral("2A"));
    clickAt(view, 535, 327);
    EXPECT_EQ(chooser.currentPalette(), 0x7F);
    EXPECT_EQ(find<QLabel>(chooser, "currentPaletteValue")->text(), QStringLiteral("7F"));

    click(chooser, "cancelButton");
    EXPECT_EQ(chooser.result(), QDialog::Rejected);
    CBattlePalettes again(image, palette, 0x2A);
    click(again, "okButton");
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_EQ(again.currentPalette(), 0x2A);
    EXPECT_EQ(image.bytes(), test::sampleBytes()) << "the chooser writes nothing";
}

TEST_F(GraphicsDialogsTest, BattlePaletteChooserShowsANumberPastTheArrays)
{
    openSample();
    CBattlePalettes chooser(image, palette, 0xC8);
    EXPECT_EQ(find<QLabel>(chooser, "originalPaletteValue")->text(), QStringLiteral("C8"));
    chooser.show();
    const QImage shown = chooser.grab().toImage();
    const QPoint square = QPoint(128 + 4, 8 + 4) + BattlePaletteView::origin();
    EXPECT_EQ(shown.pixelColor(square), nesColor(palette, image.bytes()[0x1710 + 0xC8]));
}

TEST_F(GraphicsDialogsTest, FontEditorShowsTheFontAndNeverSaves)
{
    openSample();
    CFontDlg dialog(context());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Font Editor"));
    auto *view = find<TileCanvasView>(dialog, "pictureView");
    const QImage picture = view->currentImage();
    ASSERT_EQ(picture.size(), QSize(128, 80));
    const TileCanvas expected = fontPicture(image);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(picture.pixelIndex(x, y), expected.pixel(x, y));
    EXPECT_EQ(picture.color(0), nesColor(palette, 0x0F).rgb());
    EXPECT_EQ(picture.color(3), nesColor(palette, 0x20).rgb());
    EXPECT_EQ(view->size(), QSize(128, 80)) << "unscaled by default";

    find<QComboBox>(dialog, "zoomCombo")->setCurrentIndex(2);
    EXPECT_EQ(view->size(), QSize(384, 240));

    click(dialog, "saveButton");
    click(dialog, "saveButton");
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0].text, "OMG! CORRUPT ROM! DIE DIE DIE DIE DIE DIE!!1!1!!1!!1one");
    EXPECT_EQ(savedFile(), test::sampleBytes());
    EXPECT_EQ(image.bytes(), test::sampleBytes());
}

TEST_F(GraphicsDialogsTest, GraphicViewerCaptionsByCallerKind)
{
    openSample();
    const std::pair<int, const char *> cases[] = {
        {0, "Character Editor"}, {1, "Monster Editor"}, {2, "Spells Editor"}, {3, "Weapons Editor"}, {7, ""}};
    for (const auto &[kind, caption] : cases) {
        CGraphic viewer(image, palette, services, characterSpriteBlock(image), kind);
        EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Graphics Editor"));
        EXPECT_EQ(find<QGroupBox>(viewer, "pictureGroup")->title(), QString::fromLatin1(caption));
    }
}

TEST_F(GraphicsDialogsTest, GraphicViewerReadsItsPaletteWhenItOpens)
{
    openSample();
    CGraphic viewer(image, palette, services, characterSpriteBlock(image), 0);
    const QRgb before = find<TileCanvasView>(viewer, "pictureView")->currentImage().color(1);
    image.setGame(0x1727, 0x30); // palette 0x17, colour 1, changed while the viewer is open
    EXPECT_EQ(find<TileCanvasView>(viewer, "pictureView")->currentImage().color(1), before);
    click(viewer, "saveButton");
    EXPECT_EQ(services.messages.back().text, "OMG! CORRUPT ROM! DIE DIE DIE DIE DIE DIE!!1!1!!1!!1one");
    EXPECT_EQ(savedFile(), test::sampleBytes());
}

TEST_F(GraphicsDialogsTest, PaletteRedMeansRedInFillsAndInBitmaps)
{
    NesPalette red;
    red.setColor(0x0F, {0xFF, 0, 0});
    TileCanvas canvas(8, 8);
    canvas.colorSlots = {0x0F, 0x0F, 0x0F, 0x0F};
    EXPECT_EQ(canvasImage(canvas, red).pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(nesColor(red, 0x0F), QColor(255, 0, 0));
    EXPECT_EQ(nesColor(red, 0x4F), QColor(255, 0, 0)) << "high bytes are masked";
}

TEST_F(GraphicsDialogsTest, PngEncoderWritesWhatQtReadsBack)
{
    openSample();
    const TileCanvas font = fontPicture(image);
    const auto png = encodePng(font, palette);
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(png.data(), static_cast<int>(png.size()), "PNG"));
    ASSERT_EQ(decoded.size(), QSize(128, 80));
    const QImage expected = canvasImage(font, palette);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(decoded.pixel(x, y), expected.pixel(x, y));
}

} // namespace
} // namespace talvek
