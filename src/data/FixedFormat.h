#pragma once

// Fixed-point number text for the data files, appended to a buffer without a
// string per number. The text is exactly what formatValue gives: the value
// rounded to `decimals` digits, "-" for negative values (none when the text
// is all zeros), right-aligned with blanks in `width`, never cut.

#include <cstddef>
#include <string>

void appendFixed(std::string& out, double value, int width, int decimals);

// The same text written at `out`, which must have room for
// fixedTextRoom(width) bytes; returns the end of the text.
char* writeFixed(char* out, double value, int width, int decimals);
constexpr size_t fixedTextRoom(int width) { return static_cast<size_t>(width > 0 ? width : 0) + 512; }
