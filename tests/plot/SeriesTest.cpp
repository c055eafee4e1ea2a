#include "PlotTestSupport.h"

#include "data/Errors.h"
#include "plot/Curve.h"

#include <cmath>

using namespace PlotTest;

namespace {

using Points = std::vector<std::pair<double, double>>;

void setPoints(PlotFixture& f, int s, const Points& points)
{
    int i = 0;
    for (const auto& [x, y] : points) {
        ++i;
        f.store.x(s, i) = x;
        f.store.y(s, i) = y;
    }
    f.store.pointCount[static_cast<size_t>(s)] = i;
    f.store.sortSet(s);
}

TEST(Connections, PointsOutsideAreNeitherMarkedNorConnected)
{
    PlotFixture f;
    setPoints(f, 1, {{1, 1}, {2, 5}, {3, 2}, {11, 1}});
    f.plot.plotConnections();
    for (int i = 1; i <= 3; ++i)
        f.plot.plotSymbolAt(0, f.store.x(1, i), f.store.y(1, i));
    f.plot.plotSymbolAt(0, 11, 1);
    // Columns of X = 1 and X = 3: 100 and 170; the symbol at (3, 2) reaches 170.
    EXPECT_EQ(inkBox(f.image(), f.image().rect()).left(), 99);
    EXPECT_EQ(inkBox(f.image(), f.image().rect()).right(), 170);
    EXPECT_TRUE(isInk(f.image(), 135, 241));
}

TEST(Connections, EqualXBecomesAVerticalLineThroughTheMean)
{
    PlotFixture f;
    setPoints(f, 1, {{2, 3}, {4, 2}, {4, 6}, {6, 3}});
    f.plot.plotConnections();
    const QImage& image = f.image();
    // The vertical line at X = 4 (column 205) from Y = 6 (row 206) towards Y = 2 (row 346).
    for (int row = 206; row <= 345; ++row)
        ASSERT_TRUE(isInk(image, 205, row)) << row;
    // The line from (2, 3) = (135, 311) to the mean (4, 4) = (205, 276) passes
    // (171, 293), the one on to (6, 3) = (275, 311) passes (241, 294).
    EXPECT_TRUE(isInk(image, 171, 293));
    EXPECT_TRUE(isInk(image, 241, 294));
    EXPECT_FALSE(isInk(image, 205, 346));
}

TEST(Connections, GroupTolerances)
{
    // With an X span of 10 the first run takes points less than 0.02 from its
    // first X, every later run less than 0.01. A merged run is one point at
    // its first X with the mean Y; the probe pixel lies on the line to or from
    // that mean and nowhere near the unmerged path.
    struct Row {
        const char* name;
        Points points;
        QPoint probe;
        bool merged;
    };
    const std::vector<Row> rows = {
        {"first run within 0.02", {{5, 1}, {5.015, 9}, {10, 5}}, {330, 241}, true},
        {"first run beyond 0.02", {{5, 1}, {5.025, 9}, {10, 5}}, {330, 241}, false},
        {"later run within 0.01", {{0, 5}, {5, 1}, {5.008, 9}}, {150, 241}, true},
        {"later run: 0.015 is too far", {{0, 5}, {5, 1}, {5.015, 9}}, {150, 241}, false},
        {"measured from the run's first X", {{0, 5}, {5, 1}, {5.006, 9}, {5.012, 1}}, {150, 241}, true},
    };
    for (const auto& r : rows) {
        PlotFixture f;
        setPoints(f, 1, r.points);
        f.plot.plotConnections();
        EXPECT_EQ(isInk(f.image(), r.probe.x(), r.probe.y()), r.merged) << r.name;
    }
}

TEST(Connections, PenWidthIsOneWhileDrawingAndRestoredAfter)
{
    PlotFixture f;
    setPoints(f, 1, {{0, 5}, {10, 5}});
    f.plot.canvas().pen.width = 6;
    f.plot.plotConnections();
    EXPECT_EQ(f.plot.canvas().pen.width, 6);
    EXPECT_EQ(inkBox(f.image(), f.image().rect()).height(), 1);
}

TEST(Curve, ExampleNodes)
{
    const double xs[] = {0, 1, 2, 3};
    const double ys[] = {0, 1, 4, 9};
    std::vector<double> cx(13), cy(13);
    ASSERT_EQ(buildCurveNodes(xs, ys, 4, cx.data(), cy.data()), 13);
    for (int i = 0; i < 13; ++i)
        EXPECT_DOUBLE_EQ(cx[static_cast<size_t>(i)], 0.25 * i);
    EXPECT_NEAR(cy[0], -1.0 / 6, 1e-12);
    EXPECT_NEAR(cy[12], 11.0 / 12 * 9 + 7.0 / 12, 1e-12);
    EXPECT_NEAR(cy[4], 1.0676, 5e-5);
    EXPECT_NEAR(cy[6], 2.2850, 5e-5);
    EXPECT_NEAR(cy[8], 4.1121, 5e-5);

    // The two end pieces first, then the inner intervals left to right, each
    // split at its middle.
    std::vector<std::pair<double, double>> spans;
    forEachCurveSegment(cx.data(), cy.data(), 13,
                        [&](double x1, double, double x2, double) { spans.emplace_back(x1, x2); });
    ASSERT_EQ(spans.size(), 22u);
    EXPECT_EQ(spans[0], std::make_pair(0.0, 0.25));
    EXPECT_EQ(spans[1], std::make_pair(2.75, 3.0));
    EXPECT_EQ(spans[2], std::make_pair(0.25, 0.375));
    for (size_t i = 3; i < spans.size(); ++i)
        EXPECT_EQ(spans[i].first, spans[i - 1].second) << i;
    EXPECT_EQ(spans.back().second, 2.75);
}

TEST(Curve, MidValue)
{
    // A straight line has equal slopes: the chord's middle. A parabola
    // y = x^2 through 0, 1, 2, 3 gives 2.25 - 2 / 12 between 1 and 2.
    EXPECT_DOUBLE_EQ(curveMidValue({0, 0}, {1, 2}, {2, 4}, {3, 6}), 3);
    EXPECT_DOUBLE_EQ(curveMidValue({0, 0}, {1, 1}, {2, 4}, {3, 9}), 2.5 + (1.0 - 5.0) / 12);
    EXPECT_THROW(curveMidValue({1, 0}, {1, 1}, {2, 4}, {3, 9}), FloatError);
}

TEST(Curve, Merging)
{
    struct Row {
        const char* name;
        std::vector<double> xs, ys;
        double tolerance;
        std::vector<double> keptX, keptY;
    };
    const std::vector<Row> rows = {
        {"distinct", {0, 1, 2}, {1, 2, 3}, 0.05, {0, 1, 2}, {1, 2, 3}},
        {"a pair", {0, 0.01, 1, 2}, {1, 3, 5, 7}, 0.05, {0, 1, 2}, {2, 5, 7}},
        {"measured from the kept point", {0, 0.03, 0.06, 1}, {3, 6, 9, 1}, 0.05, {0, 0.06, 1}, {4.5, 9, 1}},
        {"zero tolerance merges nothing", {1, 1, 2}, {1, 3, 5}, 0, {1, 1, 2}, {1, 3, 5}},
    };
    for (auto r : rows) {
        const int n = mergeCurvePoints(r.xs.data(), r.ys.data(), static_cast<int>(r.xs.size()), r.tolerance);
        r.xs.resize(static_cast<size_t>(n));
        r.ys.resize(static_cast<size_t>(n));
        EXPECT_EQ(r.xs, r.keptX) << r.name;
        EXPECT_EQ(r.ys, r.keptY) << r.name;
    }
}

TEST(Curve, DrawnOnlyForFourPointsAfterMerging)
{
    struct Row {
        const char* name;
        Points points;
        bool drawn;
        int workingCount;
    };
    const std::vector<Row> rows = {
        {"three points", {{0, 1}, {1, 2}, {2, 3}}, false, 0},
        {"four points", {{0, 0}, {1, 1}, {2, 4}, {3, 9}}, true, 4},
        {"four merged to three", {{0, 1}, {0.01, 2}, {1, 3}, {2, 4}}, false, 3},
    };
    for (const auto& r : rows) {
        PlotFixture f;
        setPoints(f, 1, r.points);
        f.store.unsavedChanges = false;
        f.plot.canvas().pen.width = 3;
        f.plot.plotCurve();
        EXPECT_EQ(inkCount(f.image(), f.image().rect()) > 0, r.drawn) << r.name;
        EXPECT_EQ(f.store.pointCount[0], r.workingCount) << r.name;
        EXPECT_EQ(f.plot.canvas().pen.width, 3) << r.name;
        EXPECT_FALSE(f.store.unsavedChanges) << r.name;
        EXPECT_EQ(f.store.pointCount[1], static_cast<int>(r.points.size())) << r.name;
    }
}

TEST(Curve, PassesThroughItsNodes)
{
    PlotFixture f;
    setPoints(f, 1, {{0, 0}, {1, 1}, {2, 4}, {3, 9}});
    f.plot.plotCurve();
    // Node at X = 2 after the sweeps: 4.1121, column 135, row 416 - 143.9 = 272.
    EXPECT_TRUE(isInk(f.image(), 135, f.plot.mapY(4.1121)));
    EXPECT_FALSE(isInk(f.image(), 135, f.plot.mapY(4) + 5));
}

TEST(Curve, ZeroWidthXRangeFailsOnEqualNeighbours)
{
    PlotFixture f;
    setPoints(f, 1, {{1, 1}, {1, 2}, {2, 4}, {3, 9}});
    f.store.plot.xFrom = f.store.plot.xTo = 1;
    f.plot.canvas().pen.width = 2;
    EXPECT_THROW(f.plot.plotCurve(), FloatError);
    EXPECT_EQ(f.plot.canvas().pen.width, 2);
}

TEST(Regression, VisibilityAndCut)
{
    // Dotted 1-pixel line; the ink box shows where it starts and ends (the
    // dots fall on the even steps, so the last one is two steps short).
    struct Row {
        const char* name;
        Points points;
        double yFrom, yTo;
        QRect box; // null: nothing drawn
    };
    const std::vector<Row> rows = {
        // y = x across the plot: (0, 0) = (65, 416) to (10, 10) = (415, 66).
        {"inside", {{2, 2}, {4, 4}, {6, 6}}, 0, 10, QRect(QPoint(65, 68), QPoint(413, 416))},
        // y = 1.5 x - 1 is cut at Y = 0 (X 0.667, column 88) and Y = 10 (X 7.333, column 321).
        {"cut at both ends", {{2, 2}, {4, 5}, {6, 8}}, 0, 10, QRect(QPoint(88, 68), QPoint(320, 416))},
        {"a point above the Y range", {{2, 2}, {4, 5}, {6, 11}}, 0, 10, QRect()},
        {"a point below the Y range", {{2, -1}, {4, 5}, {6, 8}}, 0, 10, QRect()},
        {"a point beyond the X range", {{2, 2}, {4, 5}, {10.5, 8}}, 0, 10, QRect()},
        {"all Y equal: no fit", {{1, 3}, {2, 3}, {3, 3}}, 0, 10, QRect()},
        {"one point: no fit", {{1, 3}}, 0, 10, QRect()},
    };
    for (const auto& r : rows) {
        PlotFixture f;
        setPoints(f, 1, r.points);
        f.store.yFrom[1] = r.yFrom;
        f.store.yTo[1] = r.yTo;
        f.store.regression = RegressionResult{7, 7, 7};
        f.plot.plotRegressionLine();
        const QRect box = inkBox(f.image(), f.image().rect());
        EXPECT_EQ(box, r.box) << r.name;
        if (box != r.box)
            ADD_FAILURE() << r.name << ": image in " << saveActual(f.image(), QStringLiteral("regression"));
        EXPECT_EQ(f.plot.canvas().pen.style, PenStyle::Solid) << r.name;
        if (r.box.isNull())
            EXPECT_EQ(f.store.regression.a, 7) << r.name; // another set's values are never used
        else
            EXPECT_EQ(f.store.regression.r, 0) << r.name;
    }
}

TEST(Regression, LineIsDotted)
{
    PlotFixture f;
    setPoints(f, 1, {{0, 4}, {5, 6}, {10, 4}});
    f.plot.plotRegressionLine();
    const int row = f.plot.mapY(14.0 / 3);
    int inked = 0;
    for (int x = 65; x < 415; ++x)
        inked += isInk(f.image(), x, row) ? 1 : 0;
    EXPECT_EQ(inked, 175);
}

TEST(Regression, FlatLineOnAMirroredRangeDividesByZero)
{
    // With yFrom above yTo the mean counts as below yFrom, and a slope of 0
    // cannot be followed back to it.
    PlotFixture f;
    setPoints(f, 1, {{0, 0}, {1, 1}, {2, 0}});
    f.store.yFrom[1] = 10;
    f.store.yTo[1] = 0;
    try {
        f.plot.plotRegressionLine();
        ADD_FAILURE() << "no failure";
    } catch (const FloatError& e) {
        EXPECT_STREQ(e.what(), "Gleitkommadivision durch Null");
    }
}

} // namespace
