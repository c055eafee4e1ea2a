#pragma once

// The graphic window's drawing surface and its plot routines, without any
// widget: the canvas and its state routines, the mapping of data to pixels,
// the symbols and the three ways of joining a set's points, the frame and the
// axes, and the plot command. The graphic window and the command line both
// drive it; the window shows canvas().image() and mirrors the GraphicState.
//
// Geometry, with W, H the canvas size and M = plotMargin (130), h = M div 2:
// the plot area spans columns h..W-h and rows h..H-h (65..415 on the plot's
// 480 x 480 canvas). Every routine that maps data works on the set numbered
// store.currentSet, whose Y range it uses; all sets share the X range.

#include "data/DataStore.h"
#include "plot/Canvas.h"
#include "plot/Curve.h"
#include "plot/GraphicState.h"

#include <QDateTime>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class PlotCanvas {
public:
    PlotCanvas(DataStore& store, GraphicState& state);

    // The current bitmap's canvas. setCanvasSize replaces its contents and
    // state; the object itself stays, so references to it remain valid.
    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }

    // Whether a new bitmap sets the graphic window back to its standard
    // outer size (the plot's canvas set-up, a JPEG opened) or leaves the
    // window as it is (an image cut to its selection or restored from memory).
    enum class WindowFit { Standard, Keep };
    // Called after setCanvasSize made a new bitmap, so the window can resize
    // itself and show the new picture.
    std::function<void(WindowFit)> onCanvasReplaced;
    // The date and time malXAchse writes; the current local time when unset.
    std::function<QDateTime()> clock;

    // A new white bitmap of the given size with the start state (black 1-pixel
    // solid pen in copy mode, white brush, default font); the previous pixels
    // and pen, brush and font settings are gone.
    void setCanvasSize(uint16_t width, uint16_t height, WindowFit fit = WindowFit::Standard);

    // selectMode off; pen width from the line-width text (ConversionError
    // "'text' ist kein gültiger Integerwert" when it is not an integer, the
    // pen then unchanged), solid, copy mode, drawingColor. Font and brush stay.
    void resetPen();

    // Pen colour := the colour of the current set's colour code (0 black,
    // 1 red, 2 blue, 3 green, 4 fuchsia, 5 lime); other codes leave it as is.
    void PenFarbe();
    // The pen colour of a colour code, nothing for codes without one.
    static std::optional<QRgb> setPenColour(uint8_t code);

    // Pixel column of x and row of y: xFrom maps to column h and xTo to W - h;
    // the current set's yFrom to row H - h + 1 and yTo to h + 1 (one row below
    // the frame lines). Mirrored ranges give mirrored axes. A range of zero
    // width raises FloatError ("Ungültige Gleitkommaoperation" for 0 / 0,
    // "Gleitkommadivision durch Null" otherwise); a result that is no finite
    // integer raises "Ungültige Gleitkommaoperation".
    int mapX(double x) const;
    int mapY(double y) const;

    // v lies in the closed interval between from and to, in either order.
    static bool inRange(double v, double from, double to);
    // (x, y) lies inside the X range and the current set's Y range.
    bool insideRanges(double x, double y) const;

    // The 1-pixel line from mapX/mapY(x1, y1) to (x2, y2), its end pixel left
    // out, in the pen's style, mode and colour; nothing unless both points lie
    // inside the ranges. The pen width is the caller's again afterwards.
    void plotSegment(double x1, double y1, double x2, double y2);

    // Symbol `number` centred on the pixel (x, y) in the current set's colour
    // with a 1-pixel pen (see Symbols.h for the shapes). Afterwards the pen has
    // the set's colour and its former width. A set whose code has no colour is
    // drawn in the pen colour found on entry, and that colour is also what
    // follows every white part of an open symbol.
    void drawSymbol(int x, int y, int number);
    // drawSymbol at the mapped data point when it lies inside the ranges.
    void plotSymbolAt(int number, double x, double y);

    // Straight lines through the current set's points. Runs of points whose X
    // lies within 0.002 x span (the first run) or 0.001 x span (every later
    // run) of the run's first X count as one point at that X with the mean Y,
    // and get a vertical line through their own Y values.
    void plotConnections();
    // The smooth curve through the current set's points (see Curve.h): none
    // for fewer than 4 points or fewer than 4 after merging points within
    // |xTo - xFrom| / 200. The working copy of the points goes into set 0.
    void plotCurve();
    // The dotted least-squares line across the X range, cut where it leaves
    // the set's Y range; drawn only when every point of the set lies inside
    // the ranges and the set's own fit is defined. Leaves a and b, with r = 0,
    // in store.regression.
    void plotRegressionLine();

    static double curveMidValue(CurvePoint p1, CurvePoint p2, CurvePoint p3, CurvePoint p4)
    {
        return ::curveMidValue(p1, p2, p3, p4);
    }

    // The frame h..W-h x h..H-h, 11 ticks 6 pixels long pointing out of every
    // side, and with plotWithGrid the 9 + 9 inner grid lines (dotted at pen
    // width 1, solid when wider), all with the pen resetPen gives.
    void malrahmen();
    // Heading (64, 22), date and time (340, 6), X label (200, 444), comment
    // (10, 462), "File: name" (340, 462) and the six X numbers at
    // (68 + 70 i - 4 len, 424), black "arial" 8 points.
    void malXAchse();
    // For set 1 (left) or 2 (right, offset W - h - 12): the six Y numbers at
    // (offset + 56 - 7 len, 406 - 70 i) and the label written upwards from
    // (4, 270) or (W - 18, 270), in the set's colour; two sample symbols at
    // (12 or W - 12, 116 and 132) when the set shows symbols. Then back to
    // horizontal writing in the name and size of the text tool's font (style
    // and colour stay as the axis left them).
    void malYAchse();

    // The plot command: a new 480 x 480 canvas with the frame, the axes of
    // sets 1 and 2 and every set that holds points, drawn in the order 1 to 9
    // with its switches. With no points anywhere the canvas stays as it is.
    // With the symbol-table tool state it draws the symbol table instead. currentSet is the
    // caller's again afterwards, also after a failure.
    void plotCommand();
    // "Symbol numbers" at (150, 20) and the symbols 0..14 at the data points
    // (xFrom + 40, H - n H / 20) of the current set with their numbers at
    // (h + 160, n (H - M) div 20 + h - 8), on the whitened canvas.
    void symbolTable();
    // Whitens the whole canvas; its size stays.
    void clear();

    // The six numbers of an axis from `from` to `to`, as they are written.
    static QString axisNumber(double from, double to, int i);
    // The date and time text of the plot.
    QString dateTimeText() const;

private:
    int plotWidth() const { return state_.canvasWidth - state_.plotMargin; }
    int plotHeight() const { return state_.canvasHeight - state_.plotMargin; }
    int halfMargin() const { return state_.plotMargin / 2; }
    void useAxisFont();

    // A symbol as the pixels it paints with a solid 1-pixel pen in copy mode,
    // relative to its centre, and where it leaves the pen (when it moves it).
    // In that mode a symbol paints the same colours on the same pixels
    // whatever lies below, so it is drawn once and then stamped.
    struct SymbolStamp {
        int number;
        QRgb colour;
        QRgb brush;
        std::vector<std::pair<QPoint, QRgb>> pixels;
        std::optional<QPoint> penAfter;
    };
    const SymbolStamp& symbolStamp(int number, QRgb colour);

    DataStore& store_;
    GraphicState& state_;
    Canvas canvas_;
    std::vector<SymbolStamp> stamps_;
    std::vector<double> nodeX_; // the curve's nodes, kept between curves
    std::vector<double> nodeY_;
};

// "Show &Symbols": prepares the store and the window state for the symbol
// table (the symbol-table tool state, set 0 current with the Y range 0..canvasHeight, X range
// 0..100), calls showGraphicWindow, which draws it, and restores toolState,
// currentSet, xFrom and xTo, also when drawing fails.
void showSymbolTable(DataStore& store, GraphicState& state, const std::function<void()>& showGraphicWindow);
