#pragma once

// The one store of the program's data: nine numbered X/Y sets (and the
// scratch set 0), their display settings, the plot-wide settings, the current
// set, the unsaved-changes flag and the current file name.
//
// All points live in two arrays allocated once: point i (from 1) of set s is
// element s * kSetCapacity + i - 1. Nothing ever writes past a set's block.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr int kSetSlots = 10;       // sets 0..9; 0 is a scratch set
constexpr int kFirstSet = 1;
constexpr int kLastSet = 9;
constexpr int kSetCapacity = 10000; // points per set
constexpr size_t kLabelLength = 30; // axis labels
constexpr size_t kTextLength = 80;  // heading and comment

// Bits of DataStore::drawFlags.
enum DrawFlag : uint8_t {
    showSymbols = 1,
    connectPoints = 2,
    drawCurve = 4,
    drawRegressionLine = 8,
};

struct RegressionResult {
    double a = 0; // slope
    double b = 0; // intercept
    double r = 0; // correlation coefficient, sign of a
};

struct PlotSettings {
    std::string xLabel = "X";
    double xFrom = 0;
    double xTo = 10;
    std::string heading;
    std::string comment;
    bool showDateTime = true;
    bool showFileName = true;
    bool plotWithGrid = false;
};

enum class MarkUnsaved { Yes, No };

class DataStore {
public:
    // The start-up state: empty sets with their default symbols, flags and
    // colours, set 1 current, default axes, nothing unsaved.
    DataStore();

    std::vector<double> xValues; // kSetSlots * kSetCapacity, never resized
    std::vector<double> yValues;

    std::array<int32_t, kSetSlots> pointCount{};
    std::array<std::string, kSetSlots> yLabel;
    std::array<double, kSetSlots> yFrom{};
    std::array<double, kSetSlots> yTo{};
    std::array<uint8_t, kSetSlots> drawFlags{};
    std::array<uint8_t, kSetSlots> symbolNumber{};
    // Colour code of sets 1..9 (0..5 have colours; other codes leave the
    // colour unchanged). Slot 0 holds kNoColour: the scratch set has none.
    std::array<uint8_t, kSetSlots> setColour{};
    std::array<int32_t, kSetSlots> minYIndex{};
    std::array<int32_t, kSetSlots> maxYIndex{};

    PlotSettings plot;
    int32_t currentSet = 1;
    bool unsavedChanges = false;
    std::string currentFileName;
    uint8_t loadTargetSet = 0;
    double ln10 = 0;
    RegressionResult regression;

    static constexpr uint8_t kNoColour = 255;

    // Point access, i from 1.
    double& x(int s, int i) { return xValues[static_cast<size_t>(s * kSetCapacity + i - 1)]; }
    double& y(int s, int i) { return yValues[static_cast<size_t>(s * kSetCapacity + i - 1)]; }
    double x(int s, int i) const { return xValues[static_cast<size_t>(s * kSetCapacity + i - 1)]; }
    double y(int s, int i) const { return yValues[static_cast<size_t>(s * kSetCapacity + i - 1)]; }
    double* xs(int s) { return xValues.data() + static_cast<size_t>(s) * kSetCapacity; }
    double* ys(int s) { return yValues.data() + static_cast<size_t>(s) * kSetCapacity; }
    const double* xs(int s) const { return xValues.data() + static_cast<size_t>(s) * kSetCapacity; }
    const double* ys(int s) const { return yValues.data() + static_cast<size_t>(s) * kSetCapacity; }

    // The same on the current set.
    double& curX(int i) { return x(currentSet, i); }
    double& curY(int i) { return y(currentSet, i); }
    int32_t& curCount() { return pointCount[static_cast<size_t>(currentSet)]; }

    // Draw flags of the current set.
    void setFlag(uint8_t bit) { drawFlags[static_cast<size_t>(currentSet)] |= bit; }
    void clearFlag(uint8_t bit) { drawFlags[static_cast<size_t>(currentSet)] &= static_cast<uint8_t>(~bit); }
    bool testFlag(uint8_t bit) const { return (drawFlags[static_cast<size_t>(currentSet)] & bit) != 0; }
    bool hasFlag(int s, uint8_t bit) const { return (drawFlags[static_cast<size_t>(s)] & bit) != 0; }

    // Texts are cut silently to their limits (counted in bytes, which are
    // characters in Windows-1252).
    void setYLabel(int s, std::string_view text);
    void setXLabel(std::string_view text);
    void setHeading(std::string_view text);
    void setComment(std::string_view text);

    // Puts the points of set s in ascending order of X, exactly as the
    // exchange sort "for i, for j >= i: if X(j) < X(i) swap" would, and
    // records the positions of the smallest and largest Y (ties keep the
    // lowest position; both are 1 for an empty set). Sorted sets cost one
    // pass, sets with distinct X one std::sort; only equal X values need the
    // exchange sort's own order, which follows from the number of smaller
    // values between the tokens of each group (see DataStore.cpp).
    void sortSet(int s);

    // Copies label, range, extreme positions, count, flags and points of
    // `from` to `to`; symbol number and colour stay the target's own.
    void copySet(int from, int to, MarkUnsaved mark = MarkUnsaved::Yes);

    // Default labels and ranges of sets 1..9 and the X axis; clears
    // unsavedChanges. Counts, values, flags, symbols, colours, heading and
    // comment stay.
    void resetPlotDefaults();
};

// The plain exchange sort, quadratic; the reference sortSet must match.
void exchangeSortReference(double* xs, double* ys, int n);
