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
//   the raster's baseline and width, turned upwards at escapement 900.
//
// Nothing is left out or moved that would change the picture at the canvas's
// size, judged by the canvas-size raster of the recorded calls (the same
// rules the Canvas paints with):
// - a line whose two ends lie in one pixel is left out (the raster draws
//   nothing there), and so is every outline or interior all of whose pixels
//   the raster covers again later with another colour, or earlier already
//   with its own;
// - what is kept is gathered into few paths: outlines and interiors of one
//   colour share a path as long as nothing of another colour drawn between
//   them covers a common pixel; lines that continue each other form one
//   polyline, and straight runs along a row, a column or a diagonal become
//   one segment;
// - once white parts have needed a few dozen paths of their own to stay in
//   order (symbols piling up), the next such white part is drawn last, as
//   the pixels it alone decides.
//
// Shapes: calls between beginShape and endShape that all keep the anchor's
// offset (a symbol's parts) are recorded once per distinct shape and then
// only as the anchor; their pixels come from the shape's stamp. This keeps a
// plot of tens of thousands of symbols quick to record and to judge.
//
// The plot draws in copy mode; a figure in no-op mode is left out, and
// not-xor has no vector form and is drawn as copy.

#include "plot/Canvas.h"
#include "plot/CanvasPoint.h"

#include <QRgb>
#include <QString>

#include <cstdint>
#include <memory>
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

    // The calls until endShape form one shape around `anchor`. A caller that
    // draws the same shape for the same key in the same pen and brush (a
    // symbol number) may pass a key other than 0: when such a shape was
    // recorded before, it is recorded again at once, the result is false, and
    // the calls until endShape are known already (the caller need not draw
    // them; they are ignored).
    bool beginShape(const CanvasPoint& anchor, uint32_t key = 0);
    void endShape();

    // Draws the white canvas and everything recorded onto `painter`, whose
    // coordinates are canvas units (the caller scales for other sizes).
    void paint(QPainter& painter) const;

    // Recorded calls (a shape counts once) and, after judging them, how many
    // outlines and interiors are drawn in order and how many white ones last;
    // for tests and benchmarks.
    size_t recordedCount() const { return ops_.size(); }
    struct Census {
        size_t inOrder = 0;
        size_t whiteLast = 0;
        size_t paths = 0;
    };
    Census census() const;

private:
    enum class OpKind : uint8_t { Line, Rect, Fill, Text, Shape };
    struct Style {
        Pen pen;
        QRgb brush;
        bool operator==(const Style&) const = default;
    };
    struct Op {
        OpKind kind;
        uint16_t style;
        int32_t index; // texts_ for Text, templates_ for Shape
        CanvasPoint a;
        CanvasPoint b;
        bool operator==(const Op&) const = default;
    };
    struct TextItem {
        QString text;
        CanvasFont font;
    };
    struct Template;
    struct Plan;
    struct Emitter;

    void record(OpKind kind, const CanvasPoint& a, const CanvasPoint& b, int32_t index = -1);
    uint16_t styleIndex();
    int shapeTemplate();
    Plan plan() const;
    void replay(Canvas& coverage, const Op& op) const;

    int width_;
    int height_;
    CanvasPoint penPos_;
    std::vector<Op> ops_;
    std::vector<Style> styles_;
    std::vector<TextItem> texts_;
    std::vector<std::shared_ptr<Template>> templates_;
    // The shape being recorded: its anchor and its calls relative to it.
    bool inShape_ = false;
    bool shapeKeepsOffset_ = true;
    CanvasPoint anchor_;
    std::vector<Op> shapeOps_;
    int lastTemplate_ = -1;
    // Shapes recorded under a key, with the style they were drawn in.
    struct KeyedShape {
        uint32_t key;
        uint16_t style;
        int shape;
    };
    std::vector<KeyedShape> keyed_;
    uint32_t shapeKey_ = 0;
    uint16_t shapeStyle_ = 0;
    bool shapeRecorded_ = false;
};
