#include "data/Numbers.h"

#include "data/Errors.h"
#include "data/Messages.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

ParsedNumber parseNumber(std::string_view text)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    if (i == n)
        return {};

    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    const size_t mantissaStart = i;
    size_t intDigits = 0;
    size_t significantIntDigits = 0; // integer digits after leading zeros
    bool anyNonZero = false;
    while (i < n && isDigit(text[i])) {
        if (text[i] != '0' || significantIntDigits > 0)
            ++significantIntDigits;
        if (text[i] != '0')
            anyNonZero = true;
        ++intDigits;
        ++i;
    }
    bool hasPoint = false;
    size_t fracDigits = 0;
    long leadingFracZeros = 0;
    bool fracNonZeroSeen = false;
    if (i < n && text[i] == '.') {
        hasPoint = true;
        ++i;
        while (i < n && isDigit(text[i])) {
            if (text[i] != '0') {
                anyNonZero = true;
                fracNonZeroSeen = true;
            } else if (!fracNonZeroSeen) {
                ++leadingFracZeros;
            }
            ++fracDigits;
            ++i;
        }
    }
    // Without a point at least one digit is needed; with a point, none is.
    if (intDigits == 0 && !hasPoint)
        return {};
    const size_t mantissaEnd = i;
    long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            expNegative = text[i] == '-';
            ++i;
        }
        if (i == n || !isDigit(text[i]))
            return {};
        while (i < n && isDigit(text[i])) {
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (expNegative)
            exponent = -exponent;
    }
    if (i != n)
        return {};

    if (!anyNonZero)
        return {negative ? -0.0 : 0.0, true};

    // from_chars takes no sign and no bare point; hand it the digits only.
    double value = 0;
    const char* first = text.data() + mantissaStart;
    const char* last = text.data() + n;
    std::string buffer;
    if (intDigits == 0 || fracDigits == 0) {
        buffer.assign("0");
        buffer.append(first, mantissaEnd - mantissaStart);
        if (hasPoint && fracDigits == 0)
            buffer += '0';
        buffer.append(text.data() + mantissaEnd, n - mantissaEnd);
        first = buffer.data();
        last = buffer.data() + buffer.size();
    }
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Decide between overflow (invalid) and underflow (zero) from the
        // decimal magnitude: position of the first significant digit.
        const long magnitude = significantIntDigits > 0
            ? static_cast<long>(significantIntDigits) + exponent
            : exponent - leadingFracZeros;
        if (magnitude > 0)
            return {};
        return {negative ? -0.0 : 0.0, true};
    }
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value))
        return {};
    return {negative ? -value : value, true};
}

int displayDecimals(double x)
{
    // 0.99999 as an extended-precision constant: the double nearest to it is
    // slightly larger, which is what puts 0.99999 itself into the 3-decimal bracket.
    const long double limit = 0.99999L;
    int d = 4;
    double a = std::fabs(x);
    for (int k = 0; k < 5; ++k) {
        if (static_cast<long double>(a) > limit && d > 0) {
            --d;
            a = a * 0.1;
        }
    }
    return d;
}

std::string formatValue(double x, int width, int decimals)
{
    decimals = std::clamp(decimals, 0, 60);
    std::string text;
    if (!std::isfinite(x)) {
        text = std::isnan(x) ? "NAN" : (x > 0 ? "INF" : "-INF");
    } else {
        // Halves are rounded away from zero, as people round by hand: the value
        // is written with enough extra digits to tell a true half (0.125 to two
        // decimals gives 0.13) from a value just below it.
        constexpr int kGuard = 25;
        char buffer[400];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                          std::chars_format::fixed, decimals + kGuard);
        std::string digits(buffer, result.ptr);
        const size_t point = digits.find('.');
        const bool roundUp = digits[point + 1 + static_cast<size_t>(decimals)] >= '5';
        digits.resize(decimals > 0 ? point + 1 + static_cast<size_t>(decimals) : point);
        if (roundUp) {
            size_t i = digits.size();
            while (true) {
                if (i == 0) {
                    digits.insert(digits.begin(), '1');
                    break;
                }
                --i;
                if (digits[i] == '.')
                    continue;
                if (digits[i] == '9') {
                    digits[i] = '0';
                } else {
                    ++digits[i];
                    break;
                }
            }
        }
        const bool zero = digits.find_first_not_of("0.") == std::string::npos;
        text = (x < 0 && !zero) ? "-" + digits : digits;
    }
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

std::string formatShown(double x, int width)
{
    return formatValue(x, width, displayDecimals(x));
}

int toInteger(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    const size_t digitsStart = i;
    while (i < text.size() && isDigit(text[i])) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            break;
        ++i;
    }
    if (i == digitsStart || i != text.size()
        || (!negative && value > std::numeric_limits<int>::max())
        || (negative && value > static_cast<long long>(std::numeric_limits<int>::max()) + 1))
        throw ConversionError(Messages::message(Messages::NotAnInteger, {text}));
    return static_cast<int>(negative ? -value : value);
}
