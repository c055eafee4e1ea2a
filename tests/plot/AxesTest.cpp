#include "PlotTestSupport.h"

#include "data/Errors.h"

#include <QSet>

using namespace PlotTest;

namespace {

// The frame h..W-h and 6-pixel ticks every 35 pixels, drawn by hand.
QImage expectedFrame()
{
    QImage image(480, 480, QImage::Format_RGB32);
    image.fill(kWhite);
    for (int i = 65; i < 415; ++i) {
        image.setPixel(i, 65, kBlack);  // top, left to right
        image.setPixel(415, i, kBlack); // right, downwards
        image.setPixel(i + 1, 415, kBlack);
        image.setPixel(65, i + 1, kBlack);
    }
    for (int p = 65; p <= 415; p += 35)
        for (int k = 1; k <= 6; ++k) {
            image.setPixel(65 - k, p, kBlack);
            image.setPixel(415 + k, p, kBlack);
            image.setPixel(p, 65 - k, kBlack);
            image.setPixel(p, 415 + k, kBlack);
        }
    return image;
}

TEST(Frame, FrameAndTicksAtWidthOne)
{
    PlotFixture f;
    f.plot.malrahmen();
    const QImage expected = expectedFrame();
    const bool same = sameArea(f.image(), expected, expected.rect());
    if (!same)
        ADD_FAILURE() << "frame differs, image in " << saveActual(f.image(), QStringLiteral("frame"));
}

TEST(Frame, UsesTheEditorsWidthAndColour)
{
    PlotFixture f;
    f.state.lineWidthText = QStringLiteral("3");
    f.state.drawingColor = qRgb(0, 0, 255);
    f.plot.malrahmen();
    const QImage& image = f.image();
    for (int x : {64, 65, 66})
        EXPECT_EQ(rgbAt(image, x, 250), 0x0000ffu) << x;
    EXPECT_FALSE(isInk(image, 63, 250));
    EXPECT_FALSE(isInk(image, 67, 250));
    EXPECT_EQ(f.plot.canvas().pen.width, 3);
}

TEST(Frame, Grid)
{
    // Width 1: dotted, every other pixel of a grid line; width 3: solid.
    struct Row {
        const char* width;
        int minInk, maxInk;
    };
    const std::vector<Row> rows = {{"1", 170, 180}, {"3", 349, 351}};
    for (const auto& r : rows) {
        PlotFixture f;
        f.store.plot.plotWithGrid = true;
        f.state.lineWidthText = QString::fromLatin1(r.width);
        f.plot.malrahmen();
        const QImage& image = f.image();
        for (int p = 100; p <= 380; p += 35) {
            int vertical = 0;
            int horizontal = 0;
            for (int k = 66; k <= 414; ++k) {
                vertical += isInk(image, p, k) ? 1 : 0;
                horizontal += isInk(image, k, p) ? 1 : 0;
            }
            EXPECT_GE(vertical, r.minInk) << "width " << r.width << " column " << p;
            EXPECT_LE(vertical, r.maxInk) << "width " << r.width << " column " << p;
            EXPECT_GE(horizontal, r.minInk) << "width " << r.width << " row " << p;
            EXPECT_LE(horizontal, r.maxInk) << "width " << r.width << " row " << p;
        }
        EXPECT_EQ(f.plot.canvas().pen.style, PenStyle::Solid);
    }
    PlotFixture wide;
    wide.store.plot.plotWithGrid = true;
    wide.state.lineWidthText = QStringLiteral("3");
    wide.plot.malrahmen();
    for (int x : {99, 100, 101})
        EXPECT_TRUE(isInk(wide.image(), x, 200)) << x;
}

TEST(Frame, BadLineWidthStopsBeforeDrawing)
{
    PlotFixture f;
    f.state.lineWidthText = QStringLiteral("thin");
    EXPECT_THROW(f.plot.malrahmen(), ConversionError);
    EXPECT_EQ(inkCount(f.image(), f.image().rect()), 0);
}

TEST(Axes, Numbers)
{
    struct Row {
        double from, to;
        std::vector<QString> numbers;
    };
    const std::vector<Row> rows = {
        {0, 10, {"0", "2", "4", "6", "8", "10"}},
        {0, 1, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {0, 0.5, {"0.00", "0.10", "0.20", "0.30", "0.40", "0.50"}},
        {0, 0.01, {"0.000", "0.002", "0.004", "0.006", "0.008", "0.010"}},
        {0, 0.001, {"0.0000", "0.0002", "0.0004", "0.0006", "0.0008", "0.0010"}},
        {10, 0, {"10", "8", "6", "4", "2", "0"}},
        {-1, 1, {"-1.0", "-0.6", "-0.2", "0.2", "0.6", "1.0"}},
        {0, 50000, {"0", "10000", "20000", "30000", "40000", "50000"}},
    };
    for (const auto& r : rows)
        for (int i = 0; i <= 5; ++i)
            EXPECT_EQ(PlotCanvas::axisNumber(r.from, r.to, i), r.numbers[static_cast<size_t>(i)])
                << r.from << ".." << r.to << " #" << i;
}

TEST(Axes, XNumbersStartAtTheirColumns)
{
    PlotFixture f;
    f.store.plot.showDateTime = false;
    f.store.plot.showFileName = false;
    f.plot.malXAchse();
    const QImage& image = f.image();
    const auto runs = inkRuns(image, QRect(0, 424, 480, 16));
    const int starts[] = {64, 134, 204, 274, 344, 410};
    ASSERT_EQ(runs.size(), 6u) << saveActual(image, QStringLiteral("xnumbers"));
    for (size_t i = 0; i < 6; ++i) {
        const QString text = PlotCanvas::axisNumber(0, 10, static_cast<int>(i));
        EXPECT_GE(runs[i].first, starts[i]) << i;
        EXPECT_LE(runs[i].first, starts[i] + 2) << i;
        EXPECT_LT(runs[i].last, starts[i] + f.plot.canvas().textExtent(text).width()) << i;
    }
}

TEST(Axes, XAxisTextsGoWhereTheyBelong)
{
    PlotFixture f;
    f.store.setHeading("Calibration run");
    f.store.setComment("second sensor");
    f.store.setXLabel("Time [s]");
    f.store.currentFileName = "C:\\DATA\\RUNS\\RUN1.KWT";
    f.plot.malXAchse();
    const CanvasFont font = f.plot.canvas().font;
    EXPECT_EQ(font.name.toLower(), QStringLiteral("arial"));
    EXPECT_EQ(font.pixelSize, 11);

    struct Row {
        const char* name;
        QPoint at;
        QString text;
    };
    const std::vector<Row> rows = {
        {"heading", {64, 22}, QStringLiteral("Calibration run")},
        {"date and time", {340, 6}, f.plot.dateTimeText()},
        {"X label", {200, 444}, QStringLiteral("Time [s]")},
        {"comment", {10, 462}, QStringLiteral("second sensor")},
        {"file name", {340, 462}, QStringLiteral("File: RUN1.KWT")},
    };
    for (const auto& r : rows) {
        const QImage reference = referenceText(480, 480, font, r.at.x(), r.at.y(), r.text);
        const QRect area(r.at, f.plot.canvas().textExtent(r.text));
        EXPECT_GT(inkCount(reference, area), 0) << r.name;
        EXPECT_TRUE(sameArea(f.image(), reference, area.intersected(f.image().rect()))) << r.name;
    }
}

TEST(Axes, SwitchedOffTextsAreNotWritten)
{
    PlotFixture f;
    f.store.plot.showDateTime = false;
    f.store.plot.showFileName = false;
    f.store.currentFileName = "DATA.KWT";
    f.plot.malXAchse();
    EXPECT_EQ(inkCount(f.image(), QRect(300, 0, 180, 20)), 0);
    EXPECT_EQ(inkCount(f.image(), QRect(300, 455, 180, 25)), 0);
}

TEST(Axes, DateHasAFourDigitYearAndTheTime)
{
    PlotFixture f;
    const QString text = f.plot.dateTimeText();
    EXPECT_TRUE(text.contains(QStringLiteral("2024"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("  09:05:03"))) << text.toStdString();
}

TEST(Axes, RightYAxisInTheSetsColour)
{
    PlotFixture f;
    f.store.currentSet = 2;
    f.store.setColour[2] = 2;
    f.store.yFrom[2] = 0;
    f.store.yTo[2] = 100;
    f.store.drawFlags[2] = showSymbols;
    f.store.symbolNumber[2] = 4;
    f.store.setYLabel(2, "Pressure");
    f.plot.malYAchse();
    const QImage& image = f.image();

    // Everything lies right of the frame, and every pixel drawn is blue.
    EXPECT_EQ(inkCount(image, QRect(0, 0, 416, 480)), 0);
    QSet<QRgb> colours;
    for (int y = 0; y < 480; ++y)
        for (int x = 416; x < 480; ++x)
            if (isInk(image, x, y))
                colours.insert(rgbAt(image, x, y));
    EXPECT_EQ(colours, QSet<QRgb>{0x0000ffu});

    CanvasFont font;
    font.name = QStringLiteral("arial");
    font.pixelSize = 11;
    font.colour = qRgb(0, 0, 255);
    for (int i = 0; i <= 5; ++i) {
        const QString number = PlotCanvas::axisNumber(0, 100, i);
        const QPoint at(459 - 7 * static_cast<int>(number.size()), 406 - 70 * i);
        const QImage reference = referenceText(480, 480, font, at.x(), at.y(), number);
        EXPECT_TRUE(sameArea(image, reference, QRect(at, f.plot.canvas().textExtent(number)))) << i;
    }
    // The label runs upwards from (462, 270): its ink lies above that row.
    const QRect label = inkBox(image, QRect(462, 140, 18, 300));
    EXPECT_FALSE(label.isNull());
    EXPECT_LE(label.bottom(), 270);
    EXPECT_GT(label.height(), label.width());
    // Sample symbols: filled diamonds around (468, 116) and (468, 132).
    for (int y : {116, 132}) {
        EXPECT_FALSE(isInk(image, 468, y));
        EXPECT_TRUE(isInk(image, 468 - 3, y));
        EXPECT_TRUE(isInk(image, 468, y + 3));
    }
}

TEST(Axes, YAxisReturnsToHorizontalWriting)
{
    PlotFixture f;
    f.state.verticalWriting = true;
    f.state.vertHorizCaption = QStringLiteral("&Vert. Writ.");
    // Only the text box font's name and size come back; its style and colour
    // stay the text box's own, so a bold green text font does not make the
    // canvas bold or green.
    f.state.textFont = CanvasFont{QStringLiteral("Liberation Serif"), 20, true, true, true, true, qRgb(0, 128, 0)};
    f.store.currentSet = 2;
    f.store.setColour[2] = 2;
    f.plot.malYAchse();
    EXPECT_FALSE(f.state.verticalWriting);
    EXPECT_EQ(f.state.vertHorizCaption, QStringLiteral("&Horiz. Writ."));
    const CanvasFont& font = f.plot.canvas().font;
    EXPECT_EQ(font.name, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(font.pixelSize, 20);
    EXPECT_EQ(font.escapement, 0);
    EXPECT_FALSE(font.bold || font.italic || font.underline || font.strikeOut);
    EXPECT_EQ(font.colour & 0xffffff, 0x0000ffu); // the set's blue, as the numbers had it
}

} // namespace
