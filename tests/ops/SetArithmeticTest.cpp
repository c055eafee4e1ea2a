#include "ops/SetArithmetic.h"

#include "OpsTestSupport.h"
#include "data/Errors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Outcome = CalculationOutcome;

struct Case {
    const char* name;
    const char* formula;
    Values x, y;
    Outcome outcome;
    Values wantX, wantY; // expected values after the call
};

// Sets are given sorted, so the leading sort does not move points.
const Case cases[] = {
    {"lower-case x plus", "x+2", {1, 2}, {5, 6}, Outcome::Applied, {3, 4}, {5, 6}},
    {"decimal comma", "Y-1,5", {1, 2}, {5, 6}, Outcome::Applied, {1, 2}, {3.5, 4.5}},
    {"decimal point", "Y-1.5", {1, 2}, {5, 6}, Outcome::Applied, {1, 2}, {3.5, 4.5}},
    {"negative factor", "Y*-2", {1, 2}, {5, 6}, Outcome::Applied, {1, 2}, {-10, -12}},
    {"exponent letter removed", "X*1E3", {1, 2}, {5, 6}, Outcome::Applied, {13, 26}, {5, 6}},
    {"divide", "y/4", {1, 2}, {5, 6}, Outcome::Applied, {1, 2}, {1.25, 1.5}},
    {"both X and Y", "XY+1", {1, 2}, {5, 6}, Outcome::Ignored, {1, 2}, {5, 6}},
    {"neither X nor Y", "+1", {1, 2}, {5, 6}, Outcome::Ignored, {1, 2}, {5, 6}},
    {"no operation letter", "Y2", {1, 2}, {5, 6}, Outcome::Ignored, {1, 2}, {5, 6}},
    {"two minus signs", "X--2", {1, 2}, {5, 6}, Outcome::Refused, {1, 2}, {5, 6}},
    {"no number", "Y+", {1, 2}, {5, 6}, Outcome::Refused, {1, 2}, {5, 6}},
    {"divide by zero", "Y/0", {1, 2}, {5, 6}, Outcome::Refused, {1, 2}, {5, 6}},
    {"divide by 0.00", "Y/0.00", {1, 2}, {5, 6}, Outcome::Refused, {1, 2}, {5, 6}},
    {"log of Y with 0", "YL", {1, 2}, {0, 100}, Outcome::LogarithmRefused, {1, 2}, {0, 100}},
    {"log of X", "XL", {1, 100}, {0, 100}, Outcome::Applied, {0, 2}, {0, 100}},
    {"power of Y with 0", "Y^", {1, 2}, {0, 2}, Outcome::Refused, {1, 2}, {0, 2}},
    {"power above 1000", "X^", {1, 1001}, {1, 2}, Outcome::Refused, {1, 1001}, {1, 2}},
    {"power", "Y^", {1, 2}, {-1, 2}, Outcome::Applied, {1, 2}, {0.1, 100}},
    {"reciprocal of tiny Y", "YR", {1, 2}, {1e-120, 2}, Outcome::Refused, {1, 2}, {1e-120, 2}},
    {"reciprocal of tiny X", "XR", {1e-120, 2}, {1, 2}, Outcome::Applied, {1e120, 0.5}, {1, 2}},
    {"reciprocal of zero X", "XR", {0, 2}, {1, 2}, Outcome::Refused, {0, 2}, {1, 2}},
    // A slope letter further on lets a formula without X or Y work on Y;
    // its values are checked like those named.
    {"slope letter, log of Y", "LS", {1, 2}, {10, 1000}, Outcome::Applied, {1, 2}, {1, 3}},
    {"slope letter, log of Y <= 0", "LS", {1, 2}, {-1, 10}, Outcome::LogarithmRefused, {1, 2}, {-1, 10}},
};

TEST(ApplyCalculation, Formulas)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DataStore store;
        load(store, 1, c.x, c.y);
        const CalculationResult r = applyCalculation(store, c.formula);
        EXPECT_EQ(r.outcome, c.outcome);
        const Values x = xsOf(store, 1), y = ysOf(store, 1);
        ASSERT_EQ(x.size(), c.wantX.size());
        for (size_t i = 0; i < x.size(); ++i) {
            EXPECT_NEAR(x[i], c.wantX[i], 1e-12 * std::fabs(c.wantX[i])) << "X " << i;
            EXPECT_NEAR(y[i], c.wantY[i], 1e-12 * std::fabs(c.wantY[i])) << "Y " << i;
        }
        EXPECT_FALSE(store.unsavedChanges);
    }
}

TEST(ApplyCalculation, SortsFirstAndWorksOnTheCurrentSetOnly)
{
    DataStore store;
    store.currentSet = 3;
    load(store, 3, {3, 1, 2}, {30, 10, 20});
    load(store, 4, {1}, {1});
    EXPECT_EQ(applyCalculation(store, "Y*0,5").outcome, CalculationOutcome::Applied);
    EXPECT_EQ(xsOf(store, 3), (Values{1, 2, 3}));
    EXPECT_EQ(ysOf(store, 3), (Values{5, 10, 15}));
    EXPECT_EQ(ysOf(store, 4), (Values{1}));
}

TEST(ApplyCalculation, SlopeLetterLeadsToTheSlopeChange)
{
    DataStore store;
    load(store, 1, {0, 1, 2}, {5, 5, 5});
    const CalculationResult r = applyCalculation(store, "S0.5");
    EXPECT_EQ(r.outcome, CalculationOutcome::SlopeChanged);
    EXPECT_EQ(r.slopeErrorPosition, 0);
    EXPECT_EQ(ysOf(store, 1), (Values{5, 5.5, 6}));
}

// Results beyond the range of doubles are reported and never half stored.
TEST(ApplyCalculation, OverflowLeavesTheSetWhole)
{
    struct Overflow {
        const char* formula;
        Values x, y;
    };
    const Overflow cases[] = {
        {"Y^", {1, 2, 3}, {1, 400, 2}},        // ten to the 400
        {"Y*1e300", {1, 2, 3}, {1, 1e306, 2}}, // the factor reads as 1300
        {"Y/0.000001", {1, 2, 3}, {1, 1e304, 2}},
        {"XR", {4e-320, 2, 3}, {1, 2, 3}},     // reciprocal of a subnormal
    };
    for (const Overflow& c : cases) {
        SCOPED_TRACE(c.formula);
        DataStore store;
        load(store, 1, c.x, c.y);
        EXPECT_THROW(applyCalculation(store, c.formula), FloatError);
        EXPECT_EQ(xsOf(store, 1), c.x);
        EXPECT_EQ(ysOf(store, 1), c.y);
    }
}

} // namespace
