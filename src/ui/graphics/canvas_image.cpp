#include "canvas_image.h"

#include <cstring>

namespace talvek {

QColor nesColor(const NesPalette &palette, int colorByte)
{
    const RgbColor rgb = palette.rgb(static_cast<std::uint8_t>(colorByte));
    return {rgb.red, rgb.green, rgb.blue};
}

QImage canvasImage(const TileCanvas &canvas, const NesPalette &palette)
{
    QImage image(canvas.width, canvas.height, QImage::Format_Indexed8);
    if (image.isNull())
        return image;
    QList<QRgb> colors(256, qRgb(0, 0, 0));
    for (std::size_t slot = 0; slot < canvas.colorSlots.size(); ++slot) {
        // Entries are blue, green, red, reserved, as in a bitmap colour table.
        const auto &entry = palette.entry(canvas.colorSlots[slot]);
        colors[static_cast<qsizetype>(slot)] = qRgb(entry[2], entry[1], entry[0]);
    }
    image.setColorTable(colors);
    // The canvas is stored bottom-up; the image top-down.
    for (int y = 0; y < canvas.height; ++y)
        std::memcpy(image.scanLine(y), canvas.pixels.data() + static_cast<std::size_t>((canvas.height - 1 - y) * canvas.width),
                    static_cast<std::size_t>(canvas.width));
    return image;
}

} // namespace talvek
