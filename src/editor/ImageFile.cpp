#include "editor/ImageFile.h"

#include "data/Errors.h"
#include "data/Messages.h"

#include <QSaveFile>

#include <array>

bool hasAtMostColours(const QImage& image, int limit)
{
    const QImage rgb = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
        ? image
        : image.convertToFormat(QImage::Format_RGB32);
    // Open addressing over a small table; 0 marks a free slot, so colours are
    // stored with the top byte set.
    std::array<QRgb, 1024> table{};
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        QRgb last = 0;
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            if (c == last)
                continue;
            last = c;
            size_t slot = (c * 2654435761u) >> 22;
            while (table[slot] != 0 && table[slot] != c)
                slot = (slot + 1) & (table.size() - 1);
            if (table[slot] == 0) {
                if (++count > limit)
                    return false;
                table[slot] = c;
            }
        }
    }
    return true;
}

void writeImageFile(const QImage& image, const std::string& path, ImageFormat format)
{
    QSaveFile file(QString::fromStdString(path));
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        if (format == ImageFormat::Bmp) {
            written = image.convertToFormat(QImage::Format_RGB888).save(&file, "BMP");
        } else if (hasAtMostColours(image, 256)) {
            // A lighter compression than the default: twice as fast for a
            // plot, and the file grows from about 4 to 7 KB.
            constexpr int kPngQuality = 75;
            written = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither)
                          .save(&file, "PNG", kPngQuality);
        } else {
            written = image.save(&file, "PNG");
        }
    }
    if (!written || !file.commit())
        throw FileError(Messages::message(Messages::CannotCreateFile, {path, file.errorString().toStdString()}));
}
