#include "editor/ImageFile.h"

#include "data/AtomicFile.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "editor/JpegFile.h"
#include "editor/PixelFile.h"
#include "editor/VectorFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <array>
#include <cstdlib>

namespace {

// Twice the largest bitmap the canvas takes (64 M pixels of 4 bytes).
constexpr qint64 kMaxImageFileBytes = qint64{512} << 20;

uint32_t le16(const QByteArray& b, qsizetype at)
{
    return static_cast<uint8_t>(b[at]) | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8;
}

uint32_t le32(const QByteArray& b, qsizetype at)
{
    return le16(b, at) | le16(b, at + 2) << 16;
}

// The file's name goes on the line below the message, so the user learns
// which file is no bitmap.
[[noreturn]] void invalidBitmap(const std::string& name)
{
    if (name.empty())
        throw KurvixError(std::string(Messages::InvalidBitmap));
    throw KurvixError(Messages::message(Messages::InvalidBitmapIn, {name}));
}

// Checks what the header of a Windows bitmap promises against the bytes there
// are, so that the decoder never works on a file that ends early and a huge
// size is refused before memory is taken.
void checkBitmapHeader(const QByteArray& b, const std::string& name)
{
    constexpr qsizetype kFileHeader = 14;
    if (b.size() < kFileHeader + 12 || b[0] != 'B' || b[1] != 'M')
        invalidBitmap(name);
    const uint32_t dataOffset = le32(b, 10);
    const uint32_t infoSize = le32(b, kFileHeader);
    int64_t width = 0, height = 0;
    uint32_t planes = 0, depth = 0, compression = 0;
    if (infoSize == 12) {
        width = le16(b, 18);
        height = le16(b, 20);
        planes = le16(b, 22);
        depth = le16(b, 24);
    } else if (infoSize >= 40 && infoSize <= 124 && b.size() >= kFileHeader + 40) {
        width = static_cast<int32_t>(le32(b, 18));
        height = static_cast<int32_t>(le32(b, 22));
        planes = le16(b, 26);
        depth = le16(b, 28);
        compression = le32(b, 30);
    } else {
        invalidBitmap(name);
    }
    const bool topDown = height < 0;
    height = std::llabs(height);
    if (width <= 0 || height == 0 || planes != 1)
        invalidBitmap(name);
    const bool rle = compression == 1 || compression == 2;
    const bool depthFits = (compression == 0 && (depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32))
        || (compression == 1 && depth == 8) || (compression == 2 && depth == 4)
        || (compression == 3 && (depth == 16 || depth == 32));
    if (!depthFits || (rle && topDown))
        invalidBitmap(name);
    if (!imageSizeAllowed(static_cast<uint64_t>(width), static_cast<uint64_t>(height)))
        throw KurvixError(Messages::message(Messages::ImageTooLarge, {name, std::to_string(width), std::to_string(height)}));
    if (!imageDensityAllowed(static_cast<uint64_t>(width), static_cast<uint64_t>(height), static_cast<uint64_t>(b.size())))
        throw KurvixError(Messages::message(Messages::ImageTooSparse, {name, std::to_string(width), std::to_string(height),
                                                                      std::to_string(b.size())}));
    if (dataOffset < kFileHeader + infoSize || dataOffset >= static_cast<uint64_t>(b.size()))
        invalidBitmap(name);
    if (!rle) {
        const int64_t rowBytes = (width * depth + 31) / 32 * 4;
        if (dataOffset + rowBytes * height > b.size())
            invalidBitmap(name);
    }
}

} // namespace

bool imageSizeAllowed(uint64_t width, uint64_t height)
{
    return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide
        && width * height <= kMaxImagePixels;
}

namespace {

bool containsExtension(std::string_view name, const char (&ext)[4])
{
    for (size_t i = 0; i + 4 <= name.size(); ++i) {
        if (name[i] == '.' && (name[i + 1] | 0x20) == ext[0] && (name[i + 2] | 0x20) == ext[1]
            && (name[i + 3] | 0x20) == ext[2])
            return true;
    }
    return false;
}

} // namespace

bool imageDensityAllowed(uint64_t width, uint64_t height, uint64_t fileBytes)
{
    const uint64_t pixels = width * height;
    return pixels <= kPixelsWithoutData || pixels / kMaxPixelsPerByte <= fileBytes;
}

ImageFormat imageFormatOf(std::string_view fileName)
{
    if (containsExtension(fileName, "bmp"))
        return ImageFormat::Bmp;
    if (containsExtension(fileName, "svg"))
        return ImageFormat::Svg;
    if (containsExtension(fileName, "pdf"))
        return ImageFormat::Pdf;
    return ImageFormat::Jpeg;
}

bool isVectorFormat(ImageFormat format)
{
    return format == ImageFormat::Svg || format == ImageFormat::Pdf;
}

QByteArray readWholeImageFile(const std::string& path)
{
    const QString name = QFile::decodeName(QByteArray::fromStdString(path));
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(Messages::message(Messages::CannotOpenFile, {path, file.errorString().toStdString()}));
    // A device or FIFO could block or never end.
    if (!QFileInfo(name).isFile())
        throw FileError(Messages::message(Messages::CannotOpenFile, {path, std::string(Messages::NotARegularFile)}));
    if (file.size() > kMaxImageFileBytes)
        throw FileError(Messages::message(Messages::ImageFileTooLarge, {path}));
    return file.readAll();
}

QImage decodeBitmap(const QByteArray& bytes, const std::string& nameForMessages)
{
    checkBitmapHeader(bytes, nameForMessages);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    // The header check bounds the size; an RGB32 picture of the largest
    // allowed size needs 256 MB.
    reader.setAllocationLimit(512);
    const QImage image = reader.read();
    if (image.isNull())
        invalidBitmap(nameForMessages);
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage readImageFile(const std::string& path, ImageFormat format)
{
    if (format != ImageFormat::Bmp && format != ImageFormat::Jpeg)
        throw KurvixError(Messages::message(Messages::VectorNotOpened, {path}));
    const QByteArray bytes = readWholeImageFile(path);
    return format == ImageFormat::Bmp ? decodeBitmap(bytes, path) : decodeJpeg(bytes, path);
}

namespace {

// Open addressing over a small table: 0 marks a free slot, so colours are
// stored with the top byte set, and each slot keeps its palette index.
class ColourTable {
public:
    // The palette index of c (top byte set), entering it when new; -1 for a
    // colour beyond the 256th.
    int indexOf(QRgb c)
    {
        size_t slot = (c * 2654435761u) >> 22;
        while (colours_[slot] != 0 && colours_[slot] != c)
            slot = (slot + 1) & (colours_.size() - 1);
        if (colours_[slot] == 0) {
            if (order_.size() >= 256)
                return -1;
            colours_[slot] = c;
            indices_[slot] = static_cast<uint8_t>(order_.size());
            order_.push_back(c);
        }
        return indices_[slot];
    }
    const QList<QRgb>& order() const { return order_; }

private:
    std::array<QRgb, 1024> colours_{};
    std::array<uint8_t, 1024> indices_{};
    QList<QRgb> order_;
};

const QImage& asRgb32(const QImage& image, QImage& converted)
{
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
        return image;
    converted = image.convertToFormat(QImage::Format_RGB32);
    return converted;
}

} // namespace

QImage paletteImage(const QImage& image)
{
    QImage converted;
    const QImage& rgb = asRgb32(image, converted);
    const int width = rgb.width();
    const int height = rgb.height();
    QImage indexed(width, height, QImage::Format_Indexed8);
    if (indexed.isNull())
        return {};
    ColourTable table;
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uint8_t* out = indexed.scanLine(y);
        QRgb last = 0;
        int lastIndex = 0;
        for (int x = 0; x < width; ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            if (c != last) {
                lastIndex = table.indexOf(c);
                if (lastIndex < 0)
                    return {};
                last = c;
            }
            out[x] = static_cast<uint8_t>(lastIndex);
        }
    }
    indexed.setColorTable(table.order());
    indexed.setDotsPerMeterX(image.dotsPerMeterX());
    indexed.setDotsPerMeterY(image.dotsPerMeterY());
    return indexed;
}

void writeImageFile(const QImage& image, const std::string& path, ImageFormat format)
{
    if (isVectorFormat(format)) {
        writeVectorFile(path, format == ImageFormat::Svg ? VectorFormat::Svg : VectorFormat::Pdf, image.size(),
                        [&image](QPainter& painter) { drawPixels(painter, image); });
        return;
    }
    // Encoded in memory first, so the file is only replaced by a whole image.
    QByteArray bytes;
    if (format == ImageFormat::Bmp) {
        bytes = encodeBitmap(image);
    } else if (format == ImageFormat::Jpeg) {
        bytes = encodeJpeg(image, 90);
    } else if (const QImage indexed = paletteImage(image); !indexed.isNull()) {
        // A lighter compression than the default: twice as fast for a plot,
        // and the file grows from about 4 to 7 KB.
        constexpr int kPngCompression = 2;
        bytes = encodePng(indexed, kPngCompression);
    } else {
        bytes = encodePng(image.convertToFormat(QImage::Format_RGB32), -1);
    }
    const bool encoded = !bytes.isEmpty();
    if (!encoded)
        throw FileError(Messages::message(Messages::CannotCreateFile, {path, Messages::ImageNotEncoded}));
    replaceFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}
