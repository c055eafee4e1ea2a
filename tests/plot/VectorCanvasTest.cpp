// What the vector canvas keeps of the calls it gets: whatever still shows at
// the canvas's size, and nothing the raster covers again.

#include "plot/Canvas.h"
#include "plot/Symbols.h"
#include "plot/VectorCanvas.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);

TEST(VectorCanvas, KeepsWhatShows)
{
    const struct {
        const char* name;
        std::function<void(VectorCanvas&)> draw;
        size_t recorded;
        size_t kept; // outlines and interiors drawn in order
    } rows[] = {
        {"a line inside one pixel", [](VectorCanvas& c) { c.moveTo(5, 5); c.lineTo(CanvasPoint{5, 5, 0.4f, 0.3f}); }, 0, 0},
        {"a line", [](VectorCanvas& c) { c.moveTo(5, 5); c.lineTo(40, 5); }, 1, 1},
        {"the same line twice",
         [](VectorCanvas& c) {
             c.moveTo(5, 5);
             c.lineTo(40, 5);
             c.moveTo(5, 5);
             c.lineTo(40, 5);
         },
         2, 1},
        {"a line under a box",
         [](VectorCanvas& c) {
             c.moveTo(5, 5);
             c.lineTo(40, 5);
             c.fillRect(0, 0, 50, 50);
         },
         2, 1},
        {"white on white", [](VectorCanvas& c) { c.fillRect(0, 0, 50, 50); }, 1, 0},
        {"an open square on a line",
         [](VectorCanvas& c) {
             c.pen.colour = kRed;
             c.moveTo(0, 20);
             c.lineTo(60, 20);
             drawSymbolShape(c, CanvasPoint{30, 20}, 1, kRed);
         },
         4, 3},
        {"an open square hidden by the next",
         [](VectorCanvas& c) {
             for (int symbol : {6, 5}) {
                 c.pen.colour = kRed;
                 drawSymbolShape(c, CanvasPoint{30, 20}, symbol, kRed);
             }
         },
         6, 3},
        {"a no-op pen", [](VectorCanvas& c) { c.pen.mode = RasterMode::NoOp; c.rectangle(1, 1, 9, 9); }, 0, 0},
    };
    for (const auto& r : rows) {
        VectorCanvas canvas(100, 100);
        r.draw(canvas);
        EXPECT_EQ(canvas.recordedCount(), r.recorded) << r.name;
        EXPECT_EQ(canvas.census().inOrder, r.kept) << r.name;
    }
}

// Symbols piled onto one another keep their order (each white interior
// covers the outlines below it) in a few paths, not one per symbol, and the
// picture at the canvas's size is the raster's.
TEST(VectorCanvas, PiledSymbolsNeedFewPathsAndDrawTheRaster)
{
    VectorCanvas canvas(100, 100);
    Canvas raster(100, 100);
    raster.fillRect(0, 0, 100, 100);
    uint32_t seed = 12345;
    for (int i = 0; i < 2000; ++i) {
        seed = seed * 1103515245u + 12345u;
        // Whole pixels: axis-parallel lines then paint whole pixels.
        const CanvasPoint centre{20 + int(seed >> 16) % 40, 20 + int(seed >> 8) % 40};
        canvas.pen.colour = kRed;
        if (canvas.beginShape(centre, 1))
            drawSymbolShape(canvas, centre, 1, kRed);
        canvas.endShape();
        raster.pen.colour = kRed;
        drawSymbolShape(raster, centre, 1, kRed);
    }
    const VectorCanvas::Census census = canvas.census();
    EXPECT_EQ(canvas.recordedCount(), 2000u);
    EXPECT_LE(census.paths, 80u);

    QImage image(100, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    canvas.paint(painter);
    painter.end();
    // Smoothing shades the outer corners of a stroke by a quarter at most;
    // a part out of order would swap red and white.
    int differing = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            const QRgb v = image.pixel(x, y);
            const QRgb r = raster.image().pixel(x, y);
            differing += std::abs(qGreen(v) - qGreen(r)) > 64 || std::abs(qRed(v) - qRed(r)) > 64 ? 1 : 0;
        }
    EXPECT_EQ(differing, 0);
}

} // namespace
