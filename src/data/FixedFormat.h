#pragma once

// Fixed-point number text for the data files, appended to a buffer without a
// string per number. The text is exactly what formatValue gives: the value
// rounded to `decimals` digits, "-" for negative values (none when the text
// is all zeros), right-aligned with blanks in `width`, never cut.

#include <string>

void appendFixed(std::string& out, double value, int width, int decimals);
