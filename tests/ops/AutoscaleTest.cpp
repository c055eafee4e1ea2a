// Autoscaled axis ends: the chosen ends as a table, the ends showing exactly
// in the fields as a property, and which ranges of the store autoscale sets.

#include "data/Decimal.h"
#include "data/Numbers.h"
#include "ops/Autoscale.h"
#include "ops/OpsTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Autoscale, EndsOfDataRanges)
{
    const struct {
        double lo, hi, from, to;
    } rows[] = {
        {0.013, 0.087, 0, 0.1},
        {1, 100, 0, 100},
        {-3, 1234, -500, 2000},
        {5, 5, 4.5, 7},
        {0.3, 0.7, 0.3, 0.8},
        {60409.416, 60409.424, 60409.416, 60409.426},
        {-87, -13, -100, 0},
        {-0.7, -0.3, -0.7, -0.2},
        {-5, -5, -5.5, -3},
        {0, 0, -1, 1.5},
        {1e9, 7e9, 0, 1e10},
        {1e300, 1e300, 9e299, 1.15e300},
        // Below the fields' four decimals the step stays at 0.0001.
        {1e-12, 3e-12, 0, 0.0005},
        {-3e-12, -1e-12, -0.0001, 0.0004},
        {2.00001, 2.00002, 2, 2.0005},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.lo << " .. " << row.hi);
        const auto axis = autoscaleRange(row.lo, row.hi);
        ASSERT_TRUE(axis.has_value());
        EXPECT_EQ(axis->from, row.from);
        EXPECT_EQ(axis->to, row.to);
    }
    EXPECT_FALSE(autoscaleRange(1.7e308, 1.7e308)) << "the upper end is beyond doubles";
    EXPECT_FALSE(autoscaleRange(0, INFINITY));
}

// Over ranges of every size and place: the axis covers the data, its step is
// a fifth of it, and both ends read back unchanged from the text the set
// display shows them with, so showing them never moves them.
TEST(Autoscale, EndsShowExactlyAndCoverTheData)
{
    const double mantissas[] = {1, 1.234567, 3.3, 7.77, 9.99999};
    int checked = 0;
    for (int p = -9; p <= 12; ++p)
        for (int q = p - 6; q <= p + 1; ++q)
            for (double a : mantissas)
                for (double b : mantissas)
                    for (double sign : {1.0, -1.0}) {
                        const double lo = sign * a * std::pow(10.0, p);
                        const double hi = lo + b * std::pow(10.0, q);
                        const auto axis = autoscaleRange(lo, hi);
                        ASSERT_TRUE(axis.has_value()) << lo << " .. " << hi;
                        SCOPED_TRACE(testing::Message() << lo << " .. " << hi << " -> " << axis->from << " .. "
                                                        << axis->to);
                        EXPECT_LE(axis->from, lo);
                        EXPECT_GE(axis->to, hi);
                        const int decimals = displayDecimals((axis->to - axis->from) * 101);
                        for (double end : {axis->from, axis->to})
                            ASSERT_EQ(parseNumber(formatValue(end, 1, decimals)).value, end);
                        ++checked;
                    }
    EXPECT_GT(checked, 3000);
}

TEST(Autoscale, DecimalArithmeticIsExact)
{
    const auto tenth = Decimal::fromDouble(0.1);
    const auto threeTenths = Decimal::fromDouble(0.3);
    ASSERT_TRUE(tenth && threeTenths);
    EXPECT_EQ(threeTenths->timesPowerOf10(1).floorDividedBy(1).toText(), "3");
    EXPECT_EQ((*tenth * 3 - *threeTenths).toText(), "0");
    EXPECT_EQ(Decimal::fromText("-2.5")->floorDividedBy(2).toText(), "-2");
    EXPECT_EQ(Decimal::fromText("-7")->floorDividedBy(5).toText(), "-2");
    EXPECT_EQ((Decimal(1).timesPowerOf10(300) + Decimal(1).timesPowerOf10(-300) - Decimal(1).timesPowerOf10(300))
                  .toText(),
              "1e-300");
    EXPECT_EQ(Decimal::fromText("1e400")->toDouble(), INFINITY);
}

// X from every set with points, Y per set, empty sets untouched.
TEST(Autoscale, SetsTheRangesOfSetsWithPoints)
{
    DataStore store;
    load(store, 1, {0.013, 0.05}, {1, 100});
    load(store, 3, {0.087, 0.02}, {-3, 1234});
    store.yFrom[2] = -7;
    store.yTo[2] = 7;
    ASSERT_TRUE(autoscaleAxes(store));
    EXPECT_EQ(store.plot.xFrom, 0);
    EXPECT_EQ(store.plot.xTo, 0.1);
    EXPECT_EQ(store.yFrom[1], 0);
    EXPECT_EQ(store.yTo[1], 100);
    EXPECT_EQ(store.yFrom[3], -500);
    EXPECT_EQ(store.yTo[3], 2000);
    EXPECT_EQ(store.yFrom[2], -7);
    EXPECT_EQ(store.yTo[2], 7);

    DataStore empty;
    empty.plot.xFrom = 3;
    EXPECT_FALSE(autoscaleAxes(empty));
    EXPECT_EQ(empty.plot.xFrom, 3);
    EXPECT_EQ(empty.yTo[1], 10);
}

} // namespace
