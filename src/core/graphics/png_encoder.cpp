#include "png_encoder.h"

#include <array>
#include <string_view>

#include "rom/nes_palette.h"
#include "tile_canvas.h"

namespace talvek {
namespace {

std::uint32_t crc32(const std::uint8_t *data, std::size_t size, std::uint32_t crc = 0)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void putBigEndian(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void putChunk(std::vector<std::uint8_t> &out, std::string_view type, const std::vector<std::uint8_t> &data)
{
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> body(type.begin(), type.end());
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    putBigEndian(out, crc32(body.data(), body.size()));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::vector<std::uint8_t> zlibStored(const std::vector<std::uint8_t> &raw)
{
    std::vector<std::uint8_t> out{0x78, 0x01};
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min<std::size_t>(raw.size() - offset, 0xFFFF);
        const bool last = offset + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(length & 0xFF));
        out.push_back(static_cast<std::uint8_t>(length >> 8));
        out.push_back(static_cast<std::uint8_t>(~length & 0xFF));
        out.push_back(static_cast<std::uint8_t>((~length >> 8) & 0xFF));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
                   raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBigEndian(out, (b << 16) | a);
    return out;
}

} // namespace

std::vector<std::uint8_t> encodePng(const TileCanvas &canvas, const NesPalette &palette)
{
    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    putBigEndian(header, static_cast<std::uint32_t>(canvas.width));
    putBigEndian(header, static_cast<std::uint32_t>(canvas.height));
    header.insert(header.end(), {8, 3, 0, 0, 0}); // 8-bit indexed, no interlace
    putChunk(png, "IHDR", header);

    // Pixel values above 3 (a palette number) have no colour here; they show slot 0 like uncovered pixels.
    std::vector<std::uint8_t> colors;
    for (std::uint8_t slot : canvas.colorSlots) {
        const RgbColor rgb = palette.rgb(slot);
        colors.insert(colors.end(), {rgb.red, rgb.green, rgb.blue});
    }
    putChunk(png, "PLTE", colors);

    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>((canvas.width + 1) * canvas.height));
    for (int y = 0; y < canvas.height; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < canvas.width; ++x) {
            const std::uint8_t value = canvas.pixel(x, y);
            raw.push_back(value < 4 ? value : 0);
        }
    }
    putChunk(png, "IDAT", zlibStored(raw));
    putChunk(png, "IEND", {});
    return png;
}

} // namespace talvek
