#pragma once

// The program's one number syntax and the rules for showing numbers.

#include <string>
#include <string_view>

struct ParsedNumber {
    double value = 0; // 0 whenever ok is false
    bool ok = false;
};

// Leading blanks (spaces only), an optional sign, digits with an optional
// point (either side may be empty; a lone point is 0), an optional exponent
// E/e with optional sign and at least one digit. Nothing may follow. The
// decimal separator is always the point, whatever the locale. A value beyond
// the range of a double (1e999) is invalid, so no stored value is ever
// infinite or NaN; a value below the smallest double reads as 0.
ParsedNumber parseNumber(std::string_view text);

// Decimals (0..4) used to show x: 4 below 0.99999, 3 below 9.9999, 2 below
// 99.999, 1 below 999.99, else 0. The limit is compared in extended precision,
// so a value equal to a printed limit as a double falls into the next lower
// bracket (0.99999 gives 3, 999.99 gives 0).
int displayDecimals(double x);

// Fixed-point text of x with exactly `decimals` digits after the point (no
// point for 0 decimals), rounded, "-" for negative values, right-aligned with
// spaces in `width` characters; longer text is not cut. A value that rounds
// to zero is written without a sign.
std::string formatValue(double x, int width, int decimals);

// The shown form of a value: formatValue(x, width, displayDecimals(x)).
std::string formatShown(double x, int width = 1);

// Whole-number conversion of a text as a typed integer field takes it:
// optional blanks, optional sign, decimal digits, nothing after. Throws
// ConversionError "'text' ist kein gültiger Integerwert" otherwise.
int toInteger(std::string_view text);
