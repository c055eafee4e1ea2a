#pragma once

// Image files of the graphic window and the command line: bitmaps and JPEG
// files read and written; PNG, SVG and PDF written.

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <string>
#include <string_view>

enum class ImageFormat { Bmp, Png, Jpeg, Svg, Pdf };

// The largest picture the canvas takes: sizes are 16-bit, and the pixel count
// is capped so that a file's header cannot make the program claim gigabytes.
constexpr uint32_t kMaxImageSide = 65535;
constexpr uint64_t kMaxImagePixels = uint64_t{1} << 26;
bool imageSizeAllowed(uint64_t width, uint64_t height);

// What a file of `fileBytes` bytes may claim: any picture of up to 4 M pixels
// (16 MB), a larger one only at 4096 pixels or fewer per byte of the file. A
// blank plot stored as JPEG or RLE bitmap holds about 250 pixels a byte, so
// only a forged header is refused: a file of a few hundred bytes cannot make
// the program take the 256 MB of the largest canvas.
constexpr uint64_t kPixelsWithoutData = uint64_t{1} << 22;
constexpr uint64_t kMaxPixelsPerByte = 4096;
bool imageDensityAllowed(uint64_t width, uint64_t height, uint64_t fileBytes);

// The graphic window's file-type rule, in any case of the letters: a name
// containing ".BMP" is a bitmap file, else one containing ".SVG" an SVG
// file, else one containing ".PDF" a PDF file; every other name is a JPEG
// file.
ImageFormat imageFormatOf(std::string_view fileName);
bool isVectorFormat(ImageFormat format);

// Writes `image` under exactly the name `path`: a 24-bit bitmap; a PNG that
// stores a palette when the image has at most 256 colours (a plot has a
// handful, so this is exact, several times faster and smaller); or a JPEG of
// quality 90 (see JpegFile.h). The file is replaced only when the whole image
// was written; FileError otherwise, KurvixError "JPEG-Fehler #n" when the
// encoder fails (a side beyond the format's 65500 pixels). SVG and PDF carry
// the pixels as one embedded picture at the image's size (see VectorFile.h).
void writeImageFile(const QImage& image, const std::string& path, ImageFormat format);

// Reads a bitmap or JPEG file as an opaque RGB32 image; asked for a PNG, SVG
// or PDF file it refuses with KurvixError VectorNotOpened and reads nothing.
// FileError when the file cannot be opened, is no regular file or is larger
// than 512 MB; KurvixError "Bitmap ist ungültig" for a bitmap file that is not a
// complete Windows bitmap (wrong signature or header, unknown depth or
// compression, pixel data shorter than the header says), "JPEG-Fehler #n" as
// JpegFile.h says, and a message naming the size for a picture larger than
// imageSizeAllowed or, for its file's size, imageDensityAllowed. The size is
// checked from the header before any pixel memory is taken.
QImage readImageFile(const std::string& path, ImageFormat format);
QImage decodeBitmap(const QByteArray& bytes, const std::string& nameForMessages);

// The whole file, with the checks readImageFile names.
QByteArray readWholeImageFile(const std::string& path);

// The image as an opaque 8-bit palette image when it has at most 256
// colours, the palette in the order the colours first appear row by row (the
// layout Qt's exact conversion gives, so PNG files keep their bytes); a null
// image when it has more.
QImage paletteImage(const QImage& image);
