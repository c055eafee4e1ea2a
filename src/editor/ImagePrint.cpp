#include "editor/ImagePrint.h"

#include <QPainter>

#include <algorithm>

namespace {

// Bytes of one enlarged band; bounds the scratch image for wide pictures.
constexpr qsizetype kBandBytes = qsizetype{1} << 20;

} // namespace

void printImagePixels(const QImage& image, QPainter& painter)
{
    if (image.isNull())
        return;
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    const int width = source.width();
    const int height = source.height();
    constexpr int k = kPrintPixelSize;
    const qsizetype rowBytes = qsizetype{width} * k * k * 4;
    const int bandRows = static_cast<int>(std::clamp<qsizetype>(kBandBytes / rowBytes, 1, height));
    QImage band(width * k, bandRows * k, QImage::Format_RGB32);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int y0 = 0; y0 < height; y0 += bandRows) {
        const int rows = std::min(bandRows, height - y0);
        for (int r = 0; r < rows; ++r) {
            const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y0 + r));
            auto* out = reinterpret_cast<QRgb*>(band.scanLine(r * k));
            for (int x = 0; x < width; ++x)
                std::fill_n(out + x * k, k, in[x]);
            for (int j = 1; j < k; ++j)
                std::copy_n(out, width * k, reinterpret_cast<QRgb*>(band.scanLine(r * k + j)));
        }
        painter.drawImage(QPoint(kPrintOrigin.x(), kPrintOrigin.y() + y0 * k), band, QRect(0, 0, width * k, rows * k));
    }
    painter.restore();
}
