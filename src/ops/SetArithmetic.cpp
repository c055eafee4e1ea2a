#include "ops/SetArithmetic.h"

#include "data/Numbers.h"
#include "ops/Calculus.h"
#include "ops/FloatCheck.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

template <typename Pred>
bool anyOf(const double* values, int n, Pred pred)
{
    return std::any_of(values, values + n, pred);
}

// Writes op(v) of every source value into out, checking each result.
template <typename Op>
void transform(const double* source, int n, double* out, Op op)
{
    for (int i = 0; i < n; ++i) {
        const double v = op(source[i]);
        requireFinite(v);
        out[i] = v;
    }
}

ParsedNumber formulaNumber(std::string t)
{
    if (const size_t comma = t.find(','); comma != std::string::npos)
        t[comma] = '.';
    std::erase_if(t, [](char c) { return !((c >= '0' && c <= '9') || c == '-' || c == '.'); });
    return parseNumber(t);
}

} // namespace

CalculationResult applyCalculation(DataStore& store, std::string_view formula)
{
    const int c = store.currentSet;
    store.sortSet(c);

    std::string t(formula);
    for (char& ch : t)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    const bool hasX = t.find('X') != std::string::npos;
    const bool hasY = t.find('Y') != std::string::npos;
    if (hasX == hasY && t.find('S') == std::string::npos)
        return {};
    const size_t at = t.find_first_of("+-*/L^SR");
    if (at == std::string::npos)
        return {};
    const char op = t[at];
    if (op == 'S')
        return {CalculationOutcome::SlopeChanged, changeSlope(store, formula).errorPosition};

    const int n = store.pointCount[static_cast<size_t>(c)];
    const double* xs = store.xs(c);
    const double* ys = store.ys(c);
    // The values that are changed are always checked, also when the formula
    // names neither X nor Y (a slope letter further on) and so works on Y.
    const bool checkX = hasX;
    const bool checkY = hasY || !hasX;
    auto refusedIf = [&](auto pred) {
        return (checkX && anyOf(xs, n, pred)) || (checkY && anyOf(ys, n, pred));
    };

    ParsedNumber k;
    if (op == '+' || op == '-' || op == '*' || op == '/') {
        k = formulaNumber(t);
        if (!k.ok || (op == '/' && std::fabs(k.value) < 1e-37))
            return {CalculationOutcome::Refused};
    } else if (op == 'L') {
        if (refusedIf([](double v) { return v <= 1e-37; }))
            return {CalculationOutcome::LogarithmRefused};
    } else if (op == '^') {
        if (refusedIf([](double v) { return v > 1000 || v == 0; }))
            return {CalculationOutcome::Refused};
    } else if (op == 'R') {
        if ((checkX && anyOf(xs, n, [](double v) { return v == 0; }))
            || (checkY && anyOf(ys, n, [](double v) { return std::fabs(v) < 1e-100; })))
            return {CalculationOutcome::Refused};
    }

    // Into the scratch set first: a value that overflows leaves the set whole.
    double* target = hasX ? store.xs(c) : store.ys(c);
    double* scratch = hasX ? store.xs(0) : store.ys(0);
    const double kv = k.value;
    const double ln10 = store.ln10;
    switch (op) {
    case '+':
    case '-': transform(target, n, scratch, [kv](double v) { return v + kv; }); break;
    case '*': transform(target, n, scratch, [kv](double v) { return v * kv; }); break;
    case '/': transform(target, n, scratch, [kv](double v) { return v / kv; }); break;
    case 'L': transform(target, n, scratch, [ln10](double v) { return std::log(v) / ln10; }); break;
    case '^': transform(target, n, scratch, [ln10](double v) { return std::exp(v * ln10); }); break;
    case 'R': transform(target, n, scratch, [](double v) { return 1 / v; }); break;
    default: break;
    }
    std::copy_n(scratch, n, target);
    return {CalculationOutcome::Applied};
}
