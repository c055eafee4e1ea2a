#include "plot/Curve.h"

#include "plot/FloatMath.h"

#include <cmath>

using FloatMath::divide;

double curveMidValue(CurvePoint p1, CurvePoint p2, CurvePoint p3, CurvePoint p4)
{
    const double s12 = divide(p2.y - p1.y, p2.x - p1.x);
    const double s34 = divide(p4.y - p3.y, p4.x - p3.x);
    return (p2.y + p3.y) / 2 + (s12 - s34) * (p3.x - p2.x) / 12;
}

int mergeCurvePoints(double* xs, double* ys, int n, double tolerance)
{
    int kept = 0;
    int next = 0;
    while (next < n) {
        const double x = xs[next];
        double sum = ys[next];
        int count = 1;
        ++next;
        while (next < n && std::fabs(xs[next] - x) < tolerance) {
            sum += ys[next];
            ++count;
            ++next;
        }
        xs[kept] = x;
        ys[kept] = sum / count;
        ++kept;
    }
    return kept;
}

int buildCurveNodes(const double* xs, const double* ys, int n, double* cx, double* cy)
{
    const int m = curveNodeCount(n);
    auto node = [cx, cy](int i) { return CurvePoint{cx[i], cy[i]}; };

    for (int k = 0; k < n; ++k)
        cx[4 * k] = xs[k];
    for (int k = 1; k <= n - 2; ++k)
        cy[4 * k] = ys[k];

    // The end values move a twelfth of the way towards the line through their
    // two inner neighbours.
    const double s = divide(ys[2] - ys[1], xs[2] - xs[1]);
    cy[0] = 11.0 / 12 * ys[0] + (ys[1] - s * (xs[1] - xs[0])) / 12;
    const double se = divide(ys[n - 2] - ys[n - 3], xs[n - 2] - xs[n - 3]);
    cy[m - 1] = 11.0 / 12 * ys[n - 1] + (ys[n - 2] + se * (xs[n - 1] - xs[n - 2])) / 12;

    for (int k = 1; k <= n - 1; ++k) {
        const int a = 4 * k - 4;
        const int e = 4 * k;
        cx[a + 2] = (cx[a] + cx[e]) / 2;
        cx[a + 1] = (cx[a] + cx[a + 2]) / 2;
        cx[a + 3] = (cx[a + 2] + cx[e]) / 2;
    }

    // Middle nodes: the inner intervals from their neighbours, then the two
    // end intervals, which have a neighbour on one side only.
    for (int k = 2; k <= n - 2; ++k)
        cy[4 * k - 2] = curveMidValue(node(4 * k - 8), node(4 * k - 4), node(4 * k), node(4 * k + 4));
    cy[2] = 11.0 / 12 * (cy[0] + cy[4]) / 2
        + (cy[4] - divide((cx[4] - cx[0]) * (cy[6] - cy[4]), cx[6] - cx[4])) / 12;
    cy[m - 3] = 11.0 / 12 * (cy[m - 5] + cy[m - 1]) / 2
        + (cy[m - 5] + divide((cx[m - 1] - cx[m - 5]) * (cy[m - 5] - cy[m - 7]), cx[m - 5] - cx[m - 7])) / 12;

    // Quarter nodes. The two end formulas are deliberately not mirror images
    // of each other: the curve has always been drawn this way.
    cy[1] = 11.0 / 12 * (cy[0] + cy[2]) / 2
        + (cy[2] - divide((cx[2] - cx[0]) * (cy[4] - cy[2]), cx[4] - cx[2])) / 12;
    cy[m - 2] = 11.0 / 12 * (cy[m - 3] + cy[m - 1]) / 2
        + (cy[m - 3] + divide((cx[m - 1] - cx[m - 2]) * (cy[m - 3] - cy[m - 5]), cx[m - 3] - cx[m - 5])) / 12;
    for (int b = 2; b <= m / 2 - 1; ++b)
        cy[2 * b - 1] = curveMidValue(node(2 * b - 4), node(2 * b - 2), node(2 * b), node(2 * b + 2));

    // Two sweeps, each pulling a node halfway to the chord of its neighbours
    // with the values the sweep has already moved.
    auto pull = [cx, cy](int j) {
        const double chord = cy[j - 1] + divide((cx[j] - cx[j - 1]) * (cy[j + 1] - cy[j - 1]), cx[j + 1] - cx[j - 1]);
        cy[j] = cy[j] * 0.5 + chord * 0.5;
    };
    for (int j = 1; j <= m - 2; ++j)
        pull(j);
    for (int j = m - 2; j >= 1; --j)
        pull(j);
    return m;
}
