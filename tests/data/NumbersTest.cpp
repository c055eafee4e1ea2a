#include "data/Errors.h"
#include "data/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct ParseCase {
    const char* text;
    bool ok;
    double value;
};

TEST(ParseNumber, AcceptsAndRejects)
{
    const ParseCase cases[] = {
        {" -1.5E3", true, -1500},
        {"+.5", true, 0.5},
        {"5.", true, 5},
        {".", true, 0},
        {"12", true, 12},
        {"   3.25e-2", true, 0.0325},
        {"1E+2", true, 100},
        {"-0", true, 0},
        {"1e-400", true, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"1,5", false, 0},
        {"1.5 ", false, 0},
        {"1.2.3", false, 0},
        {"-", false, 0},
        {"1e", false, 0},
        {"1e+", false, 0},
        {"\t1", false, 0},
        {"abc", false, 0},
        {"1e999", false, 0},
        {"-1e999", false, 0},
        {"0x10", false, 0},
        {"inf", false, 0},
        {"nan", false, 0},
    };
    for (const auto& c : cases) {
        const ParsedNumber p = parseNumber(c.text);
        EXPECT_EQ(p.ok, c.ok) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(p.value, c.value) << '"' << c.text << '"';
        EXPECT_TRUE(std::isfinite(p.value)) << c.text;
    }
}

TEST(ParseNumber, ExactDecimalConversion)
{
    EXPECT_EQ(parseNumber("0.1").value, 0.1);
    EXPECT_EQ(parseNumber("25.0103").value, 25.0103);
    EXPECT_EQ(parseNumber("1.7976931348623157e308").value, 1.7976931348623157e308);
}

TEST(DisplayDecimals, Brackets)
{
    const std::pair<double, int> cases[] = {
        {0, 4}, {0.5, 4}, {0.99998, 4}, {0.99999, 3}, {1.0, 3}, {5, 3}, {9.9998, 3},
        {10, 2}, {50, 2}, {100, 1}, {500, 1}, {999.98, 1}, {999.99, 0}, {1000, 0}, {5000, 0},
        {1e12, 0},
    };
    for (const auto& [x, d] : cases) {
        EXPECT_EQ(displayDecimals(x), d) << x;
        EXPECT_EQ(displayDecimals(-x), d) << -x;
    }
}

TEST(FormatValue, FixedPointRightAligned)
{
    struct Case {
        double x;
        int width, decimals;
        const char* text;
    };
    const Case cases[] = {
        {1.5, 5, 3, "1.500"},
        {25, 5, 2, "25.00"},
        {1234, 5, 0, " 1234"},
        {-0.25, 5, 4, "-0.2500"},
        {10, 16, 10, "   10.0000000000"},
        {25.0103, 8, 4, " 25.0103"},
        {0.0403, 8, 4, "  0.0403"},
        {1.5, 10, 9, "1.500000000"},
        {-2, 10, 9, "-2.000000000"},
        {2.5, 1, 0, "3"},
        {-2.5, 1, 0, "-3"},
        {9.995, 1, 2, "9.99"},
        {9.9951, 1, 2, "10.00"},
        {999.96, 1, 1, "1000.0"},
        {3.5, 1, 0, "4"},
        {0.125, 1, 2, "0.13"},
        {-0.0001, 1, 2, "0.00"},
        {123456789.0, 3, 0, "123456789"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatValue(c.x, c.width, c.decimals), c.text) << c.x;
}

TEST(ToInteger, ValidAndInvalid)
{
    EXPECT_EQ(toInteger("1"), 1);
    EXPECT_EQ(toInteger("  -12"), -12);
    EXPECT_EQ(toInteger("+7"), 7);
    for (const char* bad : {"", " ", "1.5", "x", "3 ", "99999999999"}) {
        try {
            toInteger(bad);
            ADD_FAILURE() << bad;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' ist kein gültiger Integerwert");
        }
    }
}

} // namespace
