#include "data/DataStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

using Points = std::vector<std::pair<double, double>>;

void load(DataStore& store, int s, const Points& points)
{
    store.pointCount[s] = static_cast<int>(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        store.x(s, static_cast<int>(i) + 1) = points[i].first;
        store.y(s, static_cast<int>(i) + 1) = points[i].second;
    }
}

Points pointsOf(const DataStore& store, int s)
{
    Points out;
    for (int i = 1; i <= store.pointCount[s]; ++i)
        out.emplace_back(store.x(s, i), store.y(s, i));
    return out;
}

TEST(DataStore, StartUpState)
{
    DataStore store;
    for (int s = 1; s <= 9; ++s) {
        EXPECT_EQ(store.pointCount[s], 0);
        EXPECT_EQ(store.yLabel[s], "Y");
        EXPECT_EQ(store.yFrom[s], 0);
        EXPECT_EQ(store.yTo[s], 10);
        EXPECT_EQ(store.drawFlags[s], 3);
        EXPECT_EQ(store.symbolNumber[s], s);
        EXPECT_EQ(store.setColour[s], s - 1);
    }
    EXPECT_EQ(store.currentSet, 1);
    EXPECT_EQ(store.plot.xLabel, "X");
    EXPECT_EQ(store.plot.xFrom, 0);
    EXPECT_EQ(store.plot.xTo, 10);
    EXPECT_TRUE(store.plot.heading.empty());
    EXPECT_TRUE(store.plot.comment.empty());
    EXPECT_TRUE(store.plot.showDateTime);
    EXPECT_TRUE(store.plot.showFileName);
    EXPECT_FALSE(store.plot.plotWithGrid);
    EXPECT_FALSE(store.unsavedChanges);
    EXPECT_EQ(store.xValues.size(), 100000u);
    EXPECT_NEAR(store.ln10, 2.302585092994046, 1e-15);
}

TEST(DataStore, SortSetExamples)
{
    struct Case {
        const char* name;
        Points in, out;
        int minY, maxY;
    };
    const Case cases[] = {
        {"three descending", {{3, 0}, {1, 10}, {2, 5}}, {{1, 10}, {2, 5}, {3, 0}}, 3, 1},
        {"middle swap", {{0, 1}, {2, 0}, {1, 2}}, {{0, 1}, {1, 2}, {2, 0}}, 3, 2},
        {"equal X change places", {{2, 7}, {2, 8}, {1, 9}}, {{1, 9}, {2, 8}, {2, 7}}, 3, 1},
        {"empty", {}, {}, 1, 1},
        {"ties keep lowest", {{1, 5}, {2, 5}, {3, 5}}, {{1, 5}, {2, 5}, {3, 5}}, 1, 1},
    };
    for (const auto& c : cases) {
        DataStore store;
        load(store, 4, c.in);
        store.sortSet(4);
        EXPECT_EQ(pointsOf(store, 4), c.out) << c.name;
        EXPECT_EQ(store.minYIndex[4], c.minY) << c.name;
        EXPECT_EQ(store.maxYIndex[4], c.maxY) << c.name;
    }
}

// The fast paths must give exactly the exchange sort's order, including the
// order of points with equal X.
TEST(DataStore, SortSetMatchesExchangeSort)
{
    std::mt19937 rng(12345);
    for (int round = 0; round < 200; ++round) {
        const int n = std::uniform_int_distribution<int>(0, 300)(rng);
        const int distinct = std::uniform_int_distribution<int>(1, round % 3 == 0 ? 1000 : 8)(rng);
        Points pts;
        for (int i = 0; i < n; ++i)
            pts.emplace_back(std::uniform_int_distribution<int>(0, distinct - 1)(rng), i);
        if (round % 5 == 1)
            std::sort(pts.begin(), pts.end(), std::greater<>());
        std::vector<double> xs, ys;
        for (const auto& [x, y] : pts) {
            xs.push_back(x);
            ys.push_back(y);
        }
        exchangeSortReference(xs.data(), ys.data(), n);
        DataStore store;
        load(store, 2, pts);
        store.sortSet(2);
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(store.x(2, i + 1), xs[static_cast<size_t>(i)]) << "round " << round << " i " << i;
            ASSERT_EQ(store.y(2, i + 1), ys[static_cast<size_t>(i)]) << "round " << round << " i " << i;
        }
    }
}

// Larger sets, from a few values repeated often to many values repeated
// rarely, descending runs and signed zeros, which compare equal.
TEST(DataStore, SortSetMatchesExchangeSortOnLargeSets)
{
    std::mt19937 rng(777);
    const struct {
        int n, distinct;
        bool descending, signedZeros;
    } cases[] = {
        {2000, 2, false, false}, {2000, 50, false, false}, {2000, 500, false, false},
        {2000, 1500, false, false}, {2000, 300, true, false}, {1500, 3, false, true},
    };
    for (const auto& c : cases) {
        Points pts;
        for (int i = 0; i < c.n; ++i) {
            double x = std::uniform_int_distribution<int>(0, c.distinct - 1)(rng);
            if (c.signedZeros && x == 0 && (i & 1))
                x = -0.0;
            pts.emplace_back(x, i);
        }
        if (c.descending)
            std::sort(pts.begin(), pts.begin() + c.n / 2, std::greater<>());
        std::vector<double> xs, ys;
        for (const auto& [x, y] : pts) {
            xs.push_back(x);
            ys.push_back(y);
        }
        exchangeSortReference(xs.data(), ys.data(), c.n);
        DataStore store;
        load(store, 7, pts);
        store.sortSet(7);
        for (int i = 0; i < c.n; ++i) {
            ASSERT_EQ(store.y(7, i + 1), ys[static_cast<size_t>(i)]) << c.n << "/" << c.distinct << " at " << i;
            ASSERT_EQ(std::signbit(store.x(7, i + 1)), std::signbit(xs[static_cast<size_t>(i)])) << i;
        }
    }
}

TEST(DataStore, SortSetTouchesOnlyItsBlock)
{
    DataStore store;
    store.x(3, 1) = 99;
    store.x(5, 1) = -99;
    load(store, 4, {{3, 1}, {1, 2}});
    store.sortSet(4);
    EXPECT_EQ(store.x(3, 1), 99);
    EXPECT_EQ(store.x(5, 1), -99);
}

TEST(DataStore, CopySetKeepsSymbolAndColour)
{
    DataStore store;
    load(store, 2, {{1, 2}, {3, 4}});
    store.yLabel[2] = "Volt";
    store.yFrom[2] = -1;
    store.yTo[2] = 5;
    store.drawFlags[2] = 12;
    store.copySet(2, 5);
    EXPECT_EQ(store.symbolNumber[5], 5);
    EXPECT_EQ(store.setColour[5], 4);
    EXPECT_EQ(store.yLabel[5], "Volt");
    EXPECT_EQ(store.yFrom[5], -1);
    EXPECT_EQ(store.yTo[5], 5);
    EXPECT_EQ(store.drawFlags[5], 12);
    EXPECT_EQ(pointsOf(store, 5), pointsOf(store, 2));
    EXPECT_TRUE(store.unsavedChanges);

    DataStore quiet;
    load(quiet, 1, {{1, 1}});
    quiet.copySet(1, 0, MarkUnsaved::No);
    EXPECT_FALSE(quiet.unsavedChanges);
    EXPECT_EQ(quiet.pointCount[0], 1);
}

TEST(DataStore, ResetPlotDefaultsKeepsDataAndFlags)
{
    DataStore store;
    load(store, 1, {{1, 1}});
    store.yLabel[1] = "A";
    store.yTo[1] = 3;
    store.plot.heading = "H";
    store.drawFlags[1] = 15;
    store.plot.xLabel = "t";
    store.unsavedChanges = true;
    store.resetPlotDefaults();
    EXPECT_EQ(store.yLabel[1], "Y");
    EXPECT_EQ(store.yTo[1], 10);
    EXPECT_EQ(store.plot.xLabel, "X");
    EXPECT_EQ(store.plot.heading, "H");
    EXPECT_EQ(store.drawFlags[1], 15);
    EXPECT_EQ(store.pointCount[1], 1);
    EXPECT_FALSE(store.unsavedChanges);
}

TEST(DataStore, TextLimitsCutSilently)
{
    DataStore store;
    store.setYLabel(1, std::string(40, 'a'));
    store.setXLabel(std::string(31, 'b'));
    store.setHeading(std::string(100, 'c'));
    store.setComment(std::string(81, 'd'));
    EXPECT_EQ(store.yLabel[1].size(), 30u);
    EXPECT_EQ(store.plot.xLabel.size(), 30u);
    EXPECT_EQ(store.plot.heading.size(), 80u);
    EXPECT_EQ(store.plot.comment.size(), 80u);
}

TEST(DataStore, DrawFlagAccessors)
{
    DataStore store;
    store.currentSet = 6;
    store.setFlag(drawCurve);
    EXPECT_TRUE(store.testFlag(drawCurve));
    store.clearFlag(showSymbols);
    EXPECT_FALSE(store.testFlag(showSymbols));
    EXPECT_EQ(store.drawFlags[6], connectPoints | drawCurve);
    EXPECT_EQ(store.drawFlags[5], 3);
}

} // namespace
