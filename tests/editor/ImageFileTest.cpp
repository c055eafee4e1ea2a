#include "data/AtomicFile.h"
#include "data/Errors.h"
#include "editor/ImageFile.h"
#include "editor/JpegFile.h"
#include "editor/PixelFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

namespace {

QImage gradient(int colours)
{
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const int k = (y * 64 + x) % colours;
            image.setPixel(x, y, qRgb(k & 0xFF, (k >> 8) & 0xFF, 7));
        }
    return image;
}

bool samePixels(const QImage& a, const QImage& b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

TEST(ImageFile, PaletteForAtMost256Colours)
{
    const std::pair<int, bool> cases[] = {{1, true}, {2, true}, {256, true}, {257, false}, {4096, false}};
    for (const auto& [colours, few] : cases) {
        const QImage indexed = paletteImage(gradient(colours));
        EXPECT_EQ(!indexed.isNull(), few) << colours;
        if (few) {
            EXPECT_TRUE(samePixels(indexed, gradient(colours))) << colours;
        }
    }
}

// Every format reads back to exactly the pixels written, palette or not.
TEST(ImageFile, WrittenImagesReadBackExactly)
{
    QTemporaryDir dir;
    const struct {
        const char* name;
        ImageFormat format;
        int colours;
        const char* kind;
    } cases[] = {
        {"few.png", ImageFormat::Png, 5, "PNG"},
        {"many.png", ImageFormat::Png, 3000, "PNG"},
        {"few.bmp", ImageFormat::Bmp, 5, "BMP"},
        {"lower.Bmp", ImageFormat::Bmp, 300, "BMP"},
    };
    for (const auto& c : cases) {
        const QImage image = gradient(c.colours);
        const std::string path = dir.filePath(QString::fromLatin1(c.name)).toStdString();
        writeImageFile(image, path, c.format);
        QImage back;
        ASSERT_TRUE(back.load(QString::fromStdString(path), c.kind)) << c.name;
        EXPECT_TRUE(samePixels(back, image)) << c.name;
    }
}

// The direct encoders give Qt's writers' bytes: files written before stay
// byte-identical, whatever the size, resolution or palette.
TEST(ImageFile, DirectEncodersMatchQtsWriters)
{
    auto qtBytes = [](const QImage& image, const char* kind, int quality) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(image.save(&buffer, kind, quality));
        return bytes;
    };
    const struct {
        int width, height, colours, dotsPerMeter;
    } cases[] = {{1, 1, 1, 3780}, {3, 7, 2, 3780}, {64, 64, 5, 0}, {481, 13, 256, 2835}, {64, 64, 256, 3780}, {64, 64, 3000, 3780}};
    for (const auto& c : cases) {
        QImage image = gradient(c.colours).scaled(c.width, c.height);
        image.setDotsPerMeterX(c.dotsPerMeter);
        image.setDotsPerMeterY(c.dotsPerMeter);
        if (c.colours <= 256) {
            const QImage qtIndexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
            EXPECT_EQ(encodePng(paletteImage(image), 2), qtBytes(qtIndexed, "PNG", 75)) << c.width << " x " << c.height;
        }
        EXPECT_EQ(encodePng(image, -1), qtBytes(image, "PNG", -1)) << c.width << " x " << c.height;
        EXPECT_EQ(encodeBitmap(image), qtBytes(image.convertToFormat(QImage::Format_RGB888), "BMP", -1))
            << c.width << " x " << c.height;
    }
}

TEST(ImageFile, FailureLeavesNoFile)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("missing/dir/x.png")).toStdString();
    EXPECT_THROW(writeImageFile(gradient(3), path, ImageFormat::Png), FileError);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

// A disk that fills up during an image save: the save fails with the
// system's reason and the old image is what it was, in every format.
TEST(ImageFile, FullDiskKeepsTheOldImage)
{
    QTemporaryDir dir;
    for (ImageFormat format : {ImageFormat::Bmp, ImageFormat::Png, ImageFormat::Jpeg}) {
        const std::string path = dir.filePath(QStringLiteral("plot.img")).toStdString();
        writeImageFile(gradient(5), path, format);
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        setWriteFunctionForTests([](int, const void*, size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        });
        std::string message;
        try {
            writeImageFile(gradient(9), path, format);
        } catch (const FileError& e) {
            message = e.what();
        }
        setWriteFunctionForTests({});
        EXPECT_NE(message.find(path), std::string::npos) << message;
        EXPECT_NE(message.find(std::strerror(ENOSPC)), std::string::npos) << message;
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plot.img"});
    }
}

} // namespace

namespace {

// A smooth picture, which JPEG keeps within a few levels.
QImage smooth(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 128));
    return image;
}

int largestDifference(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

std::string testImage(const char* name)
{
    return std::string(KURVIX_TEST_FILES) + "/images/" + name;
}

TEST(ImageFile, FileTypeRule)
{
    const std::pair<const char*, ImageFormat> cases[] = {
        {"plot.bmp", ImageFormat::Bmp},     {"PLOT.BMP", ImageFormat::Bmp},   {"a.Bmp.jpg", ImageFormat::Bmp},
        {"/x.bmp/photo", ImageFormat::Bmp}, {"photo.jpg", ImageFormat::Jpeg}, {"graph", ImageFormat::Jpeg},
        {"bmp", ImageFormat::Jpeg},         {"x.bm", ImageFormat::Jpeg},      {"x_bmp", ImageFormat::Jpeg},
        {"graph.svg", ImageFormat::Svg},    {"GRAPH.PDF", ImageFormat::Pdf},  {"a.bmp.svg", ImageFormat::Bmp},
        {"a.svg.pdf", ImageFormat::Svg},    {"a.Pdf.jpg", ImageFormat::Pdf},  {"svg", ImageFormat::Jpeg},
    };
    for (const auto& [name, format] : cases)
        EXPECT_EQ(imageFormatOf(name), format) << name;
}

// Quality 90 with baseline tables, sequential, three components, JFIF.
TEST(ImageFile, JpegIsBaselineQuality90FullColour)
{
    const QByteArray jpeg = encodeJpeg(smooth(40, 30));
    EXPECT_TRUE(jpeg.startsWith("\xFF\xD8\xFF\xE0")) << "JFIF marker first";
    EXPECT_EQ(jpeg.mid(6, 5), QByteArray("JFIF", 5));
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    ASSERT_GE(sof, 0) << "baseline frame";
    EXPECT_LT(jpeg.indexOf("\xFF\xC2"), 0) << "no progressive frame";
    EXPECT_EQ(static_cast<uint8_t>(jpeg[sof + 9]), 3) << "components";
    // The first luminance quantiser is 16 at quality 50, scaled to 20 % at 90.
    const qsizetype dqt = jpeg.indexOf("\xFF\xDB");
    ASSERT_GE(dqt, 0);
    EXPECT_EQ(static_cast<uint8_t>(jpeg[dqt + 5]), 3);
}

TEST(ImageFile, JpegAndBitmapFilesReadBack)
{
    QTemporaryDir dir;
    const QImage image = smooth(70, 45);
    const std::string jpeg = dir.filePath(QStringLiteral("photo.jpg")).toStdString();
    writeImageFile(image, jpeg, ImageFormat::Jpeg);
    const QImage fromJpeg = readImageFile(jpeg, ImageFormat::Jpeg);
    ASSERT_EQ(fromJpeg.size(), image.size());
    EXPECT_EQ(fromJpeg.format(), QImage::Format_RGB32);
    EXPECT_LE(largestDifference(fromJpeg, image), 8);

    // Palette bitmaps, as other programs write them, read as well.
    QImage indexed = gradient(7).convertToFormat(QImage::Format_Indexed8);
    const std::string eight = dir.filePath(QStringLiteral("eight.bmp")).toStdString();
    ASSERT_TRUE(indexed.save(QString::fromStdString(eight), "BMP"));
    EXPECT_TRUE(samePixels(readImageFile(eight, ImageFormat::Bmp), indexed));
}

TEST(ImageFile, MalformedFilesAreRefused)
{
    const struct {
        const char* file;
        ImageFormat format;
        const char* message; // the start of the text
    } cases[] = {
        {"empty.bmp", ImageFormat::Bmp, "Bitmap ist ungültig"},
        {"garbage.bmp", ImageFormat::Bmp, "Bitmap ist ungültig"},
        {"truncated.bmp", ImageFormat::Bmp, "Bitmap ist ungültig"},
        {"text.jpg", ImageFormat::Bmp, "Bitmap ist ungültig"},
        {"wide.bmp", ImageFormat::Bmp, "The image "},
        {"huge.bmp", ImageFormat::Bmp, "The image "},
        {"empty.jpg", ImageFormat::Jpeg, "JPEG-Fehler #"},
        {"text.jpg", ImageFormat::Jpeg, "JPEG-Fehler #"},
        {"garbage.bmp", ImageFormat::Jpeg, "JPEG-Fehler #"},
        {"truncated.jpg", ImageFormat::Jpeg, "JPEG-Fehler #"},
        {"huge.jpg", ImageFormat::Jpeg, "The image "},
        {"missing.jpg", ImageFormat::Jpeg, "Datei kann nicht geöffnet werden"},
        {"text.jpg", ImageFormat::Svg, KURVIX_TEST_FILES},
        {"text.jpg", ImageFormat::Pdf, KURVIX_TEST_FILES},
    };
    for (const auto& c : cases) {
        try {
            readImageFile(testImage(c.file), c.format);
            ADD_FAILURE() << c.file << " was read";
        } catch (const KurvixError& e) {
            const std::string text = e.what();
            EXPECT_EQ(text.rfind(c.message, 0), 0u) << c.file << ": " << text;
            // Every message names the file it is about.
            EXPECT_NE(text.find(testImage(c.file)), std::string::npos) << text;
        }
    }
    EXPECT_THROW(readImageFile("/dev/zero", ImageFormat::Jpeg), FileError) << "devices are not read";
}

} // namespace
