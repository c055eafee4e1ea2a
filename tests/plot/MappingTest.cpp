#include "PlotTestSupport.h"

#include "data/Errors.h"

using namespace PlotTest;

namespace {

TEST(Mapping, DataToPixels)
{
    struct Row {
        const char* name;
        double xFrom, xTo, yFrom, yTo;
        double v;
        int column, row;
    };
    const std::vector<Row> rows = {
        {"lower ends", 0, 10, 0, 10, 0, 65, 416},
        {"upper ends", 0, 10, 0, 10, 10, 415, 66},
        {"middle", 0, 10, 0, 10, 5, 240, 241},
        {"mirrored lower ends", 10, 0, 10, 0, 10, 65, 416},
        {"mirrored upper ends", 10, 0, 10, 0, 0, 415, 66},
        {"thirds truncate", 0, 3, 0, 3, 1, 181, 299},
        {"negative half truncates towards zero", -1, 1, -1, 1, -0.5, 152, 328},
        {"wide range", -1e6, 1e6, -1e6, 1e6, 0, 240, 241},
    };
    for (const auto& r : rows) {
        PlotFixture f;
        f.store.plot.xFrom = r.xFrom;
        f.store.plot.xTo = r.xTo;
        f.store.yFrom[1] = r.yFrom;
        f.store.yTo[1] = r.yTo;
        EXPECT_EQ(f.plot.mapX(r.v), r.column) << r.name;
        EXPECT_EQ(f.plot.mapY(r.v), r.row) << r.name;
    }
}

TEST(Mapping, YUsesTheCurrentSetsRange)
{
    PlotFixture f;
    f.store.yFrom[2] = 0;
    f.store.yTo[2] = 100;
    f.store.currentSet = 2;
    EXPECT_EQ(f.plot.mapY(50), 241);
    f.store.currentSet = 1;
    EXPECT_EQ(f.plot.mapY(50), -1334);
}

TEST(Mapping, RangeTest)
{
    struct Row {
        double v, from, to;
        bool inside;
    };
    const std::vector<Row> rows = {
        {5, 0, 10, true},   {0, 0, 10, true},    {10, 0, 10, true},       {10.000001, 0, 10, false},
        {-1e-12, 0, 10, false}, {5, 10, 0, true},  {0, 10, 0, true},        {11, 10, 0, false},
        {3, 3, 3, true},    {3.0001, 3, 3, false}, {std::nan(""), 0, 10, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(PlotCanvas::inRange(r.v, r.from, r.to), r.inside) << r.v << " in " << r.from << ".." << r.to;
}

TEST(Mapping, ZeroWidthRangeFailsInsteadOfDrawing)
{
    struct Row {
        const char* name;
        double v;
        const char* message;
    };
    const std::vector<Row> rows = {
        {"the range end itself: 0 / 0", 5, "Ungültige Gleitkommaoperation"},
        {"any other value: x / 0", 6, "Gleitkommadivision durch Null"},
    };
    for (const auto& r : rows) {
        PlotFixture f;
        f.store.plot.xFrom = f.store.plot.xTo = 5;
        f.store.yFrom[1] = f.store.yTo[1] = 5;
        for (auto map : {&PlotCanvas::mapX, &PlotCanvas::mapY}) {
            try {
                (f.plot.*map)(r.v);
                ADD_FAILURE() << r.name << ": no failure";
            } catch (const FloatError& e) {
                EXPECT_STREQ(e.what(), r.message) << r.name;
            }
        }
    }
}

TEST(Mapping, PlotSegmentIsOnePixelWideAndGivesTheWidthBack)
{
    PlotFixture f;
    f.plot.canvas().pen.width = 5;
    f.plot.plotSegment(0, 5, 10, 5);
    EXPECT_EQ(f.plot.canvas().pen.width, 5);
    EXPECT_EQ(inkBox(f.image(), f.image().rect()), QRect(QPoint(65, 241), QPoint(414, 241)));

    PlotFixture outside;
    outside.plot.canvas().pen.width = 5;
    outside.plot.plotSegment(0, 5, 10.5, 5);
    outside.plot.plotSegment(-1, 5, 5, 5);
    EXPECT_EQ(outside.plot.canvas().pen.width, 5);
    EXPECT_EQ(inkCount(outside.image(), outside.image().rect()), 0);
}

TEST(Mapping, PlotSegmentGivesTheWidthBackAfterAFailure)
{
    PlotFixture f;
    f.store.plot.xFrom = f.store.plot.xTo = 5;
    f.plot.canvas().pen.width = 4;
    EXPECT_THROW(f.plot.plotSegment(5, 1, 5, 2), FloatError);
    EXPECT_EQ(f.plot.canvas().pen.width, 4);
    EXPECT_EQ(inkCount(f.image(), f.image().rect()), 0);
}

TEST(Mapping, PenFarbeColourTable)
{
    struct Row {
        uint8_t code;
        QRgb colour;
    };
    const QRgb before = qRgb(12, 34, 56);
    const std::vector<Row> rows = {
        {0, qRgb(0, 0, 0)},     {1, qRgb(255, 0, 0)},   {2, qRgb(0, 0, 255)}, {3, qRgb(0, 128, 0)},
        {4, qRgb(255, 0, 255)}, {5, qRgb(0, 255, 0)},   {6, before},          {7, before},
        {8, before},            {DataStore::kNoColour, before},
    };
    for (const auto& r : rows) {
        PlotFixture f;
        f.store.currentSet = 3;
        f.store.setColour[3] = r.code;
        f.plot.canvas().pen.colour = before;
        f.plot.PenFarbe();
        EXPECT_EQ(f.plot.canvas().pen.colour & 0xffffff, r.colour & 0xffffff) << int(r.code);
    }
}

TEST(Mapping, SetCanvasSizeStartsAFreshBitmap)
{
    PlotFixture f;
    int replaced = 0;
    f.plot.onCanvasReplaced = [&](PlotCanvas::WindowFit) { ++replaced; };
    Canvas& c = f.plot.canvas();
    c.pen = Pen{7, PenStyle::Dashed, RasterMode::NotXor, qRgb(1, 2, 3)};
    c.moveTo(0, 0);
    c.lineTo(100, 100);

    f.plot.setCanvasSize(300, 200);
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(f.state.canvasWidth, 300);
    EXPECT_EQ(f.state.canvasHeight, 200);
    EXPECT_EQ(c.image().size(), QSize(300, 200));
    f.plot.setCanvasSize(480, 480);
    EXPECT_EQ(c.image().size(), QSize(480, 480));
    EXPECT_EQ(inkCount(c.image(), c.image().rect()), 0);
    EXPECT_EQ(c.pen, Pen{});
}

TEST(Mapping, ResetPen)
{
    PlotFixture f;
    f.state.selectMode = true;
    f.state.drawingColor = qRgb(0, 0, 255);
    f.state.lineWidthText = QStringLiteral("3");
    f.plot.canvas().pen = Pen{9, PenStyle::Dotted, RasterMode::NoOp, qRgb(1, 1, 1)};
    f.plot.resetPen();
    EXPECT_FALSE(f.state.selectMode);
    EXPECT_EQ(f.plot.canvas().pen, (Pen{3, PenStyle::Solid, RasterMode::Copy, qRgb(0, 0, 255)}));

    f.state.lineWidthText = QStringLiteral("2x");
    try {
        f.plot.resetPen();
        ADD_FAILURE() << "no failure";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'2x' ist kein gültiger Integerwert");
    }
    EXPECT_EQ(f.plot.canvas().pen.width, 3);
}

} // namespace
