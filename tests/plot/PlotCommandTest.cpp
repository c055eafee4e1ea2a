#include "PlotTestSupport.h"

#include "data/Errors.h"
#include "plot/Symbols.h"

#include <cmath>

using namespace PlotTest;

namespace {

// Whether anything lies outside the frame and its ticks (59..421).
bool inkOutsideFrame(const QImage& image)
{
    return inkCount(image, image.rect()) != inkCount(image, QRect(QPoint(59, 59), QPoint(421, 421)));
}

TEST(PlotCommand, AllSetsEmptyLeavesTheCanvas)
{
    PlotFixture f;
    f.plot.setCanvasSize(300, 200);
    Canvas& c = f.plot.canvas();
    c.moveTo(10, 10);
    c.lineTo(200, 150);
    c.pen.colour = qRgb(255, 0, 0);
    c.font.colour = qRgb(0, 255, 0);
    const QImage before = c.image().copy();
    f.plot.plotCommand();
    EXPECT_EQ(c.image(), before);
    EXPECT_EQ(c.pen.colour & 0xffffff, 0u);
    EXPECT_EQ(c.font.colour & 0xffffff, 0u);
}

TEST(PlotCommand, OnlySetThreeHasNoTexts)
{
    PlotFixture f;
    f.plot.setCanvasSize(300, 200);
    f.setPoints(3, {{2, 2}, {5, 8}});
    f.store.currentFileName = "DATA.KWT";
    f.store.setHeading("Heading");
    f.plot.plotCommand();
    const QImage& image = f.image();
    EXPECT_EQ(image.size(), QSize(480, 480));
    EXPECT_FALSE(inkOutsideFrame(image)) << saveActual(image, QStringLiteral("set3"));
    EXPECT_TRUE(isInk(image, 65, 200));   // the frame
    EXPECT_TRUE(isInk(image, 59, 240));   // a tick
    // Set 3's colour code 2: a blue open diamond around (135, 346).
    EXPECT_EQ(rgbAt(image, 135 - 3, 346), 0x0000ffu);
    EXPECT_EQ(rgbAt(image, 135 - 2, 346), 0xffffffu);
}

TEST(PlotCommand, SetsOneAndTwoGetTheirAxes)
{
    PlotFixture f;
    f.setPoints(1, {{1, 1}, {9, 9}});
    f.setPoints(2, {{1, 10}, {9, 90}});
    f.store.yTo[2] = 100;
    f.store.plot.showDateTime = false;
    f.plot.plotCommand();
    const QImage& image = f.image();
    // Left numbers end at column 56, right ones start after 416; set 2 is red.
    EXPECT_GT(inkCount(image, QRect(0, 400, 58, 20)), 0);
    const QRect right(422, 400, 58, 20);
    EXPECT_GT(inkCount(image, right), 0);
    for (int y = right.top(); y <= right.bottom(); ++y)
        for (int x = right.left(); x <= right.right(); ++x)
            if (isInk(image, x, y)) {
                ASSERT_EQ(rgbAt(image, x, y), 0xff0000u) << x << "," << y;
            }
    EXPECT_GT(inkCount(image, QRect(0, 424, 480, 16)), 0); // X numbers
    // Both sets span the plot's height: the last points of both lie at 90 % of
    // their own ranges, and set 2's red filled square covers set 1's symbol.
    EXPECT_EQ(rgbAt(image, 380, f.plot.mapY(9)), 0xff0000u);
    EXPECT_EQ(f.state.vertHorizCaption, QStringLiteral("&Horiz. Writ."));
}

TEST(PlotCommand, RestoresTheCurrentSet)
{
    struct Row {
        const char* name;
        double xFrom, xTo;
        bool fails;
    };
    const std::vector<Row> rows = {{"plot", 0, 10, false}, {"zero-width X range", 2, 2, true}};
    for (const auto& r : rows) {
        PlotFixture f;
        f.setPoints(1, {{2, 2}, {2, 5}});
        f.setPoints(4, {{1, 1}});
        f.store.plot.xFrom = r.xFrom;
        f.store.plot.xTo = r.xTo;
        f.store.currentSet = 6;
        if (r.fails)
            EXPECT_THROW(f.plot.plotCommand(), FloatError) << r.name;
        else
            f.plot.plotCommand();
        EXPECT_EQ(f.store.currentSet, 6) << r.name;
    }
}

TEST(PlotCommand, SetWithoutColourCodeNeverTurnsWhite)
{
    // Set 6 is lime; set 7's code 6 has no colour, so set 7 is drawn in lime
    // too, and the white inside its open squares does not reach the next
    // square or set 8.
    PlotFixture f;
    f.setPoints(6, {{1, 1}});
    f.setPoints(7, {{2, 5}, {8, 5}});
    f.store.drawFlags[7] = connectPoints | showSymbols;
    f.store.symbolNumber[7] = 1;
    f.setPoints(8, {{9, 5}, {9.5, 5}});
    f.store.drawFlags[8] = connectPoints;
    f.plot.plotCommand();
    const QImage& image = f.image();
    EXPECT_EQ(rgbAt(image, 240, 241), 0x00ff00u);
    EXPECT_EQ(rgbAt(image, 135 - 2, 241 - 2), 0x00ff00u); // both squares' outlines
    EXPECT_EQ(rgbAt(image, 345 - 2, 241 - 2), 0x00ff00u);
    EXPECT_EQ(rgbAt(image, 380, 241), 0x00ff00u);         // set 8 (code 7) after them
}

TEST(PlotCommand, AllFourSwitchesDraw)
{
    PlotFixture f;
    f.setPoints(1, {{1, 1}, {3, 3.5}, {5, 4.5}, {7, 7.5}, {9, 8}});
    f.store.drawFlags[1] = showSymbols | connectPoints | drawCurve | drawRegressionLine;
    f.state.lineWidthText = QStringLiteral("2");
    f.plot.plotCommand();
    EXPECT_GT(inkCount(f.image(), QRect(QPoint(66, 66), QPoint(414, 414))), 300);
    EXPECT_EQ(f.store.pointCount[0], 5);
    EXPECT_EQ(f.store.regression.r, 0);
    EXPECT_EQ(f.plot.canvas().pen.width, 2);
}

TEST(SymbolTable, SymbolsAndNumbersInOneColumn)
{
    PlotFixture f;
    f.setPoints(1, {{1, 1}, {2, 2}});
    f.store.currentSet = 3;
    f.store.plot.xFrom = -5;
    f.store.plot.xTo = 50;
    f.state.toolState = ToolState::Box;

    std::vector<int> rows;
    QImage drawn;
    showSymbolTable(f.store, f.state, [&] {
        f.plot.plotCommand();
        drawn = f.image().copy();
        for (int n = 0; n < kSymbolCount; ++n)
            rows.push_back(f.plot.mapY(480 - n * 480.0 / 20));
    });
    EXPECT_EQ(f.state.toolState, ToolState::Box);
    EXPECT_EQ(f.store.currentSet, 3);
    EXPECT_EQ(f.store.plot.xFrom, -5);
    EXPECT_EQ(f.store.plot.xTo, 50);
    EXPECT_EQ(drawn.size(), QSize(480, 480));
    EXPECT_FALSE(isInk(drawn, 65, 300)); // no frame: the data are not plotted

    const CanvasFont font = f.plot.canvas().font;
    EXPECT_TRUE(sameArea(drawn, referenceText(480, 480, font, 150, 20, QStringLiteral("Symbol numbers")),
                         QRect(QPoint(150, 20), f.plot.canvas().textExtent(QStringLiteral("Symbol numbers")))));
    for (int n = 0; n < kSymbolCount; ++n) {
        const int row = rows[static_cast<size_t>(n)];
        EXPECT_NEAR(row, 66 + 17.5 * n, 1.0) << n;
        Canvas symbol(480, 480);
        drawSymbolShape(symbol, CanvasPoint{205, row}, n, kBlack);
        EXPECT_TRUE(sameArea(drawn, symbol.image(), QRect(200, row - 5, 11, 11)))
            << "symbol " << n << " " << saveActual(drawn, QStringLiteral("symboltable"));
        const QString number = QString::number(n);
        const QPoint at(225, 57 + (350 * n) / 20);
        EXPECT_TRUE(sameArea(drawn, referenceText(480, 480, font, at.x(), at.y(), number),
                             QRect(at, f.plot.canvas().textExtent(number))))
            << "number " << n;
    }
}

TEST(SymbolTable, RestoresTheStoreWhenDrawingFails)
{
    PlotFixture f;
    f.state.lineWidthText = QStringLiteral("x");
    f.store.currentSet = 4;
    EXPECT_THROW(showSymbolTable(f.store, f.state, [&] { f.plot.plotCommand(); }), ConversionError);
    EXPECT_EQ(f.store.currentSet, 4);
    EXPECT_EQ(f.state.toolState, ToolState::Line);
    EXPECT_EQ(f.store.plot.xTo, 10);
}

TEST(PlotCommand, ClearWhitensTheWholeCanvasAndKeepsItsSize)
{
    PlotFixture f;
    f.plot.setCanvasSize(640, 500);
    f.plot.canvas().image().fill(kGrey);
    f.plot.clear();
    EXPECT_EQ(f.image().size(), QSize(640, 500));
    EXPECT_EQ(inkCount(f.image(), f.image().rect()), 0);
    f.setPoints(1, {{1, 1}});
    f.plot.plotCommand();
    EXPECT_EQ(f.image().size(), QSize(480, 480));
}

} // namespace
