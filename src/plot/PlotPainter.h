#pragma once

// The plot routines, written once against the drawing interface: the mapping
// of data to the canvas, the symbols and the three ways of joining a set's
// points, the frame and the axes, the symbol table and the plot command. The
// raster PlotCanvas runs them on its Canvas; vector export runs the very same
// code on a VectorCanvas. See PlotCanvas.h for what each routine draws.

#include "data/DataStore.h"
#include "plot/CanvasPoint.h"
#include "plot/Curve.h"
#include "plot/DrawingSurface.h"
#include "plot/GraphicState.h"

#include <QDateTime>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// A symbol as the pixels it paints on the raster with a solid 1-pixel pen in
// copy mode, relative to its centre, and where it leaves the pen (when it
// moves it). In that mode a symbol paints the same colours on the same pixels
// whatever lies below, so it is drawn once and then stamped.
struct SymbolStamp {
    // The pixels painted next to each other in row dy from column dx on:
    // count colours from colours[first] on.
    struct Run {
        int dy;
        int dx;
        int count;
        int first;
    };
    int number;
    QRgb colour;
    QRgb brush;
    std::vector<Run> runs;
    std::vector<QRgb> colours;
    // The smallest box around the runs (empty without any).
    QRect box;
    std::optional<QPoint> penAfter;
};

// What the routines keep or ask for outside the store, the state and the
// surface: the curve's node arrays (kept between curves), the raster's symbol
// stamps, the clock of the date line, and the owner's way of starting a new
// canvas.
struct PlotContext {
    std::vector<double> nodeX;
    std::vector<double> nodeY;
    std::vector<SymbolStamp> stamps;
    // The date and time malXAchse writes; the current local time when unset.
    std::function<QDateTime()> clock;
    // A new white canvas of the given size in the start state; the state's
    // canvasWidth and canvasHeight are set before it is called.
    std::function<void(uint16_t, uint16_t)> newCanvas;
};

template <DrawingSurface Surface>
class PlotPainter {
public:
    PlotPainter(DataStore& store, GraphicState& state, Surface& surface, PlotContext& context)
        : store_(store), state_(state), s_(surface), context_(context)
    {
    }

    void setCanvasSize(uint16_t width, uint16_t height);
    void resetPen();
    void PenFarbe();
    // The unrounded column and row of a value: the pixel is its truncation
    // (the row plus one); FloatError as PlotCanvas::mapX and mapY say.
    double exactX(double x) const;
    double exactY(double y) const;
    int mapX(double x) const;
    int mapY(double y) const;
    // The pixel of a data point with the offset of the exact value in it.
    CanvasPoint mapPoint(double x, double y) const;
    bool insideRanges(double x, double y) const;
    void plotSegment(double x1, double y1, double x2, double y2);
    void drawSymbol(CanvasPoint centre, int number);
    void plotSymbolAt(int number, double x, double y);
    // The current set's symbol at each of its points inside the ranges.
    void plotSymbols();
    void plotConnections();
    void plotCurve();
    void plotRegressionLine();
    void malrahmen();
    void malXAchse();
    void malYAchse();
    // True when it drew (the plot or the symbol table), false when no set
    // holds points and the canvas was left alone.
    bool plotCommand();
    // Whether plotCommand will draw, asked before it runs.
    bool plotDraws() const;
    void symbolTable();
    void clear();
    QString dateTimeText() const;

private:
    int plotWidth() const { return state_.canvasWidth - state_.plotMargin; }
    int plotHeight() const { return state_.canvasHeight - state_.plotMargin; }
    int halfMargin() const { return state_.plotMargin / 2; }
    void useAxisFont();
    // The raster draws a symbol in copy mode with a solid pen as a stamp.
    bool stampsSymbols() const;
    const SymbolStamp& symbolStamp(int number, QRgb colour);

    DataStore& store_;
    GraphicState& state_;
    Surface& s_;
    PlotContext& context_;
};

// The pen colour of a set colour code (0 black, 1 red, 2 blue, 3 green,
// 4 fuchsia, 5 lime), nothing for codes without one.
std::optional<QRgb> setPenColour(uint8_t code);

// The i-th of the six numbers of an axis from `from` to `to`, as written.
QString axisNumber(double from, double to, int i);
