#pragma once

// The smooth curve through a set's points: a polyline through 4N - 3 nodes
// (every merged data point, the middle and the two quarter points of every
// interval), nudged by two smoothing sweeps. Pure arithmetic on arrays, so the
// nodes can be checked without drawing; PlotCanvas::plotCurve draws them.
//
// Every division is checked: a zero divisor raises FloatError, "Ungültige
// Gleitkommaoperation" for 0 / 0 and "Gleitkommadivision durch Null" for any
// other value, so no NaN or infinity comes out of a zero-width interval.

struct CurvePoint {
    double x = 0;
    double y = 0;
};

// The value halfway between p2 and p3 estimated from their chord and the
// slopes of the outer intervals p1-p2 and p3-p4.
double curveMidValue(CurvePoint p1, CurvePoint p2, CurvePoint p3, CurvePoint p4);

// Merges runs of points in place: each kept point absorbs the points after it
// whose X differs from its own X by less than tolerance, and takes the mean Y
// of the run; its X stays. Returns the number of points left.
int mergeCurvePoints(double* xs, double* ys, int n, double tolerance);

constexpr int curveNodeCount(int points) { return 4 * points - 3; }

// Fills cx and cy (room for curveNodeCount(n) values each) with the nodes of
// the n >= 4 merged points xs/ys in ascending X, after both sweeps. Returns the
// node count.
int buildCurveNodes(const double* xs, const double* ys, int n, double* cx, double* cy);

// Calls segment(x1, y1, x2, y2) for every line of the curve through the nodes:
// the first and the last node interval as they are, every inner interval split
// at its middle, 2 + 2 (nodes - 3) segments in all.
template <class Segment>
void forEachCurveSegment(const double* cx, const double* cy, int nodes, Segment&& segment)
{
    segment(cx[0], cy[0], cx[1], cy[1]);
    segment(cx[nodes - 2], cy[nodes - 2], cx[nodes - 1], cy[nodes - 1]);
    for (int b = 2; b <= nodes - 2; ++b) {
        const double qx = (cx[b - 1] + cx[b]) / 2;
        const double qy = curveMidValue({cx[b - 2], cy[b - 2]}, {cx[b - 1], cy[b - 1]}, {cx[b], cy[b]},
                                        {cx[b + 1], cy[b + 1]});
        segment(cx[b - 1], cy[b - 1], qx, qy);
        segment(qx, qy, cx[b], cy[b]);
    }
}
