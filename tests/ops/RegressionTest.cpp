#include "ops/Regression.h"

#include <gtest/gtest.h>

namespace {

void load(DataStore& store, int s, std::initializer_list<std::pair<double, double>> points)
{
    store.pointCount[s] = static_cast<int>(points.size());
    int i = 1;
    for (const auto& [x, y] : points) {
        store.x(s, i) = x;
        store.y(s, i) = y;
        ++i;
    }
}

TEST(Regression, FivePointExample)
{
    DataStore store;
    load(store, 1, {{20.4, 9.2}, {19.7, 8.9}, {21.8, 11.4}, {20.1, 9.4}, {20.7, 10.3}});
    const RegressionTexts t = showRegression(store);
    EXPECT_NEAR(store.regression.a, 1.2290679, 1e-7);
    EXPECT_NEAR(store.regression.b, -15.405055, 1e-6);
    EXPECT_NEAR(store.regression.r, 0.9621163, 1e-7);
    EXPECT_EQ(t.n, "n = 5");
    EXPECT_EQ(t.a, "a = 1.229");
    EXPECT_EQ(t.b, "b = -15.41");
    EXPECT_EQ(t.r, "r = 0.96212");
}

TEST(Regression, FallingLine)
{
    DataStore store;
    load(store, 1, {{1, 3}, {2, 1}});
    const RegressionTexts t = showRegression(store);
    EXPECT_EQ(t.a, "a = -2.000");
    EXPECT_EQ(t.b, "b = 5.000");
    EXPECT_EQ(t.r, "r = -1.0000");
}

// Undefined fits keep the record of the last successful computation.
TEST(Regression, UndefinedFitsKeepPreviousRecord)
{
    struct Case {
        const char* name;
        std::initializer_list<std::pair<double, double>> points;
        const char* n;
        bool emptyValues;
    };
    const Case cases[] = {
        {"one point", {{5, 5}}, "n = 1", false},
        {"equal X", {{2, 1}, {2, 7}}, "n = 2", false},
        {"equal Y", {{1, 4}, {2, 4}, {3, 4}}, "n = 3", false},
        {"no points", {}, "n = 0", true},
        // Large, nearly equal values: rounding makes the variance come out
        // zero or slightly negative; the record must stay whole.
        {"rounding", {{1e8, 1e8 + 0.000001}, {1e8, 1e8}, {1e8, 1e8 + 0.000002}}, "n = 3", false},
    };
    for (const auto& c : cases) {
        DataStore store;
        load(store, 1, {{1, 3}, {2, 1}});
        showRegression(store);
        load(store, 2, c.points);
        store.currentSet = 2;
        const RegressionTexts t = showRegression(store);
        EXPECT_EQ(store.regression.a, -2) << c.name;
        EXPECT_EQ(store.regression.b, 5) << c.name;
        EXPECT_EQ(store.regression.r, -1) << c.name;
        EXPECT_EQ(t.n, c.n) << c.name;
        if (c.emptyValues) {
            EXPECT_TRUE(t.a.empty() && t.b.empty() && t.r.empty()) << c.name;
        } else {
            EXPECT_EQ(t.a, "a = -2.000") << c.name;
            EXPECT_EQ(t.r, "r = -1.0000") << c.name;
        }
    }
}

TEST(Regression, FitLineLeavesStoreAlone)
{
    DataStore store;
    load(store, 3, {{0, 0}, {1, 2}, {2, 4}});
    const auto fit = fitLine(store, 3);
    ASSERT_TRUE(fit);
    EXPECT_DOUBLE_EQ(fit->a, 2);
    EXPECT_DOUBLE_EQ(fit->b, 0);
    EXPECT_DOUBLE_EQ(fit->r, 1);
    EXPECT_EQ(store.regression.a, 0);
}

} // namespace
