#include "editor/VectorFile.h"

#include "data/Errors.h"
#include "data/Messages.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

constexpr int kUnitsPerInch = 96;

} // namespace

void writeVectorFile(const std::string& path, VectorFormat format, QSize size,
                     const std::function<void(QPainter&)>& draw)
{
    QSaveFile file(QString::fromStdString(path));
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        if (format == VectorFormat::Svg) {
            QSvgGenerator svg;
            svg.setOutputDevice(&file);
            svg.setSize(size);
            svg.setViewBox(QRect(QPoint(0, 0), size));
            svg.setResolution(kUnitsPerInch);
            svg.setTitle(QStringLiteral("Kurvix"));
            QPainter painter;
            written = painter.begin(&svg);
            if (written) {
                draw(painter);
                written = painter.end();
            }
        } else {
            QPdfWriter pdf(&file);
            pdf.setCreator(QStringLiteral("Kurvix"));
            pdf.setTitle(QStringLiteral("Kurvix"));
            pdf.setResolution(kUnitsPerInch);
            const QSizeF inches(double(size.width()) / kUnitsPerInch, double(size.height()) / kUnitsPerInch);
            pdf.setPageLayout(QPageLayout(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                                          QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
            QPainter painter;
            written = painter.begin(&pdf);
            if (written) {
                draw(painter);
                written = painter.end();
            }
        }
    }
    if (!written || !file.commit())
        throw FileError(Messages::message(Messages::CannotCreateFile, {path, file.errorString().toStdString()}));
}

void drawPixels(QPainter& painter, const QImage& image)
{
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // A PDF would otherwise keep a picture as a JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image.size())), image);
    painter.restore();
}

QImage changedPixels(const QImage& now, const QImage& before)
{
    const QImage a = now.convertToFormat(QImage::Format_RGB32);
    const QImage b = before.convertToFormat(QImage::Format_RGB32);
    QImage changed(a.size(), QImage::Format_ARGB32);
    changed.fill(Qt::transparent);
    bool any = false;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(changed.scanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if ((p[x] ^ q[x]) & 0xFFFFFFu) {
                out[x] = p[x] | 0xFF000000u;
                any = true;
            }
        }
    }
    return any ? changed : QImage();
}
