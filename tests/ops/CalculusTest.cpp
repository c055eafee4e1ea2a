#include "ops/Calculus.h"

#include "OpsTestSupport.h"
#include "data/Errors.h"

#include <gtest/gtest.h>

namespace {

TEST(Derivative, QuotientsAtIntervalMiddles)
{
    DataStore store;
    load(store, 1, {1, 2, 4}, {1, 3, 7});
    deriveIntoNextSet(store);
    EXPECT_EQ(xsOf(store, 2), (Values{1.5, 3}));
    EXPECT_EQ(ysOf(store, 2), (Values{2, 2}));
    EXPECT_EQ(store.yLabel[2], "Derivative from set # 1");
    EXPECT_TRUE(store.unsavedChanges);
    EXPECT_EQ(store.currentSet, 1);
}

TEST(Derivative, IntervalsOfEqualXAreLeftOut)
{
    DataStore store;
    load(store, 1, {1, 2, 2, 4}, {0, 1, 5, 9});
    deriveIntoNextSet(store);
    EXPECT_EQ(xsOf(store, 2), (Values{1.5, 3}));
    EXPECT_EQ(ysOf(store, 2), (Values{1, 2}));
}

TEST(Integral, RunningTrapezoids)
{
    struct Case {
        const char* name;
        Values x, y, wantX, wantY;
    };
    const Case cases[] = {
        {"three points", {0, 1, 2}, {0, 2, 2}, {1, 2}, {1, 3}},
        {"two points give one", {0, 2}, {1, 3}, {2}, {4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DataStore store;
        store.currentSet = 4;
        load(store, 4, c.x, c.y);
        integrateIntoNextSet(store);
        EXPECT_EQ(xsOf(store, 5), c.wantX);
        EXPECT_EQ(ysOf(store, 5), c.wantY);
        EXPECT_EQ(store.yLabel[5], "INTEGRAL from set # 4");
    }
}

// Nothing is written, yet the flag is set.
TEST(DerivativeAndIntegral, RefusedTargets)
{
    struct Case {
        const char* name;
        int current;
        Values x;
        bool nextHoldsPoints;
        bool (*op)(DataStore&);
    };
    const Case cases[] = {
        {"derivative of two points", 1, {1, 2}, false, deriveIntoNextSet},
        {"derivative from set 9", 9, {1, 2, 3}, false, deriveIntoNextSet},
        {"derivative into a filled set", 1, {1, 2, 3}, true, deriveIntoNextSet},
        {"integral of one point", 1, {1}, false, integrateIntoNextSet},
        {"integral from set 9", 9, {1, 2, 3}, false, integrateIntoNextSet},
        {"integral into a filled set", 2, {1, 2, 3}, true, integrateIntoNextSet},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DataStore store;
        store.currentSet = c.current;
        load(store, c.current, c.x, c.x);
        if (c.nextHoldsPoints)
            load(store, c.current + 1, {7}, {8});
        DataStore before = store;
        EXPECT_FALSE(c.op(store));
        EXPECT_TRUE(store.unsavedChanges);
        for (int s = 1; s <= kLastSet; ++s) {
            EXPECT_EQ(store.pointCount[s], before.pointCount[s]) << s;
            EXPECT_EQ(store.yLabel[s], before.yLabel[s]) << s;
            EXPECT_EQ(ysOf(store, s), ysOf(before, s)) << s;
        }
    }
}

TEST(Derivative, OverflowWritesNothing)
{
    DataStore store;
    load(store, 1, {0, 1e-300, 1}, {0, 1e10, 0});
    EXPECT_THROW(deriveIntoNextSet(store), FloatError);
    EXPECT_EQ(store.pointCount[2], 0);
    EXPECT_EQ(store.yLabel[2], "Y");
}

TEST(ChangeSlope, TiltsAboutTheFirstPoint)
{
    struct Case {
        const char* name;
        const char* text;
        Values x, y;
        int position;
        Values wantY;
    };
    const Case cases[] = {
        {"S2", "S2", {0, 1, 2}, {5, 5, 5}, 0, {5, 7, 9}},
        {"comma and blank", "S -1,5", {1, 3}, {0, 0}, 0, {0, -3}},
        {"trailing letter", "S0.5x", {0, 1}, {0, 0}, 4, {0, 0}},
        {"nothing typed", "S", {0, 1}, {0, 0}, 1, {0, 0}},
        {"lone minus", "S-", {0, 1}, {0, 0}, 2, {0, 0}},
        {"exponent without digits", "S1e", {0, 1}, {0, 0}, 3, {0, 0}},
        {"beyond doubles", "S1e999", {0, 1}, {0, 0}, 6, {0, 0}},
        {"one point", "S3", {4}, {1}, 0, {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DataStore store;
        load(store, 1, c.x, c.y);
        EXPECT_EQ(changeSlope(store, c.text).errorPosition, c.position);
        EXPECT_EQ(ysOf(store, 1), c.wantY);
        EXPECT_FALSE(store.unsavedChanges);
    }
}

TEST(ChangeSlope, StoresTheNumberAsSlope)
{
    DataStore store;
    store.regression.a = 9;
    changeSlope(store, "S-0,25");
    EXPECT_EQ(store.regression.a, -0.25);
    changeSlope(store, "S0.5x"); // not read whole: the value kept for such text
    EXPECT_EQ(store.regression.a, 0);
}

} // namespace
