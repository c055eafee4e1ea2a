#include "data/Errors.h"
#include "editor/ImageFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

TEST(ImageFile, CountsColoursUpToTheLimit)
{
    const std::pair<int, bool> cases[] = {{1, true}, {2, true}, {256, true}, {257, false}, {4096, false}};
    for (const auto& [colours, few] : cases)
        EXPECT_EQ(hasAtMostColours(gradient(colours), 256), few) << colours;
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

TEST(ImageFile, FailureLeavesNoFile)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("missing/dir/x.png")).toStdString();
    EXPECT_THROW(writeImageFile(gradient(3), path, ImageFormat::Png), FileError);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

} // namespace
