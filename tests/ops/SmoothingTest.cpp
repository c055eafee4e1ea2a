#include "ops/Smoothing.h"

#include "OpsTestSupport.h"
#include "data/Errors.h"

#include <gtest/gtest.h>

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

} // namespace
