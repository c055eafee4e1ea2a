#include "ops/Smoothing.h"

#include "OpsTestSupport.h"
#include "data/Errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

TEST(Smooth, ChordRule)
{
    struct Case {
        const char* name;
        Values x, y, want;
    };
    const Case cases[] = {
        {"peak halves", {1, 2, 3}, {0, 4, 0}, {0, 2, 0}},
        {"point on the chord stays", {0, 1, 3}, {0, 10, 30}, {0, 10, 30}},
        {"neighbours of equal X", {2, 2, 2}, {1, 5, 1}, {1, 5, 1}},
        {"chord at a repeated X", {1, 2, 2}, {5, 9, 7}, {5, 8, 7}},
        // New values come from the old ones only: 2 + (0 + 0)/4, not the
        // already smoothed neighbour.
        {"equal spacing", {1, 2, 3, 4}, {0, 4, 4, 0}, {0, 3, 3, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DataStore store;
        load(store, 1, c.x, c.y);
        EXPECT_TRUE(smoothSet(store));
        EXPECT_EQ(ysOf(store, 1), c.want);
        EXPECT_EQ(xsOf(store, 1), c.x);
        EXPECT_FALSE(store.unsavedChanges);
    }
}

TEST(Smooth, FewerThanThreePointsDoNothing)
{
    DataStore store;
    load(store, 1, {1, 2}, {0, 4});
    EXPECT_FALSE(smoothSet(store));
    EXPECT_EQ(ysOf(store, 1), (Values{0, 4}));
}

TEST(Smooth, OverflowLeavesTheSetWhole)
{
    DataStore store;
    const Values y{-1.5e308, 0, 1.5e308, 0};
    load(store, 1, {1, 2, 3, 4}, y);
    EXPECT_THROW(smoothSet(store), FloatError);
    EXPECT_EQ(ysOf(store, 1), y);
}

TEST(FilterSpikes, Windows)
{
    struct Case {
        const char* name;
        int window;
        Values y;
        FilterOutcome outcome;
        Values want;
    };
    const Case cases[] = {
        {"window 4 removes a spike", 4, {0, 0, 0, 10, 0, 0, 0}, FilterOutcome::Filtered, {0, 0, 0, 0, 0, 0, 0}},
        {"window 2, replacements carry on", 2, {0, 10, 10, 0, 0}, FilterOutcome::Filtered, {0, 5, 2.5, 0, 0}},
        {"entry 1 is window 2", 1, {0, 10, 10, 0, 0}, FilterOutcome::Filtered, {0, 5, 2.5, 0, 0}},
        {"window 4 on 4 points", 4, {0, 9, 9, 0}, FilterOutcome::TooFewPoints, {0, 9, 9, 0}},
        {"window 4 on 5 points: no window", 4, {0, 9, 0, 9, 0}, FilterOutcome::Filtered, {0, 9, 0, 9, 0}},
        {"window 4 on 6 points: points 2 to 5", 4, {0, 1, 8, 1, 1, 0}, FilterOutcome::Filtered, {0, 1, 1, 1, 1, 0}},
        {"entry 0", 0, {0, 1, 8, 1, 1, 0, 0, 0}, FilterOutcome::TooFewPoints, {0, 1, 8, 1, 1, 0, 0, 0}},
        {"negative entry", -3, {0, 1, 8, 1, 1, 0, 0, 0}, FilterOutcome::TooFewPoints, {0, 1, 8, 1, 1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DataStore store;
        store.currentSet = 2;
        Values x;
        for (size_t i = 1; i <= c.y.size(); ++i)
            x.push_back(static_cast<double>(i));
        load(store, 2, x, c.y);
        store.setYLabel(2, "signal");
        EXPECT_EQ(filterSpikes(store, c.window), c.outcome);
        EXPECT_EQ(ysOf(store, 2), c.want);
        EXPECT_EQ(xsOf(store, 2), x);
        EXPECT_EQ(store.yLabel[2], "signal");
        EXPECT_EQ(store.unsavedChanges, c.outcome == FilterOutcome::Filtered);
    }
}

// The window search done the plain way, point by point, 1-based.
Values filterReference(Values y, int w)
{
    const Values untouched = y;
    const int n = static_cast<int>(y.size());
    auto at = [](const Values& v, int p) { return v[static_cast<size_t>(p - 1)]; };
    for (int i = 2; i <= n - w - 1; ++i) {
        double best = 0;
        int pos = i;
        for (int j = i; j <= i + w; ++j) {
            const double d = std::fabs((at(untouched, j - 1) + at(untouched, j + 1)) / 2 - at(untouched, j));
            if (d > best) {
                best = d;
                pos = j;
            }
        }
        y[static_cast<size_t>(pos - 1)] = (at(y, pos - 1) + at(y, pos + 1)) / 2;
    }
    return y;
}

// Few distinct values give many equal deviations, where the first must win.
TEST(FilterSpikes, MatchesThePlainWindowSearch)
{
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> level(0, 3);
    for (int round = 0; round < 200; ++round) {
        const int n = 3 + round % 40;
        const int entry = 1 + round % 9;
        Values x, y;
        for (int i = 1; i <= n; ++i) {
            x.push_back(i);
            y.push_back(level(rng));
        }
        DataStore store;
        load(store, 1, x, y);
        const int w = entry == 1 ? 1 : entry - 1;
        if (filterSpikes(store, entry) == FilterOutcome::TooFewPoints) {
            EXPECT_LE(n, w + 1);
            continue;
        }
        EXPECT_EQ(ysOf(store, 1), filterReference(y, w)) << "n " << n << " entry " << entry;
    }
}

} // namespace
