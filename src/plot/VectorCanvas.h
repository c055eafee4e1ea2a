#pragma once

// The vector surface of the plot: it takes the same calls as the raster
// Canvas (see DrawingSurface.h) and draws them later onto any QPainter, so an
// SVG generator or a PDF writer gets the plot as lines, boxes and text at the
// canvas's size in canvas units, with data at their exact positions.
//
// Geometry, with P(p) = (p.x + 0.5 + p.dx, p.y + 0.5 + p.dy), the centre of
// the pixel moved by the point's offset:
// - a line is a stroke from P(from) to P(to), 1 unit wide with square caps
//   (wider pens: round caps and joins); dotted and dashed lines keep the
//   raster's pattern, one dot or dash per pixel step along the line, starting
//   on the first pixel;
// - a rectangle's outline is the closed stroke through the centres of its
//   border pixels (a box one pixel wide or high: the filled box), its
//   interior the box inside the stroke, filled in the brush colour;
// - fillRect fills the box; textOut fills the text's cell box in the brush
//   colour and writes the text in the canvas font (family, size, styles) at
//   the raster's baseline, turned upwards at escapement 900.
//
// What is left out changes nothing at the canvas's size: a line whose two
// ends lie in the same pixel (the raster draws nothing there), and every
// outline or interior whose pixels the raster covers again later, each with
// some other colour or with its own (the canvas-size raster of the recorded
// calls decides this, by the same rules the Canvas paints with). What is
// kept is gathered into as few paths as the order allows: outlines and
// interiors of one colour share a path as long as nothing of another colour
// drawn between them covers a common pixel; lines that continue each other
// form one polyline, and straight runs along a row, a column or a diagonal
// become one segment.
//
// The plot draws in copy mode; a figure in no-op mode is left out, and
// not-xor has no vector form and is drawn as copy.

#include "plot/Canvas.h"
#include "plot/CanvasPoint.h"

#include <QRgb>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;

class VectorCanvas {
public:
    // A white canvas of the given size in the start state of a new Canvas.
    explicit VectorCanvas(int width = 480, int height = 480);

    int width() const { return width_; }
    int height() const { return height_; }

    Pen pen;
    QRgb brushColour = qRgb(255, 255, 255);
    CanvasFont font;

    void moveTo(int x, int y) { penPos_ = {x, y, 0, 0}; }
    void lineTo(int x, int y) { lineTo(CanvasPoint{x, y, 0, 0}); }
    void moveTo(const CanvasPoint& p) { penPos_ = p; }
    void lineTo(const CanvasPoint& p);
    void rectangle(int x1, int y1, int x2, int y2) { rectangle(CanvasPoint{x1, y1, 0, 0}, CanvasPoint{x2, y2, 0, 0}); }
    void rectangle(const CanvasPoint& a, const CanvasPoint& b);
    void fillRect(int x1, int y1, int x2, int y2);
    void textOut(int x, int y, const QString& text);

    // Draws the white canvas and everything recorded onto `painter`, whose
    // coordinates are canvas units (the caller scales for other sizes).
    void paint(QPainter& painter) const;

    // How many calls were recorded, and how many outlines and interiors are
    // drawn after the hidden ones were left out, for tests and benchmarks.
    size_t recordedCount() const { return ops_.size(); }
    size_t drawnPartCount() const;

private:
    enum class OpKind : uint8_t { Line, Rect, Fill, Text };
    struct Style {
        Pen pen;
        QRgb brush;
        bool operator==(const Style&) const = default;
    };
    struct Op {
        OpKind kind;
        uint16_t style;
        int32_t text; // index into texts_ for Text
        CanvasPoint a;
        CanvasPoint b;
    };
    struct TextItem {
        QString text;
        CanvasFont font;
    };
    struct Plan;

    void record(OpKind kind, const CanvasPoint& a, const CanvasPoint& b, int32_t text = -1);
    uint16_t styleIndex();
    Plan plan() const;
    void replay(Canvas& coverage, const Op& op) const;

    int width_;
    int height_;
    CanvasPoint penPos_;
    std::vector<Op> ops_;
    std::vector<Style> styles_;
    std::vector<TextItem> texts_;
};
