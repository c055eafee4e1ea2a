#include "editor/PixelFile.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace {

void appendToArray(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data),
                                                           static_cast<qsizetype>(length));
}

void flushNothing(png_structp) {}

// libpng reports failures by longjmp; nothing with a destructor may live
// between setjmp and the jump, so the rows are prepared by the caller.
bool writePng(png_structp png, png_infop info, const QImage& image, int compression, std::vector<uint8_t>& row)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    const bool indexed = image.format() == QImage::Format_Indexed8;
    const auto width = static_cast<png_uint_32>(image.width());
    const auto height = static_cast<png_uint_32>(image.height());
    if (compression >= 0)
        png_set_compression_level(png, compression > 9 ? 9 : compression);
    png_set_IHDR(png, info, width, height, 8, indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_color palette[256];
    if (indexed) {
        const QList<QRgb> table = image.colorTable();
        const int count = static_cast<int>(std::min<qsizetype>(table.size(), 256));
        for (int i = 0; i < count; ++i)
            palette[i] = {static_cast<png_byte>(qRed(table[i])), static_cast<png_byte>(qGreen(table[i])),
                          static_cast<png_byte>(qBlue(table[i]))};
        png_set_PLTE(png, info, palette, count);
    }
    if (image.dotsPerMeterX() > 0 || image.dotsPerMeterY() > 0)
        png_set_pHYs(png, info, static_cast<png_uint_32>(image.dotsPerMeterX()),
                     static_cast<png_uint_32>(image.dotsPerMeterY()), PNG_RESOLUTION_METER);
    png_write_info(png, info);
    for (png_uint_32 y = 0; y < height; ++y) {
        const uchar* line = image.constScanLine(static_cast<int>(y));
        if (indexed) {
            std::memcpy(row.data(), line, width);
        } else {
            const auto* pixels = reinterpret_cast<const QRgb*>(line);
            for (png_uint_32 x = 0; x < width; ++x) {
                row[3 * x] = static_cast<uint8_t>(qRed(pixels[x]));
                row[3 * x + 1] = static_cast<uint8_t>(qGreen(pixels[x]));
                row[3 * x + 2] = static_cast<uint8_t>(qBlue(pixels[x]));
            }
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    return true;
}

void putLe16(QByteArray& out, int at, uint32_t v)
{
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void putLe32(QByteArray& out, int at, uint32_t v)
{
    putLe16(out, at, v & 0xFFFF);
    putLe16(out, at + 2, v >> 16);
}

} // namespace

QByteArray encodePng(const QImage& image, int compression)
{
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_Indexed8)
        return {};
    if (image.isNull())
        return {};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return {};
    png_infop info = png_create_info_struct(png);
    QByteArray bytes;
    std::vector<uint8_t> row(static_cast<size_t>(image.width()) * 3);
    bool ok = info != nullptr;
    if (ok) {
        png_set_write_fn(png, &bytes, appendToArray, flushNothing);
        ok = writePng(png, info, image, compression, row);
    }
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return ok ? bytes : QByteArray();
}

QByteArray encodeBitmap(const QImage& image)
{
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const int rowBytes = (3 * width + 3) & ~3;
    constexpr int kHeaders = 14 + 40;
    const qint64 size = kHeaders + qint64{rowBytes} * height;
    QByteArray out(static_cast<qsizetype>(size), '\0');
    out[0] = 'B';
    out[1] = 'M';
    putLe32(out, 2, static_cast<uint32_t>(size));
    putLe32(out, 10, kHeaders);
    putLe32(out, 14, 40);
    putLe32(out, 18, static_cast<uint32_t>(width));
    putLe32(out, 22, static_cast<uint32_t>(height));
    putLe16(out, 26, 1);
    putLe16(out, 28, 24);
    putLe32(out, 34, static_cast<uint32_t>(qint64{rowBytes} * height));
    putLe32(out, 38, static_cast<uint32_t>(rgb.dotsPerMeterX()));
    putLe32(out, 42, static_cast<uint32_t>(rgb.dotsPerMeterY()));
    auto* data = reinterpret_cast<uint8_t*>(out.data()) + kHeaders;
    for (int y = 0; y < height; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constScanLine(height - 1 - y));
        uint8_t* p = data + qint64{rowBytes} * y;
        for (int x = 0; x < width; ++x) {
            p[3 * x] = static_cast<uint8_t>(qBlue(pixels[x]));
            p[3 * x + 1] = static_cast<uint8_t>(qGreen(pixels[x]));
            p[3 * x + 2] = static_cast<uint8_t>(qRed(pixels[x]));
        }
    }
    return out;
}
