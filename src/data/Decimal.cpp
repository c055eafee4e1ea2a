#include "data/Decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

uint8_t digitAt(const std::vector<uint8_t>& digits, int exponent, int power)
{
    const int i = power - exponent;
    return i >= 0 && i < static_cast<int>(digits.size()) ? digits[static_cast<size_t>(i)] : uint8_t{0};
}

} // namespace

Decimal::Decimal(long long value)
{
    negative_ = value < 0;
    unsigned long long magnitude = negative_ ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    while (magnitude > 0) {
        digits_.push_back(static_cast<uint8_t>(magnitude % 10));
        magnitude /= 10;
    }
    normalise();
}

void Decimal::normalise()
{
    while (!digits_.empty() && digits_.back() == 0)
        digits_.pop_back();
    const auto firstNonZero = std::find_if(digits_.begin(), digits_.end(), [](uint8_t d) { return d != 0; });
    exponent_ += static_cast<int>(firstNonZero - digits_.begin());
    digits_.erase(digits_.begin(), firstNonZero);
    if (digits_.empty()) {
        negative_ = false;
        exponent_ = 0;
    }
}

std::optional<Decimal> Decimal::fromText(std::string_view text)
{
    Decimal d;
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        d.negative_ = text[i++] == '-';
    std::vector<uint8_t> mostSignificantFirst;
    int fractionDigits = 0;
    bool point = false;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            mostSignificantFirst.push_back(static_cast<uint8_t>(c - '0'));
            fractionDigits += point ? 1 : 0;
            anyDigit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            negativeExponent = text[i++] == '-';
        const size_t first = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000'000LL);
        if (i == first)
            return std::nullopt;
        exponent = negativeExponent ? -exponent : exponent;
    }
    if (i != text.size())
        return std::nullopt;
    d.digits_.assign(mostSignificantFirst.rbegin(), mostSignificantFirst.rend());
    d.exponent_ = static_cast<int>(exponent - fractionDigits);
    d.normalise();
    return d;
}

std::optional<Decimal> Decimal::fromDouble(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return fromText(std::string_view(text, static_cast<size_t>(written.ptr - text)));
}

std::string Decimal::toText() const
{
    if (isZero())
        return "0";
    std::string text = negative_ ? "-" : "";
    for (auto d = digits_.rbegin(); d != digits_.rend(); ++d)
        text += static_cast<char>('0' + *d);
    if (exponent_ != 0)
        text += "e" + std::to_string(exponent_);
    return text;
}

double Decimal::toDouble() const
{
    const std::string text = toText();
    double value = 0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
    if (read.ec == std::errc::result_out_of_range) {
        value = leadingPower() > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return negative_ ? -value : value;
    }
    return value;
}

int Decimal::leadingPower() const
{
    return isZero() ? 0 : exponent_ + static_cast<int>(digits_.size()) - 1;
}

Decimal Decimal::operator-() const
{
    Decimal d = *this;
    if (!d.isZero())
        d.negative_ = !d.negative_;
    return d;
}

Decimal Decimal::abs() const
{
    Decimal d = *this;
    d.negative_ = false;
    return d;
}

Decimal Decimal::timesPowerOf10(int n) const
{
    Decimal d = *this;
    if (!d.isZero())
        d.exponent_ += n;
    return d;
}

std::strong_ordering Decimal::compareMagnitude(const Decimal& a, const Decimal& b)
{
    if (a.isZero() || b.isZero())
        return a.digits_.size() <=> b.digits_.size();
    if (a.leadingPower() != b.leadingPower())
        return a.leadingPower() <=> b.leadingPower();
    const int lowest = std::min(a.exponent_, b.exponent_);
    for (int p = a.leadingPower(); p >= lowest; --p) {
        const uint8_t x = digitAt(a.digits_, a.exponent_, p);
        const uint8_t y = digitAt(b.digits_, b.exponent_, p);
        if (x != y)
            return x <=> y;
    }
    return std::strong_ordering::equal;
}

Decimal Decimal::addMagnitudes(const Decimal& a, const Decimal& b)
{
    Decimal sum;
    sum.exponent_ = std::min(a.exponent_, b.exponent_);
    const int highest = std::max(a.leadingPower(), b.leadingPower());
    int carry = 0;
    for (int p = sum.exponent_; p <= highest; ++p) {
        const int total = digitAt(a.digits_, a.exponent_, p) + digitAt(b.digits_, b.exponent_, p) + carry;
        sum.digits_.push_back(static_cast<uint8_t>(total % 10));
        carry = total / 10;
    }
    if (carry)
        sum.digits_.push_back(static_cast<uint8_t>(carry));
    return sum;
}

Decimal Decimal::subtractMagnitudes(const Decimal& larger, const Decimal& smaller)
{
    Decimal difference;
    difference.exponent_ = std::min(larger.exponent_, smaller.exponent_);
    int borrow = 0;
    for (int p = difference.exponent_; p <= larger.leadingPower(); ++p) {
        int d = digitAt(larger.digits_, larger.exponent_, p) - digitAt(smaller.digits_, smaller.exponent_, p) - borrow;
        borrow = d < 0 ? 1 : 0;
        difference.digits_.push_back(static_cast<uint8_t>(d + 10 * borrow));
    }
    return difference;
}

Decimal operator+(const Decimal& a, const Decimal& b)
{
    if (a.isZero())
        return b;
    if (b.isZero())
        return a;
    Decimal sum;
    if (a.negative_ == b.negative_) {
        sum = Decimal::addMagnitudes(a, b);
        sum.negative_ = a.negative_;
    } else if (Decimal::compareMagnitude(a, b) >= 0) {
        sum = Decimal::subtractMagnitudes(a, b);
        sum.negative_ = a.negative_;
    } else {
        sum = Decimal::subtractMagnitudes(b, a);
        sum.negative_ = b.negative_;
    }
    sum.normalise();
    return sum;
}

Decimal operator-(const Decimal& a, const Decimal& b)
{
    return a + -b;
}

Decimal operator*(const Decimal& a, int factor)
{
    Decimal product;
    product.negative_ = a.negative_ != (factor < 0);
    product.exponent_ = a.exponent_;
    const int f = factor < 0 ? -factor : factor;
    int carry = 0;
    for (uint8_t d : a.digits_) {
        const int total = d * f + carry;
        product.digits_.push_back(static_cast<uint8_t>(total % 10));
        carry = total / 10;
    }
    for (; carry > 0; carry /= 10)
        product.digits_.push_back(static_cast<uint8_t>(carry % 10));
    product.normalise();
    return product;
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b)
{
    if (a.negative_ != b.negative_)
        return a.negative_ ? std::strong_ordering::less : std::strong_ordering::greater;
    const std::strong_ordering magnitude = Decimal::compareMagnitude(a, b);
    return a.negative_ ? 0 <=> magnitude : magnitude;
}

Decimal Decimal::floor() const
{
    if (exponent_ >= 0)
        return *this;
    // Normalised, the lowest digit is not zero: a negative exponent always
    // means a fraction, which the floor of a negative value rounds away.
    Decimal whole;
    const size_t fraction = static_cast<size_t>(-exponent_);
    if (fraction < digits_.size())
        whole.digits_.assign(digits_.begin() + static_cast<std::ptrdiff_t>(fraction), digits_.end());
    whole.negative_ = negative_;
    whole.normalise();
    return negative_ ? whole - Decimal(1) : whole;
}

Decimal Decimal::floorDividedBy(int divisor) const
{
    const Decimal whole = floor();
    if (whole.isZero())
        return whole;
    // Long division of the magnitude, most significant digit first.
    std::vector<uint8_t> all(static_cast<size_t>(whole.exponent_), 0);
    all.insert(all.end(), whole.digits_.begin(), whole.digits_.end());
    Decimal quotient;
    quotient.digits_.resize(all.size());
    int remainder = 0;
    for (size_t i = all.size(); i-- > 0;) {
        const int current = remainder * 10 + all[i];
        quotient.digits_[i] = static_cast<uint8_t>(current / divisor);
        remainder = current % divisor;
    }
    quotient.negative_ = whole.negative_;
    quotient.normalise();
    return whole.negative_ && remainder != 0 ? quotient - Decimal(1) : quotient;
}
