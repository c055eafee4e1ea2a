#include "ops/Regression.h"

#include "data/Numbers.h"

#include <cmath>

std::optional<RegressionResult> fitLine(const DataStore& store, int s)
{
    const int n = store.pointCount[static_cast<size_t>(s)];
    if (n < 2)
        return std::nullopt;
    const double* xp = store.xs(s);
    const double* yp = store.ys(s);
    double sx = 0, sy = 0, sxy = 0, sxx = 0, syy = 0;
    for (int i = 0; i < n; ++i) {
        const double x = xp[i];
        const double y = yp[i];
        sx += x;
        sy += y;
        sxy += x * y;
        sxx += x * x;
        syy += y * y;
    }
    const double count = n;
    const double mx = sx / count;
    const double my = sy / count;
    const double vx = sxx / count - mx * mx;
    const double vy = syy / count - my * my;
    // "Not greater than zero" also catches NaN and the slightly negative
    // variances that rounding gives for large, nearly equal values.
    if (!(vx > 0) || !(vy > 0))
        return std::nullopt;
    RegressionResult result;
    result.a = (sxy / count - mx * my) / vx;
    result.b = my - result.a * mx;
    result.r = result.a * std::sqrt(vx) / std::sqrt(vy);
    if (!std::isfinite(result.a) || !std::isfinite(result.b) || !std::isfinite(result.r))
        return std::nullopt;
    return result;
}

void computeRegression(DataStore& store, int s)
{
    if (const auto fit = fitLine(store, s))
        store.regression = *fit;
}

namespace {

RegressionTexts textsOf(const RegressionResult& r, int n)
{
    RegressionTexts texts;
    texts.n = "n = " + std::to_string(n);
    if (n == 0)
        return texts;
    texts.a = "a = " + formatValue(r.a, 1, displayDecimals(r.a));
    texts.b = "b = " + formatValue(r.b, 1, displayDecimals(r.b));
    texts.r = "r = " + formatValue(r.r, 1, displayDecimals(r.r) + 1);
    return texts;
}

} // namespace

RegressionTexts showRegression(DataStore& store)
{
    computeRegression(store, store.currentSet);
    return textsOf(store.regression, store.curCount());
}

RegressionTexts regressionTexts(const DataStore& store, int s)
{
    return textsOf(fitLine(store, s).value_or(store.regression), store.pointCount[static_cast<size_t>(s)]);
}
