#include "data/FixedFormat.h"

#include "data/Numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

__extension__ typedef unsigned __int128 UInt128;

constexpr std::array<uint64_t, 20> kPow10 = [] {
    std::array<uint64_t, 20> p{};
    p[0] = 1;
    for (size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

constexpr char kDigitPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                               "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                               "8081828384858687888990919293949596979899";

void writeFourDigits(char* p, uint32_t v)
{
    std::memcpy(p, kDigitPairs + 2 * (v / 100), 2);
    std::memcpy(p + 2, kDigitPairs + 2 * (v % 100), 2);
}

// v (below 10^count) as exactly `count` digits, leading zeros included.
// Blocks of eight split into independent halves and pairs, so the divisions
// do not wait on each other as a digit-by-digit loop's do.
void writeDigits(char* p, uint64_t v, int count)
{
    int k = count;
    for (; k >= 8; k -= 8) {
        const auto block = static_cast<uint32_t>(v % 100000000);
        v /= 100000000;
        writeFourDigits(p + k - 8, block / 10000);
        writeFourDigits(p + k - 4, block % 10000);
    }
    for (; k >= 2; k -= 2) {
        std::memcpy(p + k - 2, kDigitPairs + 2 * (v % 100), 2);
        v /= 100;
    }
    if (k == 1)
        p[0] = static_cast<char>('0' + v);
}

// The general path for what the fast one leaves: huge, subnormal and
// non-finite values, and decimals beyond its table.
char* generalFixed(char* first, double value, int decimals)
{
    const std::string text = formatValue(value, 0, decimals);
    const size_t length = std::min(text.size(), size_t{511});
    std::memcpy(first, text.data(), length);
    return first + length;
}

// value * 10^decimals rounded exactly from the binary value: the mantissa
// times the power of ten fits 128 bits, and the binary exponent becomes a
// shift whose remainder decides the rounding. Huge, subnormal and tiny
// values are left to the general path (returns nullptr).
char* fastFixed(char* out, double value, int decimals)
{
    if (decimals < 1 || decimals > 15 || !std::isfinite(value))
        return nullptr;
    const uint64_t bits = std::bit_cast<uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    int exponent = 0;
    if (biased == 0) {
        if (mantissa == 0) {
            exponent = -1; // zero: any shift gives 0
        } else {
            return nullptr; // subnormal, prints as zero; rare
        }
    } else {
        mantissa |= uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    if (exponent >= 0 || exponent < -120)
        return nullptr;
    const unsigned shift = static_cast<unsigned>(-exponent);
    const UInt128 product = static_cast<UInt128>(mantissa) * kPow10[static_cast<size_t>(decimals)];
    UInt128 scaled = product >> shift;
    const UInt128 rest = product - (scaled << shift);
    const UInt128 half = UInt128{1} << (shift - 1);
    if (rest >= half)
        ++scaled; // halves go away from zero, as formatValue rounds them

    const uint64_t unit = kPow10[static_cast<size_t>(decimals)];
    uint64_t whole = 0;
    uint64_t fraction = 0;
    if ((scaled >> 64) == 0) { // the usual case spares the 128-bit division
        whole = static_cast<uint64_t>(scaled) / unit;
        fraction = static_cast<uint64_t>(scaled) % unit;
    } else {
        whole = static_cast<uint64_t>(scaled / unit);
        fraction = static_cast<uint64_t>(scaled % unit);
    }
    char* p = out;
    if (negative && scaled != 0)
        *p++ = '-';
    p = std::to_chars(p, p + 24, whole).ptr;
    *p++ = '.';
    writeDigits(p, fraction, decimals);
    return p + decimals;
}

} // namespace

char* writeFixed(char* out, double value, int width, int decimals)
{
    // Written at the far end of the room first, then moved behind the blanks,
    // the number's length being known only once it is written.
    char buffer[512];
    char* end = fastFixed(buffer, value, decimals);
    if (end == nullptr)
        end = generalFixed(buffer, value, decimals);
    const auto length = static_cast<size_t>(end - buffer);
    const size_t blanks = width > 0 && static_cast<size_t>(width) > length ? static_cast<size_t>(width) - length : 0;
    std::memset(out, ' ', blanks);
    std::memcpy(out + blanks, buffer, length);
    return out + blanks + length;
}

void appendFixed(std::string& out, double value, int width, int decimals)
{
    constexpr int kWidestOnStack = 64;
    if (width > kWidestOnStack) {
        const size_t used = out.size();
        out.resize(used + fixedTextRoom(width));
        out.resize(static_cast<size_t>(writeFixed(out.data() + used, value, width, decimals) - out.data()));
        return;
    }
    char buffer[fixedTextRoom(kWidestOnStack)];
    out.append(buffer, writeFixed(buffer, value, width, decimals));
}
