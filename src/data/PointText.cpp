#include "data/PointText.h"

#include <algorithm>
#include <charconv>

namespace {

void appendShortest(std::string& out, double value)
{
    char buffer[32];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// The most significant digits that fit the field; trailing zeros go.
void appendFitting(std::string& out, double value, size_t field)
{
    char buffer[40];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    for (int digits = 16; end - buffer > static_cast<std::ptrdiff_t>(field) && digits > 0; --digits)
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits).ptr;
    out.append(buffer, end);
}

} // namespace

std::string pointsAsText(const DataStore& store, int s)
{
    std::string out;
    if (s < kFirstSet || s > kLastSet)
        return out;
    const int n = std::clamp(store.pointCount[static_cast<size_t>(s)], 0, kSetCapacity);
    out.reserve(static_cast<size_t>(n) * 24);
    for (int i = 1; i <= n; ++i) {
        appendShortest(out, store.x(s, i));
        out += '\t';
        appendFitting(out, store.y(s, i), kPlainYField);
        out += '\n';
    }
    return out;
}
