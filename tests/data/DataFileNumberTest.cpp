// The data files convert numbers on fast paths of their own; they must agree
// with formatValue and parseNumber to the last digit and bit.

#include "data/DataFileScanner.h"
#include "data/Errors.h"
#include "data/FixedFormat.h"
#include "data/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {

std::string fixed(double value, int width, int decimals)
{
    std::string out;
    appendFixed(out, value, width, decimals);
    return out;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The value the scanner reads for `token` standing alone on a line.
double scanned(const std::string& token)
{
    const std::string bytes = token + "\r\n"; // the scanner only views its bytes
    DataFileScanner in(bytes, "t");
    return in.readNumberLine();
}

} // namespace

TEST(DataFileNumbers, FixedTextMatchesFormatValue)
{
    const std::vector<double> special = {
        0.0, -0.0, 10, -1.5, 0.5, 0.00048828125, -0.00048828125, 2.5e-10, 0.00000000005, -0.00000000004,
        0.12345678905, 123456.789, 9007199254740991.0, 9007199254740993.0, 1e20, -1e300, 1e-300, 5e-324,
        std::numeric_limits<double>::min(), 0.1, 0.2, 0.3, 1.0 / 3, 2.0 / 3, 25.0103, 0.0403, 10000.1415,
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(),
    };
    const std::vector<std::pair<int, int>> fields = {{16, 10}, {10, 9}, {8, 4}, {1, 0}, {1, 2}};
    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-14, 18);
    std::uniform_int_distribution<uint64_t> bits;
    std::vector<double> values = special;
    for (int i = 0; i < 20000; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    for (int i = 0; i < 2000; ++i) { // near exact halves of the last decimal
        const double base = std::round(mantissa(random) * 1e6) / 1e6;
        values.push_back(base + 5e-11);
        values.push_back(base - 5e-10);
    }
    for (int i = 0; i < 2000; ++i) {
        const uint64_t b = bits(random);
        double v = 0;
        std::memcpy(&v, &b, sizeof v);
        values.push_back(v);
    }
    int mismatches = 0;
    for (const double v : values)
        for (const auto& [width, decimals] : fields) {
            const std::string expected = formatValue(v, width, decimals);
            const std::string actual = fixed(v, width, decimals);
            if (actual != expected && ++mismatches <= 5)
                ADD_FAILURE() << v << " width " << width << " decimals " << decimals << ": " << actual << " vs "
                              << expected;
        }
    EXPECT_EQ(mismatches, 0);
}

TEST(DataFileNumbers, ScannedValuesMatchParseNumber)
{
    std::vector<std::string> tokens = {
        "0", "-0", "10", "-1.5", "+.5", "5.", ".", "-.25", "1e3", "-1.5E3", "000123.4500",
        "123456789012345", "1234567890123456", "0.000000000000000000000001", "9007199254740993",
        "0.1", "0.3", "-2.0000000000", "123456.7890000000", "1" + std::string(30, '0'),
        "12345678", "1234567.8", "-12345678.1234567", "99999999.9999999",
    };
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-12, 9);
    for (int i = 0; i < 20000; ++i)
        tokens.push_back(formatValue(mantissa(random) * std::pow(10.0, exponent(random)), 1, 10));
    int mismatches = 0;
    for (const std::string& token : tokens) {
        const ParsedNumber expected = parseNumber(token);
        ASSERT_TRUE(expected.ok) << token;
        double actual = 0;
        try {
            actual = scanned(token);
        } catch (const InputError&) {
            ADD_FAILURE() << "refused " << token;
            continue;
        }
        if (!sameBits(actual, expected.value) && ++mismatches <= 5)
            ADD_FAILURE() << token << ": " << actual << " vs " << expected.value;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(DataFileNumbers, ScannerRefusesWhatParseNumberRefuses)
{
    for (const char* token : {"1,5", "1.2.3", "-", "1e", "--1", "1-", "0x10", "\xB5", "12345678:", "1234/5678", "0.1234567@"}) {
        SCOPED_TRACE(token);
        EXPECT_FALSE(parseNumber(token).ok);
        EXPECT_THROW(scanned(token), InputError);
    }
}
