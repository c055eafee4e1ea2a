#pragma once

// Exact decimal numbers of any length: ± digits · 10^exponent. For the few
// sums, products and floor divisions whose results must not round on the way
// (the ends of an autoscaled axis: in doubles 0.3 / 0.1 is 2.999..., so the
// floor of it is 2). A handful of operations per command, so plain digit
// vectors are fast enough.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Decimal {
public:
    Decimal() = default; // 0
    Decimal(long long value);

    // The shortest text that reads back as `value` (std::to_chars), taken
    // exactly: 0.1 is one tenth, not the double's binary value. Finite values
    // only; NaN and infinities give nothing.
    static std::optional<Decimal> fromDouble(double value);
    // "-12.5", "3e-7", ".5", "1.25E+3": sign, digits with an optional point,
    // an optional exponent; nothing else.
    static std::optional<Decimal> fromText(std::string_view text);

    // The double nearest to the value (correctly rounded); ±infinity beyond
    // the range of a double.
    double toDouble() const;
    // Digits and exponent, as "-125e-4"; "0" for zero.
    std::string toText() const;

    bool isZero() const { return digits_.empty(); }
    bool isNegative() const { return negative_; }
    // The power of ten of the leading digit (0.07 gives -2); 0 for zero.
    int leadingPower() const;

    Decimal operator-() const;
    Decimal abs() const;
    // value · 10^n, exactly.
    Decimal timesPowerOf10(int n) const;
    // The largest whole number not above the value.
    Decimal floor() const;
    // floor(value / divisor) for a divisor of 1 to 9.
    Decimal floorDividedBy(int divisor) const;

    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b);
    // Times a small whole factor (0 to 9).
    friend Decimal operator*(const Decimal& a, int factor);
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) = default;

private:
    // Digits least significant first, with no zero at either end, so every
    // value has one representation; zero has no digits, exponent 0 and no sign.
    bool negative_ = false;
    std::vector<uint8_t> digits_;
    int exponent_ = 0;

    void normalise();
    static std::strong_ordering compareMagnitude(const Decimal& a, const Decimal& b);
    static Decimal addMagnitudes(const Decimal& a, const Decimal& b);
    static Decimal subtractMagnitudes(const Decimal& larger, const Decimal& smaller);
};
