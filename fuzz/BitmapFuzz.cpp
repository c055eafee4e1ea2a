// The bitmap loader on any bytes: it either refuses them with the program's
// own message, or gives an opaque picture of exactly the size the header
// states, within the canvas's limits, which written as a bitmap and read
// again is the same picture.

#include "FuzzCheck.h"

#include "editor/ImageFile.h"

#include <QBuffer>
#include <QImage>

#include <cstdint>
#include <cstdlib>

namespace {

uint32_t le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint32_t le16(const uint8_t* p) { return p[0] | p[1] << 8; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QImage image;
    if (!fuzzcheck::attempt([&] { image = decodeBitmap(bytes, "fuzz.bmp"); }))
        return 0;

    fuzzcheck::require(!image.isNull() && image.format() == QImage::Format_RGB32, "a loaded bitmap is no RGB32 picture");
    fuzzcheck::require(imageSizeAllowed(static_cast<uint64_t>(image.width()), static_cast<uint64_t>(image.height())),
                       "a loaded bitmap is beyond the size limit");
    fuzzcheck::require(imageDensityAllowed(static_cast<uint64_t>(image.width()), static_cast<uint64_t>(image.height()), size),
                       "a loaded bitmap claims more pixels than its size allows");
    // A loaded file has at least both headers; the size is in the second.
    fuzzcheck::require(size >= 26, "a bitmap shorter than its headers loaded");
    const bool core = le32(data + 14) == 12;
    // Signed in the longer header (a negative height is a top-down picture).
    const int64_t width = core ? int64_t{le16(data + 18)} : int64_t{static_cast<int32_t>(le32(data + 18))};
    const int64_t height = core ? int64_t{le16(data + 20)} : int64_t{static_cast<int32_t>(le32(data + 22))};
    fuzzcheck::require(image.width() == width && image.height() == std::llabs(height),
                       "a loaded bitmap has another size than its header states");

    if (image.width() * static_cast<int64_t>(image.height()) <= (1 << 20)) {
        QByteArray again;
        QBuffer buffer(&again);
        buffer.open(QIODevice::WriteOnly);
        fuzzcheck::require(image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"), "a loaded bitmap cannot be written");
        QImage back;
        fuzzcheck::require(fuzzcheck::attempt([&] { back = decodeBitmap(again, "again.bmp"); }),
                           "a written bitmap does not load");
        fuzzcheck::require(back == image, "a bitmap written and loaded again differs");
    }
    return 0;
}
