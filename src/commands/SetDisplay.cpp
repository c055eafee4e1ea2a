#include "commands/SetDisplay.h"

#include "data/Numbers.h"

namespace commands {

namespace {

// An axis end as its field shows it: the decimals follow from the range.
std::string axisEnd(double value, double lower, double upper)
{
    return formatValue(value, 1, displayDecimals((upper - lower) * 101));
}

// Shows both ends of a range and stores each back as shown; the upper end is
// formatted after the lower one was stored, as the fields' change handlers
// have always done it.
void showRange(double& lower, double& upper, std::string& lowerText, std::string& upperText)
{
    lowerText = axisEnd(lower, lower, upper);
    lower = parseNumber(lowerText).value;
    upperText = axisEnd(upper, lower, upper);
    upper = parseNumber(upperText).value;
}

void extremeTexts(const DataStore& store, int s, SetDisplay& d)
{
    const auto si = static_cast<size_t>(s);
    const int n = store.pointCount[si];
    if (n < 1) {
        d.minX.clear();
        d.maxX.clear();
        d.minY.clear();
        d.maxY.clear();
        return;
    }
    d.minX = "min. value " + formatShown(store.x(s, 1));
    d.maxX = "max. value " + formatShown(store.x(s, n));
    d.minY = "min. value " + formatShown(store.y(s, store.minYIndex[si]));
    d.maxY = "max. value " + formatShown(store.y(s, store.maxYIndex[si]));
}

} // namespace

void showCurrentSet(Workspace& ws)
{
    DataStore& store = ws.store;
    SetDisplay& d = ws.display;
    const int s = store.currentSet;
    const auto si = static_cast<size_t>(s);
    showRange(store.plot.xFrom, store.plot.xTo, d.xFrom, d.xTo);
    showRange(store.yFrom[si], store.yTo[si], d.yFrom, d.yTo);
    d.regression = showRegression(store);
    store.sortSet(s);
    extremeTexts(store, s, d);
    ws.grid.showPoints(store.xs(s), store.ys(s), store.pointCount[si]);
}

SetDisplay describeCurrentSet(const DataStore& store)
{
    SetDisplay d;
    const int s = store.currentSet;
    const auto si = static_cast<size_t>(s);
    d.xFrom = axisEnd(store.plot.xFrom, store.plot.xFrom, store.plot.xTo);
    d.xTo = axisEnd(store.plot.xTo, store.plot.xFrom, store.plot.xTo);
    d.yFrom = axisEnd(store.yFrom[si], store.yFrom[si], store.yTo[si]);
    d.yTo = axisEnd(store.yTo[si], store.yFrom[si], store.yTo[si]);
    d.regression = regressionTexts(store, s);
    extremeTexts(store, s, d);
    return d;
}

void readGridIntoSet(Workspace& ws)
{
    DataStore& store = ws.store;
    const int s = store.currentSet;
    if (s < kFirstSet || s > kLastSet)
        return;
    const int k = ws.grid.readPoints(store.xs(s), store.ys(s), kSetCapacity);
    store.pointCount[static_cast<size_t>(s)] = k;
    ws.grid.setHeaderText(0, "[" + std::to_string(k) + "]");
    ws.grid.setGridRowCount(k + 20);
}

} // namespace commands
