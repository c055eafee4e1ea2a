#include "data/DataFileScanner.h"

#include "data/Errors.h"
#include "data/Messages.h"
#include "data/Numbers.h"

#include <cstdint>
#include <cstring>

namespace {

// Blanks, tabs, line ends and the other control characters separate numbers.
bool isSeparator(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b <= 0x20 || b == 0x7F;
}


constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Eight ASCII digits at p as their number; false when one of them is no
// digit. The digits are combined pairwise inside one 64-bit word.
bool eightDigits(const char* p, uint64_t& value)
{
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    if ((((word + 0x4646464646464646u) | (word - 0x3030303030303030u)) & 0x8080808080808080u) != 0)
        return false;
    word -= 0x3030303030303030u;
    word = word * 10 + (word >> 8); // pairs of digits, in every other byte
    constexpr uint64_t kPairs = 0x000000FF000000FFu;
    word = ((word & kPairs) * (100 + (uint64_t{1000000} << 32)) + ((word >> 16) & kPairs) * (1 + (uint64_t{10000} << 32))) >> 32;
    value = word;
    return true;
}

// A run of digits from p (before end) added to mantissa; returns the end of
// the run. Runs longer than a double holds exactly are caught by the caller's
// digit count, so the wrap-around of a long run does not matter.
const char* digitRun(const char* p, const char* end, uint64_t& mantissa)
{
    uint64_t eight = 0;
    while (end - p >= 8 && eightDigits(p, eight)) {
        mantissa = mantissa * 100000000u + eight;
        p += 8;
    }
    while (p != end && static_cast<unsigned>(*p - '0') < 10)
        mantissa = mantissa * 10 + static_cast<uint64_t>(*p++ - '0');
    return p;
}

// The common token of a data file, [-]digits[.digits] with at most 15
// digits, read from p up to the next separator without the general parser:
// mantissa and power of ten are both exact doubles, so the one division is
// correctly rounded and gives the same value parseNumber does. Returns the
// end of the token, or nullptr for anything else.
const char* plainDecimal(const char* p, const char* const end, double& value)
{
    const bool negative = p != end && *p == '-';
    if (negative)
        ++p;
    uint64_t mantissa = 0;
    const char* const digitsStart = p;
    p = digitRun(p, end, mantissa);
    long digits = p - digitsStart;
    long decimals = 0;
    if (p != end && *p == '.') {
        const char* const fractionStart = ++p;
        p = digitRun(p, end, mantissa);
        decimals = p - fractionStart;
        digits += decimals;
    }
    if ((p != end && !isSeparator(*p)) || digits == 0 || digits > 15)
        return nullptr;
    const double magnitude = static_cast<double>(mantissa) / kPow10[decimals];
    value = negative ? -magnitude : magnitude;
    return p;
}

} // namespace

DataFileScanner::DataFileScanner(std::string_view bytes, std::string fileName, size_t start, int line)
    : bytes_(bytes), fileName_(std::move(fileName)), pos_(start), line_(line), tokenLine_(line)
{
}

bool DataFileScanner::onlyBlanksLeft() const
{
    for (size_t i = pos_; i < bytes_.size(); ++i)
        if (!isSeparator(bytes_[i]))
            return false;
    return true;
}

void DataFileScanner::skipLineEnd()
{
    if (pos_ >= bytes_.size())
        return;
    if (bytes_[pos_] == '\r') {
        ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n')
            ++pos_;
        ++line_;
    } else if (bytes_[pos_] == '\n') {
        ++pos_;
        ++line_;
    }
}

std::string_view DataFileScanner::readLine()
{
    const size_t start = pos_;
    const size_t n = bytes_.size();
    while (pos_ < n && bytes_[pos_] != '\n' && bytes_[pos_] != '\r')
        ++pos_;
    const std::string_view text = bytes_.substr(start, pos_ - start);
    skipLineEnd();
    return text;
}

// Both readers of a number line share this body, inlined into each: the
// plain value is the hot path of every KWT read.
[[gnu::always_inline]] inline NumberToken DataFileScanner::scanNumberToken()
{
    const size_t n = bytes_.size();
    while (pos_ < n && isSeparator(bytes_[pos_])) {
        if (bytes_[pos_] == '\r' || bytes_[pos_] == '\n')
            skipLineEnd();
        else
            ++pos_;
    }
    tokenLine_ = line_;
    if (pos_ >= n)
        return {};

    const size_t start = pos_;
    const char* const data = bytes_.data();
    double fast = 0;
    if (const char* tokenEnd = plainDecimal(data + start, data + n, fast)) {
        pos_ = static_cast<size_t>(tokenEnd - data);
        const std::string_view token = bytes_.substr(start, pos_ - start);
        // Mostly the line ends right behind the number.
        std::string_view rest;
        if (pos_ < n && (data[pos_] == '\r' || data[pos_] == '\n'))
            skipLineEnd();
        else
            rest = readLine();
        return {fast, token, rest};
    }

    // The whole token, however long: the writer puts out numbers of any
    // length (1e70 has 71 digits before the point) and they must read back.
    while (pos_ < n && !isSeparator(bytes_[pos_]))
        ++pos_;
    const std::string_view token = bytes_.substr(start, pos_ - start);
    const std::string_view rest = readLine(); // the rest of the number's line

    const ParsedNumber number = parseNumber(token);
    if (!number.ok)
        throw InputError(Messages::message(Messages::InvalidNumericInputAt, {fileName_, std::to_string(tokenLine_)}),
                         fileName_, tokenLine_);
    return {number.value, token, rest};
}

double DataFileScanner::readNumberLine()
{
    return scanNumberToken().value;
}

NumberToken DataFileScanner::readNumberToken()
{
    return scanNumberToken();
}
