#include "data/DataFilePath.h"
#include "data/Errors.h"
#include "editor/ImageFile.h"
#include "editor/ImageFileCommands.h"
#include "editor/ImagePrint.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 11 % 256, (x + y) % 2 ? 255 : 0));
    return image;
}

struct Window {
    DataStore store;
    GraphicState state;
    PlotCanvas plot{store, state};
    int replaced = 0;
    Window() { plot.onCanvasReplaced = [this](PlotCanvas::WindowFit) { ++replaced; }; }
};

// A failed read leaves the canvas, but the name is already the new one.
TEST(ImageFileCommands, FailedOpenKeepsTheCanvas)
{
    for (const char* name : {"truncated.jpg", "truncated.bmp"}) {
        Window w;
        w.plot.canvas().setPixel(3, 3, qRgb(1, 2, 3));
        const QImage before = w.plot.canvas().image();
        const std::string path = std::string(KURVIX_TEST_FILES) + "/images/" + name;
        EXPECT_THROW(openImageFile(w.plot, w.state, path), KurvixError) << name;
        EXPECT_EQ(w.plot.canvas().image(), before) << name;
        EXPECT_EQ(w.state.canvasWidth, 480) << name;
        EXPECT_EQ(w.state.imageFileName, upperAscii(path)) << name;
        EXPECT_EQ(w.replaced, 0) << name;
    }
}

// Each image pixel is a 3 x 3 block from (600, 400) on; nothing else is touched.
TEST(ImagePrint, EveryPixelIsAThreeByThreeBlock)
{
    const struct {
        const char* name;
        QSize size;
    } cases[] = {{"small", {5, 4}}, {"plot", {480, 480}}, {"wide rows", {1200, 3}}};
    constexpr QRgb kPaper = qRgb(90, 90, 90);
    for (const auto& c : cases) {
        QImage source = pattern(c.size.width(), c.size.height());
        source.setPixel(0, 0, qRgb(255, 255, 255)); // white is sent too
        QImage device(600 + 3 * c.size.width() + 4, 400 + 3 * c.size.height() + 4, QImage::Format_RGB32);
        device.fill(kPaper);
        {
            QPainter painter(&device);
            printImagePixels(source, painter);
        }
        bool exact = true;
        for (int y = 0; y < device.height() && exact; ++y)
            for (int x = 0; x < device.width() && exact; ++x) {
                const bool inside = x >= 600 && y >= 400 && x < 600 + 3 * c.size.width() && y < 400 + 3 * c.size.height();
                const QRgb expected = inside ? source.pixel((x - 600) / 3, (y - 400) / 3) : kPaper;
                exact = device.pixel(x, y) == expected;
                EXPECT_TRUE(exact) << c.name << " at " << x << ", " << y;
            }
    }
}

} // namespace
