#pragma once

// The program's one raster drawing surface, with the semantics of a classic
// device context: one pen (width, style, colour, raster mode), a solid white
// brush, one font with an escapement, a current pen position. The plot and the
// graphic editor draw through it; QPainter is used only to render text.
//
// Pixel contracts (x grows right, y grows down, all in image pixels; pixels
// outside the image are clipped silently; figure coordinates are clamped to
// +-2^28, far beyond any image):
//
// Raster modes. Each figure first works out the set of pixels its outline
// covers and the set its interior covers, then changes every pixel of those
// sets exactly once: copy writes the pen colour (outline) or the brush colour
// (interior); not-xor writes NOT (pixel XOR colour); no-op leaves the image
// alone. So drawing any figure twice in not-xor mode restores the image, for
// every width and style, and with the white brush a not-xor figure changes only
// its outline.
//
// Pen width. A width below 1 counts as 1, one above 4096 as 4096. A wide pen
// (w > 1) is a disc of diameter w: the pixels (dx, dy) with dx, dy in
// -(w/2) .. w-1-(w/2) whose centres lie within w/2 of the disc centre (3 gives
// a full 3x3 square, 4 a 4x4 square without its corners). For even widths the
// extra row and column lie above and left of the centre pixel.
//
// Pen styles take effect only at width 1; wide pens draw solid. The pattern
// counts the pixels of the path from its start: dotted draws 1 pixel and skips
// 1 (pixels 0, 2, 4, ...), dashed draws 18 and skips 6. Skipped pixels are left
// as they are. Lines restart the pattern at their start point (the pen
// position); a figure outline runs it once around, clockwise from the left end
// of its top row.
//
// - lineTo(x, y): width 1: the Bresenham path from the pen position to (x, y),
//   one pixel per step of the longer axis, the end pixel left out (a line to
//   the pen position itself draws nothing). The minor coordinate at step i is
//   the nearer integer to i * dminor / dmajor, halves rounded away from the
//   start. Wide pens: the union of pen discs centred on every pixel of that
//   path, the end pixel included this time (round caps at both ends); a line to
//   the pen position still draws nothing. The pen position moves to (x, y).
// - rectangle(x1, y1, x2, y2): the box of columns min..max-1 and rows
//   min..max-1 of the normalised corners (the corners may come in any order).
//   Width 1: the box's border pixels are the outline, the rest the interior
//   (a box one pixel wide or high is all outline). Wide pens: the outline is
//   the union of pen discs centred on those border pixels, so it is centred on
//   the box edge and reaches w/2 beyond it; the interior is what is left of the
//   box inside the border. An empty box (x1 == x2 or y1 == y2) draws nothing.
// - ellipse(x1, y1, x2, y2): the ellipse inscribed in the same box. Its region
//   holds the pixels whose centres lie inside the ellipse through the box's
//   outer edges; the middle row(s) always span the full box width and every
//   other row holds at least its middle pixel(s), so the figure touches all four
//   sides of the box. The outline is the region's pixels that have a pixel
//   outside the region above, below, left or right of them (a thin, 8-connected
//   curve); the interior is the rest of the region. Wide pens as for
//   rectangles.
// - roundRect(x1, y1, x2, y2, w, h): the box with its corners cut by the four
//   quarters of an ellipse |w| x |h| (each limited to the box size; 0 gives a
//   plain rectangle), the ellipse rasterised as above, its top half rows used
//   for the top corners and its bottom half rows for the bottom ones. Outline
//   and interior as for ellipses.

#include "plot/CanvasPoint.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

enum class PenStyle { Solid, Dotted, Dashed };
enum class RasterMode { Copy, NotXor, NoOp };
enum class CopyMode { Copy, Whiteness };

struct Pen {
    int width = 1;
    PenStyle style = PenStyle::Solid;
    RasterMode mode = RasterMode::Copy;
    QRgb colour = qRgb(0, 0, 0);

    bool operator==(const Pen&) const = default;
};

// A font as the device context knows it. Sizes are pixel heights of the
// character (em) box, as a negative logical height gives them.
struct CanvasFont {
    QString name = QStringLiteral("DejaVu Sans");
    int pixelSize = 16;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QRgb colour = qRgb(0, 0, 0);
    int escapement = 0; // tenths of a degree: 0 or 900

    bool operator==(const CanvasFont&) const = default;
};

class RasterFigure;

// Which part of a figure a run of pixels belongs to: the outline in the pen
// colour (every pixel of a line) or the interior in the brush colour.
enum class PixelPaint : uint8_t { Outline, Interior };

// Receives the pixels a drawing operation covers, instead of the image, in
// the order the canvas would paint them (see Canvas::setSink).
class PixelSink {
public:
    virtual ~PixelSink() = default;
    // Columns x0..x1 of row y, all inside the image.
    virtual void paintSpan(int y, int x0, int x1, PixelPaint paint) = 0;
};

class Canvas {
public:
    // Pen style patterns: pixels drawn, then pixels skipped.
    static constexpr int dottedOn = 1;
    static constexpr int dottedOff = 1;
    static constexpr int dashedOn = 18;
    static constexpr int dashedOff = 6;
    // What pixel() reads outside the image: no image pixel has alpha 0.
    static constexpr QRgb outsidePixel = 0x00FFFFFFu;

    // A new white bitmap with the start state: black 1-pixel solid pen in copy
    // mode, white brush, the default font, pen at (0, 0).
    Canvas(int width = 480, int height = 480);
    // A canvas over a copy of the picture (converted to RGB32), start state.
    explicit Canvas(const QImage& picture);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

    Pen pen;
    QRgb brushColour = qRgb(255, 255, 255);
    CanvasFont font;

    void moveTo(int x, int y) { penPos_ = QPoint(x, y); }
    QPoint penPos() const { return penPos_; }
    void lineTo(int x, int y);
    void rectangle(int x1, int y1, int x2, int y2);
    // The raster draws the pixel of a CanvasPoint; its offset is for vector
    // surfaces.
    void moveTo(const CanvasPoint& p) { moveTo(p.x, p.y); }
    void lineTo(const CanvasPoint& p) { lineTo(p.x, p.y); }
    void rectangle(const CanvasPoint& a, const CanvasPoint& b) { rectangle(a.x, a.y, b.x, b.y); }
    void ellipse(int x1, int y1, int x2, int y2);
    void roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);

    // Fills columns min..max-1, rows min..max-1 of the normalised corners with
    // the brush colour, ignoring the pen and its raster mode. Empty when
    // x1 == x2 or y1 == y2.
    void fillRect(int x1, int y1, int x2, int y2);

    // Writes text (Unicode; the callers convert from the store's bytes) with
    // the canvas font, without antialiasing, in the font colour whatever the
    // pen mode. Opaque: the cell box (textExtent: advance width x font height)
    // is filled with the brush colour first. Escapement 0: the box's top-left
    // pixel is (x, y), it covers x..x+w-1, y..y+h-1. Escapement 900: the text is
    // turned 90 degrees counter-clockwise and runs upwards from (x, y); the box
    // covers columns x..x+h-1 and rows y-w+1..y, the glyphs' tops towards x.
    // Any other escapement writes horizontally. An empty text draws nothing.
    void textOut(int x, int y, const QString& text);
    // Width (advance) and height (ascent + descent) of the text's cell box,
    // unrotated.
    QSize textExtent(const QString& text) const;
    // The QFont textOut renders with: the canvas font's family, pixel size and
    // styles, no antialiasing.
    QFont qFont() const;
    static QFont fontOf(const CanvasFont& font);

    // Reads outsidePixel outside the image; setPixel ignores such positions.
    QRgb pixel(int x, int y) const;
    void setPixel(int x, int y, QRgb colour);

    // Maps the source rectangle of `source` onto `target` of this canvas,
    // stretching or shrinking by nearest pixel when the sizes differ: target
    // pixel (tx, ty) takes source pixel (sx + (tx - x) * sw / tw, sy + (ty - y)
    // * sh / th). Target pixels whose source lies outside `source` stay as they
    // are. Whiteness paints the target white and ignores the source. Empty
    // rectangles copy nothing. `source` may be this canvas's own image.
    void copyRect(const QRect& target, const QImage& source, const QRect& sourceRect, CopyMode mode = CopyMode::Copy);

    // While a sink is set, lines, figures, fillRect and the box of textOut
    // report the pixels they cover to it and leave the image alone (textOut
    // draws no glyphs then). As when painting, lines and figures in no-op
    // mode cover nothing and fillRect ignores the mode. nullptr paints again.
    void setSink(PixelSink* sink) { sink_ = sink; }

    // While a RasterHold lives, drawing on the canvas reuses the pixel pointer
    // taken when it began instead of fetching it for every line and box. The
    // holder must not copy, replace or resize image() meanwhile, nor replace
    // the canvas; drawing itself (copyRect included) stays correct.
    class RasterHold {
    public:
        explicit RasterHold(Canvas& canvas);
        ~RasterHold();
        RasterHold(const RasterHold&) = delete;
        RasterHold& operator=(const RasterHold&) = delete;

    private:
        Canvas& canvas_;
    };

private:
    void thinLine(int x0, int y0, int x1, int y1);
    void wideLine(int x0, int y0, int x1, int y1);
    void drawFigure(const RasterFigure& figure);
    void thinFigure(const RasterFigure& figure);
    void styledOutline(const RasterFigure& figure);
    void wideFigure(const RasterFigure& figure);
    // The image's pixels for one drawing operation. Taken once per figure, line
    // or text box (taking it detaches a shared image), never kept across calls,
    // so a shallow copy of image() made between operations keeps its pixels.
    struct Raster {
        QRgb* bits;
        qsizetype stride; // in pixels
        int width;
        int height;
        QRgb* row(int64_t y) const { return bits + y * stride; }
    };
    Raster raster() { return holds_ > 0 ? held_ : takeRaster(); }
    Raster takeRaster();
    void paintPixel(const Raster& r, int x, int y, QRgb colour);
    void paintRun(const Raster& r, int y, int x0, int x1, QRgb colour, PixelPaint paint);
    void applyMask(const QRect& clip);
    bool styleDraws(int64_t index) const;

    QImage image_;
    QPoint penPos_;
    int holds_ = 0;
    Raster held_{};
    PixelSink* sink_ = nullptr;
    // Scratch coverage of a wide figure, kept between calls so drawing does not
    // allocate: 0 untouched, 1 interior, 2 outline.
    std::vector<uint8_t> mask_;
    mutable CanvasFont cachedFontFor_;
    mutable QFont cachedFont_;
    mutable bool cachedFontValid_ = false;
};
