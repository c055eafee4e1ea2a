// The number syntax on any text: parseNumber against the C library's own
// conversion, the data file scanner's fast path against parseNumber, the
// integer fields against both, and the shown and written forms of every
// value read back to what they show.

#include "FuzzCheck.h"

#include "data/DataFileScanner.h"
#include "data/Numbers.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool sameDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void checkParsed(const std::string& text, const ParsedNumber& number)
{
    if (!number.ok) {
        fuzzcheck::require(number.value == 0, "a refused number has a value");
        return;
    }
    fuzzcheck::require(std::isfinite(number.value), "a valid number is not finite: " + text);
    const size_t mantissaEnd = text.find_first_of("eE");
    if (text.substr(0, mantissaEnd).find_first_of("0123456789") == std::string::npos) {
        // A lone point, which the C library does not take, is 0.
        fuzzcheck::require(number.value == 0, "a number without digits is not 0: " + text);
        return;
    }
    // The C library reads every text of the program's syntax to the same
    // value (in the C locale, which the fuzz run keeps).
    char* end = nullptr;
    const double reference = std::strtod(text.c_str(), &end);
    fuzzcheck::require(end == text.c_str() + text.size(), "strtod stops early in " + text);
    fuzzcheck::require(sameDouble(reference, number.value) || (reference == 0 && number.value == 0)
                           || (std::fabs(reference) < 2.3e-308 && std::fabs(number.value) < 2.3e-308),
                       "parseNumber differs from strtod for " + text);
}

// Shown and written forms of a value parse back to it within their
// rounding, and the shortest form parses back exactly.
void checkForms(double value)
{
    const int decimals = displayDecimals(value);
    fuzzcheck::require(decimals >= 0 && decimals <= 4, "displayDecimals out of 0..4");
    for (int d : {decimals, 4, 10}) {
        const std::string shown = formatValue(value, 16, d);
        fuzzcheck::require(shown.size() >= 16, "formatValue narrower than its width");
        const ParsedNumber back = parseNumber(shown);
        fuzzcheck::require(back.ok, "formatValue gives a text parseNumber refuses: " + shown);
        const double step = std::pow(10.0, -d);
        fuzzcheck::require(std::fabs(back.value - value) <= step / 2 + std::fabs(value) * 1e-15,
                           "formatValue off by more than half its last digit: " + shown);
        fuzzcheck::require(formatValue(back.value, 16, d) == shown || std::fabs(value) >= 1e15,
                           "formatValue not stable: " + shown);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 400)
        return 0; // longer texts take the same paths
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (text.find('\0') != std::string::npos)
        return 0; // strtod cannot see past it; the scanner test covers NUL bytes

    const ParsedNumber number = parseNumber(text);
    checkParsed(text, number);
    if (number.ok)
        checkForms(number.value);

    // A whole-number field takes a subset of the syntax, to the same value.
    int whole = 0;
    if (fuzzcheck::attempt([&] { whole = toInteger(text); })) {
        fuzzcheck::require(number.ok && number.value == whole, "toInteger and parseNumber differ for " + text);
    }

    // A token of a data file's number line reads as parseNumber reads it,
    // whichever path the scanner takes.
    auto separator = [](char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F; };
    size_t first = 0;
    while (first < text.size() && separator(text[first]))
        ++first;
    if (first < text.size()) {
        const std::string line = text.substr(first);
        size_t tokenEnd = 0;
        while (tokenEnd < line.size() && !separator(line[tokenEnd]))
            ++tokenEnd;
        const ParsedNumber token = parseNumber(line.substr(0, tokenEnd));
        DataFileScanner scanner(line, "fuzz.kwt");
        double scanned = 0;
        const bool read = fuzzcheck::attempt([&] { scanned = scanner.readNumberLine(); });
        fuzzcheck::require(read == token.ok, "the scanner and parseNumber disagree on validity: " + line);
        if (read) {
            fuzzcheck::require(sameDouble(scanned, token.value), "the scanner reads another value: " + line);
        }
    }
    return 0;
}
