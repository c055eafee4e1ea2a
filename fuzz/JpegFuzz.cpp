// The JPEG loader on any bytes: it either refuses them with the program's own
// message, or gives an opaque picture of exactly the size the frame header
// states, within the canvas's limits, which encoded again loads at that size.

#include "FuzzCheck.h"

#include "editor/ImageFile.h"
#include "editor/JpegFile.h"

#include <QImage>

#include <cstdint>
#include <optional>

namespace {

// The size in the first frame header (SOF0..SOF15 but DHT, JPG and DAC),
// walking the marker segments from the start of the file.
std::optional<std::pair<int, int>> frameSize(const uint8_t* data, size_t size)
{
    size_t at = 2;
    while (at + 4 <= size) {
        if (data[at] != 0xFF) {
            ++at; // the library skips stray bytes before a marker, and so do we
            continue;
        }
        const uint8_t marker = data[at + 1];
        if (marker == 0xFF) {
            ++at; // fill byte
            continue;
        }
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2; // a stuffed zero, TEM and RSTn carry no length
            continue;
        }
        const size_t length = static_cast<size_t>(data[at + 2]) << 8 | data[at + 3];
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            if (at + 9 > size)
                return std::nullopt;
            return std::pair<int, int>{data[at + 7] << 8 | data[at + 8], data[at + 5] << 8 | data[at + 6]};
        }
        at += 2 + length;
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QImage image;
    if (!fuzzcheck::attempt([&] { image = decodeJpeg(bytes, "fuzz.jpg"); }))
        return 0;

    fuzzcheck::require(!image.isNull() && image.format() == QImage::Format_RGB32, "a loaded JPEG is no RGB32 picture");
    fuzzcheck::require(imageSizeAllowed(static_cast<uint64_t>(image.width()), static_cast<uint64_t>(image.height())),
                       "a loaded JPEG is beyond the size limit");
    fuzzcheck::require(imageDensityAllowed(static_cast<uint64_t>(image.width()), static_cast<uint64_t>(image.height()), size),
                       "a loaded JPEG claims more pixels than its size allows");
    const auto claimed = frameSize(data, size);
    fuzzcheck::require(claimed && claimed->first == image.width() && claimed->second == image.height(),
                       "a loaded JPEG has another size than its frame header states");

    // The format's own limit is 65500 pixels a side.
    if (image.width() <= 65500 && image.height() <= 65500
        && image.width() * static_cast<int64_t>(image.height()) <= (1 << 20)) {
        QImage back;
        fuzzcheck::require(fuzzcheck::attempt([&] { back = decodeJpeg(encodeJpeg(image), "again.jpg"); }),
                           "an encoded JPEG does not load");
        fuzzcheck::require(back.size() == image.size(), "a JPEG encoded and loaded again has another size");
    }
    return 0;
}
