#include "ops/SetManagement.h"

#include "OpsTestSupport.h"
#include "data/Errors.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

Values range(int from, int to)
{
    Values v(static_cast<size_t>(to - from + 1));
    std::iota(v.begin(), v.end(), from);
    return v;
}

TEST(SetManagement, FirstFreeSet)
{
    DataStore store;
    EXPECT_EQ(firstFreeSet(store), 1);
    load(store, 1, {1}, {1});
    load(store, 3, {1}, {1});
    EXPECT_EQ(firstFreeSet(store), 2);
    for (int s = 1; s <= kLastSet; ++s)
        load(store, s, {1}, {1});
    EXPECT_EQ(firstFreeSet(store), 0);
}

TEST(SetManagement, CopyOnlyIntoAnEmptySet)
{
    DataStore store;
    load(store, 1, {1, 2}, {3, 4});
    store.setYLabel(1, "volts");
    load(store, 5, {9}, {9});
    copyToSet(store, 5);
    EXPECT_EQ(xsOf(store, 5), (Values{9}));
    EXPECT_FALSE(store.unsavedChanges);
    for (int bad : {0, 10, -1})
        copyToSet(store, bad);
    EXPECT_FALSE(store.unsavedChanges);

    copyToSet(store, 4);
    EXPECT_EQ(ysOf(store, 4), (Values{3, 4}));
    EXPECT_EQ(store.yLabel[4], "volts");
    EXPECT_EQ(store.symbolNumber[4], 4);
    EXPECT_TRUE(store.unsavedChanges);
    EXPECT_EQ(store.currentSet, 1);
}

TEST(SetManagement, Insert)
{
    DataStore store;
    store.currentSet = 2;
    load(store, 1, {5, 1, 3}, {50, 10, 30});
    load(store, 2, {4, 2}, {40, 20});
    insertSet(store, 1);
    EXPECT_EQ(xsOf(store, 2), (Values{1, 2, 3, 4, 5}));
    EXPECT_EQ(ysOf(store, 2), (Values{10, 20, 30, 40, 50}));
    EXPECT_EQ(store.pointCount[1], 3);

    insertSet(store, 2); // itself: every point twice
    EXPECT_EQ(xsOf(store, 2), (Values{1, 1, 2, 2, 3, 3, 4, 4, 5, 5}));
    EXPECT_FALSE(store.unsavedChanges);
}

TEST(SetManagement, InsertBeyondCapacityIsRefused)
{
    DataStore store;
    load(store, 1, range(1, 6000), range(1, 6000));
    load(store, 2, range(1, 4001), range(1, 4001));
    EXPECT_THROW(insertSet(store, 2), KurvixError);
    EXPECT_EQ(store.pointCount[1], 6000);
    EXPECT_EQ(store.x(2, 1), 1); // the next block untouched
    store.pointCount[2] = 4000;
    insertSet(store, 2);
    EXPECT_EQ(store.pointCount[1], kSetCapacity);
}

TEST(SetManagement, ExchangeKeepsSymbolAndColourWithTheNumber)
{
    DataStore store;
    store.currentSet = 2;
    load(store, 2, {1, 2}, {3, 4});
    store.setYLabel(2, "two");
    load(store, 7, {9}, {8});
    store.setYLabel(7, "seven");
    exchangeSets(store, 7);
    EXPECT_EQ(store.currentSet, 7);
    EXPECT_EQ(ysOf(store, 7), (Values{3, 4}));
    EXPECT_EQ(store.yLabel[7], "two");
    EXPECT_EQ(ysOf(store, 2), (Values{8}));
    EXPECT_EQ(store.yLabel[2], "seven");
    EXPECT_EQ(store.symbolNumber[7], 7);
    EXPECT_EQ(store.setColour[2], 1);
    EXPECT_TRUE(store.unsavedChanges);

    store.unsavedChanges = false;
    for (int bad : {7, 0, 10}) {
        exchangeSets(store, bad);
        EXPECT_EQ(store.currentSet, 7) << bad;
    }
    EXPECT_FALSE(store.unsavedChanges);
}

TEST(SetManagement, AddCurveByPosition)
{
    DataStore store;
    load(store, 1, {1, 2, 3, 4}, {1, 2, 3, 4});
    load(store, 2, {10, 20, 30, 40}, {10, 20, 30, 40});
    load(store, 3, {1, 2, 3, 4, 5}, {1, 1, 1, 1, 1});
    for (int ignored : {3, 1, 0, 10})
        addCurve(store, ignored);
    EXPECT_EQ(ysOf(store, 1), (Values{1, 2, 3, 4}));
    addCurve(store, 2);
    EXPECT_EQ(ysOf(store, 1), (Values{11, 22, 33, 44}));
    EXPECT_EQ(xsOf(store, 1), (Values{1, 2, 3, 4}));
    EXPECT_EQ(store.maxYIndex[1], 4);
    EXPECT_FALSE(store.unsavedChanges);

    load(store, 2, {1, 2, 3, 4}, {0, 1.7e308, 0, 0});
    load(store, 1, {1, 2, 3, 4}, {0, 1.7e308, 0, 0});
    EXPECT_THROW(addCurve(store, 2), FloatError);
    EXPECT_EQ(ysOf(store, 1), (Values{0, 1.7e308, 0, 0}));
}

TEST(SetManagement, SwapXY)
{
    DataStore store;
    load(store, 1, {1, 2, 3}, {30, 10, 20});
    swapXY(store);
    EXPECT_EQ(xsOf(store, 1), (Values{10, 20, 30}));
    EXPECT_EQ(ysOf(store, 1), (Values{2, 3, 1}));
    EXPECT_TRUE(store.unsavedChanges);
}

TEST(SetManagement, RemoveRange)
{
    struct Case {
        const char* name;
        int from, to;
        Values want;
    };
    const Case cases[] = {
        {"middle", 3, 5, {1, 2, 6, 7, 8, 9, 10}},
        {"to cut to the end", 8, 20, {1, 2, 3, 4, 5, 6, 7}},
        {"from 0", 0, 5, range(1, 10)},
        {"from behind the end", 11, 12, range(1, 10)},
        {"to before from", 5, 4, range(1, 10)},
        {"negative to", 3, -1, range(1, 10)},
        {"single point", 10, 10, range(1, 9)},
        {"all", 1, 10, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DataStore store;
        load(store, 1, range(1, 10), range(11, 20));
        removeRange(store, c.from, c.to);
        EXPECT_EQ(xsOf(store, 1), c.want);
        Values wantY = c.want;
        for (double& v : wantY)
            v += 10;
        EXPECT_EQ(ysOf(store, 1), wantY);
    }
}

TEST(SetManagement, ThinByFactor)
{
    struct Case {
        const char* name;
        int points, factor;
        Values want;
    };
    const Case cases[] = {
        {"factor 3", 10, 3, {1, 4, 7, 10}},
        {"factor 2", 10, 2, {1, 3, 5, 7, 9}},
        {"factor 1 keeps all", 4, 1, {1, 2, 3, 4}},
        {"factor above the count", 4, 9, {1}},
        {"huge factor", 4, 2147483647, {1}},
        {"empty set stays empty", 0, 2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DataStore store;
        load(store, 1, range(1, c.points), range(1, c.points));
        thinByFactor(store, c.factor);
        EXPECT_EQ(xsOf(store, 1), c.want);
        EXPECT_EQ(ysOf(store, 1), c.want);
    }
}

TEST(SetManagement, ThinningFactorBelowOneIsRefused)
{
    for (int factor : {0, -2}) {
        DataStore store;
        load(store, 1, range(1, 5), range(1, 5));
        EXPECT_THROW(thinByFactor(store, factor), KurvixError) << factor;
        EXPECT_EQ(store.pointCount[1], 5);
    }
}

} // namespace
