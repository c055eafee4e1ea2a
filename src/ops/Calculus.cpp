#include "ops/Calculus.h"

#include "data/Numbers.h"
#include "ops/FloatCheck.h"

#include <algorithm>
#include <string>

namespace {

bool nextSetTakes(const DataStore& store, int minimumPoints)
{
    const int c = store.currentSet;
    return c < kLastSet && store.pointCount[static_cast<size_t>(c + 1)] == 0
        && store.pointCount[static_cast<size_t>(c)] >= minimumPoints;
}

// The scratch set's first `count` points become set t with its new label.
void commitToNextSet(DataStore& store, int count, const char* label)
{
    const int c = store.currentSet;
    const int t = c + 1;
    std::copy_n(store.xs(0), count, store.xs(t));
    std::copy_n(store.ys(0), count, store.ys(t));
    store.pointCount[static_cast<size_t>(t)] = count;
    store.setYLabel(t, label + std::to_string(c));
}

} // namespace

bool deriveIntoNextSet(DataStore& store)
{
    int count = 0;
    if (nextSetTakes(store, 3)) {
        const int c = store.currentSet;
        const int n = store.pointCount[static_cast<size_t>(c)];
        const double* x = store.xs(c);
        const double* y = store.ys(c);
        double* dx0 = store.xs(0);
        double* dy0 = store.ys(0);
        for (int k = 1; k < n; ++k) {
            const double dx = x[k] - x[k - 1];
            if (dx == 0)
                continue;
            const double middle = (x[k] + x[k - 1]) * 0.5;
            const double quotient = (y[k] - y[k - 1]) / dx;
            requireFinite(dx);
            requireFinite(middle);
            requireFinite(quotient);
            dx0[count] = middle;
            dy0[count] = quotient;
            ++count;
        }
        if (count > 0)
            commitToNextSet(store, count, "Derivative from set # ");
    }
    store.unsavedChanges = true;
    return count > 0;
}

bool integrateIntoNextSet(DataStore& store)
{
    const bool takes = nextSetTakes(store, 2);
    if (takes) {
        const int c = store.currentSet;
        const int n = store.pointCount[static_cast<size_t>(c)];
        const double* x = store.xs(c);
        const double* y = store.ys(c);
        double* ix = store.xs(0);
        double* iy = store.ys(0);
        double s = 0;
        for (int k = 1; k < n; ++k) {
            s = (y[k] + y[k - 1]) * 0.5 * (x[k] - x[k - 1]) + s;
            requireFinite(s);
            ix[k - 1] = x[k];
            iy[k - 1] = s;
        }
        commitToNextSet(store, n - 1, "INTEGRAL from set # ");
    }
    store.unsavedChanges = true;
    return takes;
}

int numberErrorPosition(std::string_view t)
{
    auto isDigit = [](char ch) { return ch >= '0' && ch <= '9'; };
    const size_t n = t.size();
    size_t i = 0;
    while (i < n && t[i] == ' ')
        ++i;
    if (i < n && (t[i] == '+' || t[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < n && isDigit(t[i]))
        ++i, ++digits;
    bool point = false;
    if (i < n && t[i] == '.') {
        point = true;
        ++i;
        while (i < n && isDigit(t[i]))
            ++i;
    }
    if (digits == 0 && !point)
        return static_cast<int>(i) + 1;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            ++i;
        if (i == n || !isDigit(t[i]))
            return static_cast<int>(i) + 1;
        while (i < n && isDigit(t[i]))
            ++i;
    }
    if (i != n)
        return static_cast<int>(i) + 1;
    // Well formed, yet beyond the range of doubles.
    if (!parseNumber(t).ok)
        return static_cast<int>(n) + 1;
    return 0;
}

SlopeChange changeSlope(DataStore& store, std::string_view text)
{
    std::string t(text);
    if (const size_t comma = t.find(','); comma != std::string::npos)
        t[comma] = '.';
    const size_t start = t.find_first_of("0123456789-.");
    t.erase(0, start == std::string::npos ? t.size() : start);

    const ParsedNumber k = parseNumber(t);
    const int position = k.ok ? 0 : numberErrorPosition(t);
    store.regression.a = k.value;

    const int c = store.currentSet;
    const int n = store.pointCount[static_cast<size_t>(c)];
    if (position == 0 && n >= 2) {
        const double* x = store.xs(c);
        double* y = store.ys(c);
        double* scratch = store.ys(0);
        for (int i = 1; i < n; ++i) {
            const double v = (x[i] - x[0]) * k.value + y[i];
            requireFinite(v);
            scratch[i] = v;
        }
        std::copy(scratch + 1, scratch + n, y + 1);
    }
    return {position};
}
