#include "data/DataStore.h"

#include <algorithm>
#include <cmath>
#include <numeric>


DataStore::DataStore()
{
    ln10 = std::log(10.0);
    currentFileName.clear();
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        pointCount[s] = 0;
        symbolNumber[s] = static_cast<uint8_t>(s);
        drawFlags[s] = connectPoints | showSymbols;
        setColour[s] = static_cast<uint8_t>(s - 1);
    }
    setColour[0] = kNoColour;
    currentSet = 1;
    xValues.assign(static_cast<size_t>(kSetSlots) * kSetCapacity, 0.0);
    yValues.assign(static_cast<size_t>(kSetSlots) * kSetCapacity, 0.0);
    resetPlotDefaults();
    plot.showDateTime = true;
    plot.showFileName = true;
}

void DataStore::setYLabel(int s, std::string_view text)
{
    yLabel[static_cast<size_t>(s)] = std::string(text.substr(0, kLabelLength));
}

void DataStore::setXLabel(std::string_view text) { plot.xLabel = std::string(text.substr(0, kLabelLength)); }
void DataStore::setHeading(std::string_view text) { plot.heading = std::string(text.substr(0, kTextLength)); }
void DataStore::setComment(std::string_view text) { plot.comment = std::string(text.substr(0, kTextLength)); }

void exchangeSortReference(double* xs, double* ys, int n)
{
    for (int i = 0; i < n; ++i)
        for (int j = i; j < n; ++j)
            if (xs[j] < xs[i]) {
                std::swap(xs[i], xs[j]);
                std::swap(ys[i], ys[j]);
            }
}

namespace {

// The exchange sort "for i, for j >= i: if X(j) < X(i) swap" puts equal X
// values in an order of its own. Followed token by token it costs millions of
// swaps; the order of one group of equal X values v follows from far less:
//
// - Only tokens of value <= v matter. Call the smaller ones S, the group's
//   own E. Larger tokens never change where an E stands relative to the
//   others, nor which S is consumed next.
// - Each pass that places a value below v consumes the first remaining S.
//   When E tokens stand before it, the first of them is the running minimum
//   when the scan reaches it; it is swapped on to the place of that S, past
//   the other E tokens in between. So the leading run of E tokens turns by one.
// - Once no S is left, the E tokens are placed in the order they then have.
//
// So, taking the group's tokens in their original order: append each token
// to a ring, then turn the ring by the number of smaller values between this
// token and the next one of the group (after the last one: up to the end).
// The counts come from a Fenwick tree over the positions of smaller values.
// `order` holds the indices sorted by X and, within equal X, by position; it
// is rearranged into the exchange sort's order.
void exchangeOrderOfEqualX(const double* xs, std::vector<int>& order)
{
    const int n = static_cast<int>(order.size());
    std::vector<int> tree(static_cast<size_t>(n) + 1, 0);
    auto countBefore = [&tree](int position) { // inserted positions < position
        int sum = 0;
        for (int k = position; k > 0; k -= k & -k)
            sum += tree[static_cast<size_t>(k)];
        return sum;
    };
    auto insert = [&tree, n](int position) {
        for (int k = position + 1; k <= n; k += k & -k)
            ++tree[static_cast<size_t>(k)];
    };
    std::vector<int> next(static_cast<size_t>(n));
    std::vector<int> group;
    int inserted = 0;
    for (int first = 0; first < n;) {
        int last = first + 1;
        while (last < n && !(xs[order[static_cast<size_t>(first)]] < xs[order[static_cast<size_t>(last)]]))
            ++last;
        const int size = last - first;
        if (size > 1) {
            group.assign(order.begin() + first, order.begin() + last);
            // The ring as a cyclic list over the group's slots: head is the
            // first token, tail the one before it.
            int head = 0;
            int tail = 0;
            next[0] = 0;
            for (int j = 0; j < size; ++j) {
                if (j > 0) {
                    next[static_cast<size_t>(tail)] = j;
                    next[static_cast<size_t>(j)] = head;
                    tail = j;
                }
                const int here = group[static_cast<size_t>(j)];
                const int smallerAfter = j + 1 < size
                    ? countBefore(group[static_cast<size_t>(j + 1)]) - countBefore(here)
                    : inserted - countBefore(here);
                for (int turns = smallerAfter % (j + 1); turns > 0; --turns) {
                    tail = head;
                    head = next[static_cast<size_t>(head)];
                }
            }
            for (int t = 0, slot = head; t < size; ++t, slot = next[static_cast<size_t>(slot)])
                order[static_cast<size_t>(first + t)] = group[static_cast<size_t>(slot)];
        }
        for (int k = first; k < last; ++k)
            insert(order[static_cast<size_t>(k)]);
        inserted += size;
        first = last;
    }
}

} // namespace

void DataStore::sortSet(int s)
{
    const int n = pointCount[static_cast<size_t>(s)];
    double* xp = xs(s);
    double* yp = ys(s);

    bool sorted = true;
    for (int i = 1; i < n; ++i)
        if (xp[i] < xp[i - 1]) {
            sorted = false;
            break;
        }

    if (!sorted) {
        std::vector<int> order(static_cast<size_t>(n));
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(),
                  [xp](int a, int b) { return xp[a] < xp[b] || (!(xp[b] < xp[a]) && a < b); });
        bool distinct = true;
        for (int i = 1; i < n && distinct; ++i)
            distinct = xp[order[static_cast<size_t>(i - 1)]] < xp[order[static_cast<size_t>(i)]];
        // With distinct X only one order is possible, so any sort gives the
        // exchange sort's result; equal X values need its own order.
        if (!distinct)
            exchangeOrderOfEqualX(xp, order);
        std::vector<double> tmp(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            tmp[static_cast<size_t>(i)] = xp[order[static_cast<size_t>(i)]];
        std::copy(tmp.begin(), tmp.end(), xp);
        for (int i = 0; i < n; ++i)
            tmp[static_cast<size_t>(i)] = yp[order[static_cast<size_t>(i)]];
        std::copy(tmp.begin(), tmp.end(), yp);
    }

    int minIndex = 1;
    int maxIndex = 1;
    for (int i = 2; i <= n; ++i) {
        if (yp[i - 1] < yp[minIndex - 1])
            minIndex = i;
        if (yp[i - 1] > yp[maxIndex - 1])
            maxIndex = i;
    }
    minYIndex[static_cast<size_t>(s)] = minIndex;
    maxYIndex[static_cast<size_t>(s)] = maxIndex;
}

void DataStore::copySet(int from, int to, MarkUnsaved mark)
{
    const auto f = static_cast<size_t>(from);
    const auto t = static_cast<size_t>(to);
    yLabel[t] = yLabel[f].substr(0, kLabelLength);
    yFrom[t] = yFrom[f];
    yTo[t] = yTo[f];
    minYIndex[t] = minYIndex[f];
    maxYIndex[t] = maxYIndex[f];
    pointCount[t] = pointCount[f];
    drawFlags[t] = drawFlags[f];
    const int n = std::clamp(pointCount[f], 0, kSetCapacity);
    if (from != to) {
        std::copy_n(xs(from), n, xs(to));
        std::copy_n(ys(from), n, ys(to));
    }
    if (mark == MarkUnsaved::Yes)
        unsavedChanges = true;
}

void DataStore::resetPlotDefaults()
{
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        yLabel[static_cast<size_t>(s)] = "Y";
        yFrom[static_cast<size_t>(s)] = 0;
        yTo[static_cast<size_t>(s)] = 10;
    }
    plot.xLabel = "X";
    plot.xFrom = 0;
    plot.xTo = 10;
    unsavedChanges = false;
}
