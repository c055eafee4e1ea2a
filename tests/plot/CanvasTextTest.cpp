#include "plot/Canvas.h"

#include "CanvasTestSupport.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

using canvastest::countDifferences;
using canvastest::noise;
using canvastest::saveFailure;

namespace {

const QRgb white = qRgb(255, 255, 255);
const QRgb black = qRgb(0, 0, 0);

// Bounding box of the pixels that are not `background`.
QRect inkBox(const QImage& image, QRgb background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

Canvas arialCanvas(int width, int height, int pixelSize = 11)
{
    Canvas canvas(width, height);
    canvas.font.name = QStringLiteral("Arial");
    canvas.font.pixelSize = pixelSize;
    return canvas;
}

} // namespace

TEST(CanvasTextTest, ArialResolvesToAMetricCompatibleFont)
{
    for (const char* name : {"Arial", "arial"}) {
        Canvas canvas = arialCanvas(10, 10);
        canvas.font.name = QString::fromLatin1(name);
        EXPECT_EQ(QFontInfo(canvas.qFont()).family(), QStringLiteral("Liberation Sans")) << name;
        EXPECT_EQ(QFontInfo(canvas.qFont()).pixelSize(), 11);
    }
}

TEST(CanvasTextTest, TextStaysInsideItsCellBox)
{
    struct Case {
        const char* name;
        int escapement;
        QPoint at;
        bool bold;
        bool underline;
    };
    const std::vector<Case> cases = {
        {"horizontal", 0, QPoint(7, 9), false, false},
        {"horizontal bold underlined", 0, QPoint(3, 30), true, true},
        {"upwards", 900, QPoint(60, 70), false, false},
        {"upwards bold underlined", 900, QPoint(20, 75), true, true},
    };
    const QString text = QStringLiteral("Hgy1.5 Wq");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas = arialCanvas(100, 80);
        canvas.font.escapement = c.escapement;
        canvas.font.bold = c.bold;
        canvas.font.underline = c.underline;
        canvas.font.colour = qRgb(200, 0, 0);
        canvas.image().fill(qRgb(0, 0, 255));
        const QSize extent = canvas.textExtent(text);
        ASSERT_GT(extent.width(), 30);
        EXPECT_EQ(extent.height(), QFontMetrics(canvas.qFont()).height());
        canvas.textOut(c.at.x(), c.at.y(), text);
        const QRect cell = c.escapement == 900
                               ? QRect(c.at.x(), c.at.y() - extent.width() + 1, extent.height(), extent.width())
                               : QRect(c.at, extent);
        // Opaque: the cell is white under the glyphs, nothing outside changed,
        // and no antialiasing leaves an in-between colour.
        std::set<QRgb> colours;
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if (cell.contains(x, y))
                    colours.insert(canvas.pixel(x, y));
                else
                    ASSERT_EQ(canvas.pixel(x, y), qRgb(0, 0, 255)) << x << "," << y;
            }
        }
        EXPECT_EQ(colours, (std::set<QRgb>{white, qRgb(200, 0, 0)}));
        const QRect ink = inkBox(canvas.image().copy(cell), white).translated(cell.topLeft());
        if (c.escapement == 900) {
            // Running upwards: the text starts at the start row and its glyph
            // tops face the start column.
            EXPECT_GE(ink.bottom(), c.at.y() - 3);
            EXPECT_LE(ink.left(), c.at.x() + 4);
            EXPECT_GT(ink.height(), ink.width());
        } else {
            EXPECT_LE(ink.left(), c.at.x() + 2);
            EXPECT_LE(ink.top(), c.at.y() + 4);
            EXPECT_GT(ink.width(), ink.height());
        }
        if (HasFailure())
            saveFailure(canvas.image(), std::string("text ") + c.name);
    }
}

TEST(CanvasTextTest, UpwardsTextIsTheHorizontalTextTurned)
{
    const QString text = QStringLiteral("Ay 4");
    Canvas flat = arialCanvas(40, 40, 13);
    Canvas turned = arialCanvas(40, 40, 13);
    turned.font.escapement = 900;
    const QSize extent = flat.textExtent(text);
    flat.image().fill(black);
    turned.image().fill(black);
    flat.textOut(0, 0, text);
    turned.textOut(0, extent.width() - 1, text);
    const QRect flatInk = inkBox(flat.image(), black);
    const QRect turnedInk = inkBox(turned.image(), black);
    EXPECT_EQ(flatInk, QRect(QPoint(0, 0), extent));
    EXPECT_EQ(turnedInk, QRect(0, 0, extent.height(), extent.width()));
    // Local pixel (u, v) lands on (v, w - 1 - u); glyph rendering under a
    // rotation may differ by a few edge pixels, never by much.
    int differing = 0;
    int ink = 0;
    for (int v = 0; v < extent.height(); ++v) {
        for (int u = 0; u < extent.width(); ++u) {
            const bool flatInk = flat.pixel(u, v) == black;
            ink += flatInk;
            differing += flatInk != (turned.pixel(v, extent.width() - 1 - u) == black);
        }
    }
    EXPECT_GT(ink, 20);
    EXPECT_LE(differing, ink / 10);
    if (HasFailure()) {
        saveFailure(flat.image(), "flat text");
        saveFailure(turned.image(), "turned text");
    }
}

TEST(CanvasTextTest, TextIgnoresThePenModeAndIsReproducible)
{
    const QString text = QStringLiteral("Axis 12.5");
    Canvas reference = arialCanvas(80, 20);
    reference.image() = noise(80, 20, 5);
    reference.textOut(2, 3, text);
    for (RasterMode mode : {RasterMode::NotXor, RasterMode::NoOp, RasterMode::Copy}) {
        Canvas canvas = arialCanvas(80, 20);
        canvas.image() = noise(80, 20, 5);
        canvas.pen.mode = mode;
        canvas.pen.colour = qRgb(0, 255, 0);
        canvas.textOut(2, 3, text);
        EXPECT_EQ(countDifferences(canvas.image(), reference.image()), 0) << int(mode);
        EXPECT_EQ(canvas.pen.mode, mode);
    }
}

TEST(CanvasTextTest, BlanksEraseEarlierText)
{
    Canvas canvas = arialCanvas(80, 20);
    canvas.textOut(1, 1, QStringLiteral("Wipe me"));
    const QSize blanks = canvas.textExtent(QStringLiteral("                "));
    ASSERT_GE(blanks.width(), canvas.textExtent(QStringLiteral("Wipe me")).width());
    canvas.textOut(1, 1, QStringLiteral("                "));
    EXPECT_EQ(countDifferences(canvas.image(), Canvas(80, 20).image()), 0);
}

TEST(CanvasTextTest, EmptyTextDrawsNothing)
{
    Canvas canvas = arialCanvas(20, 20);
    canvas.image().fill(black);
    canvas.textOut(2, 2, QString());
    canvas.font.escapement = 900;
    canvas.textOut(2, 12, QString());
    EXPECT_EQ(inkBox(canvas.image(), black), QRect());
    EXPECT_EQ(canvas.textExtent(QString()).width(), 0);
}

TEST(CanvasTextTest, PixelsOutsideTheImage)
{
    Canvas canvas(5, 4);
    canvas.setPixel(4, 3, qRgb(1, 2, 3));
    EXPECT_EQ(canvas.pixel(4, 3), qRgb(1, 2, 3));
    for (QPoint p : {QPoint(-1, 0), QPoint(5, 0), QPoint(0, 4), QPoint(0, -1)}) {
        canvas.setPixel(p.x(), p.y(), black);
        EXPECT_EQ(canvas.pixel(p.x(), p.y()), Canvas::outsidePixel);
    }
    EXPECT_EQ(countDifferences(canvas.image(), [] {
                  Canvas c(5, 4);
                  c.setPixel(4, 3, qRgb(1, 2, 3));
                  return c.image();
              }()),
              0);
}

TEST(CanvasTextTest, CanvasOverAPictureIsOpaqueRgb)
{
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.fill(qRgba(10, 20, 30, 0));
    const Canvas canvas(picture);
    EXPECT_EQ(canvas.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(canvas.pixel(2, 1), qRgb(10, 20, 30));
    EXPECT_EQ(canvas.pen, Pen{});
}

namespace {

// A 4x4 source of distinct colours: pixel (x, y) is (x, y, 7).
QImage counting(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, 7));
    return image;
}

} // namespace

TEST(CanvasTextTest, CopyRectMapsSourceOntoTarget)
{
    const QImage source = counting(4, 4);
    struct Case {
        const char* name;
        QRect target;
        QRect sourceRect;
        CopyMode mode;
        // Expected source pixel for a target pixel, or white / untouched.
        std::function<QRgb(int x, int y, QRgb before)> expected;
    };
    const QRgb grey = qRgb(50, 50, 50);
    const std::vector<Case> cases = {
        {"same size", QRect(2, 3, 4, 4), QRect(0, 0, 4, 4), CopyMode::Copy,
         [&](int x, int y, QRgb before) { return QRect(2, 3, 4, 4).contains(x, y) ? qRgb(x - 2, y - 3, 7) : before; }},
        {"part of the source", QRect(0, 0, 2, 3), QRect(1, 1, 2, 3), CopyMode::Copy,
         [&](int x, int y, QRgb before) { return x < 2 && y < 3 ? qRgb(x + 1, y + 1, 7) : before; }},
        {"stretched twice", QRect(1, 1, 8, 8), QRect(0, 0, 4, 4), CopyMode::Copy,
         [&](int x, int y, QRgb before) {
             return QRect(1, 1, 8, 8).contains(x, y) ? qRgb((x - 1) / 2, (y - 1) / 2, 7) : before;
         }},
        {"shrunk to half", QRect(0, 0, 2, 2), QRect(0, 0, 4, 4), CopyMode::Copy,
         [&](int x, int y, QRgb before) { return x < 2 && y < 2 ? qRgb(2 * x, 2 * y, 7) : before; }},
        {"source partly outside", QRect(0, 0, 4, 4), QRect(2, -1, 4, 4), CopyMode::Copy,
         [&](int x, int y, QRgb before) { return x < 2 && y >= 1 && y < 4 ? qRgb(x + 2, y - 1, 7) : before; }},
        {"target partly outside", QRect(8, 8, 4, 4), QRect(0, 0, 4, 4), CopyMode::Copy,
         [&](int x, int y, QRgb before) { return x >= 8 && y >= 8 ? qRgb(x - 8, y - 8, 7) : before; }},
        {"whiteness", QRect(-2, 3, 5, 20), QRect(0, 0, 4, 4), CopyMode::Whiteness,
         [&](int x, int y, QRgb before) { return x < 3 && y >= 3 ? white : before; }},
        {"empty target", QRect(3, 3, 0, 4), QRect(0, 0, 4, 4), CopyMode::Whiteness,
         [&](int, int, QRgb before) { return before; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(10, 10);
        canvas.image().fill(grey);
        canvas.copyRect(c.target, source, c.sourceRect, c.mode);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                ASSERT_EQ(canvas.pixel(x, y), c.expected(x, y, grey)) << x << "," << y;
    }
}

TEST(CanvasTextTest, CopyRectWithinTheOwnImage)
{
    Canvas canvas(counting(12, 12));
    const QImage before = canvas.image().copy();
    canvas.copyRect(QRect(3, 2, 8, 8), canvas.image(), QRect(0, 0, 8, 8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(canvas.pixel(x + 3, y + 2), before.pixel(x, y)) << x << "," << y;
}
