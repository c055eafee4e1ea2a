#pragma once

// The program's one raster drawing surface, with the semantics of a classic
// device context: one pen (width, style, colour, raster mode), a solid white
// brush, one font with an escapement, a current pen position. The plot and the
// graphic editor draw through it; QPainter is used only to render text.
//
// Pixel contracts (x grows right, y grows down, all in image pixels; pixels
// outside the image are clipped silently):
// - lineTo(x, y): the line from the pen position to (x, y), end pixel left out
//   (a line to the pen position itself draws nothing). Width 1: Bresenham.
//   Wider pens: see Canvas.cpp. The pen position moves to (x, y).
// - rectangle(x1, y1, x2, y2): covers columns min..max-1 and rows min..max-1
//   of the normalised corners; outline with the pen, interior with the brush.
//   An empty rectangle (x1 == x2 or y1 == y2) draws nothing.
// - ellipse / roundRect: the figure inscribed in the same box.
// - Every figure touches each of its pixels exactly once per drawing, so
//   drawing it twice in not-xor mode restores the image.
// - Pen styles other than solid take effect only at width 1.
// - textOut writes opaque: the text's cell box is filled with the brush
//   colour first. Escapement 900 turns the text 90 degrees counter-clockwise,
//   running upwards from (x, y).

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

enum class PenStyle { Solid, Dotted, Dashed };
enum class RasterMode { Copy, NotXor, NoOp };
enum class CopyMode { Copy, Whiteness };

struct Pen {
    int width = 1;
    PenStyle style = PenStyle::Solid;
    RasterMode mode = RasterMode::Copy;
    QRgb colour = qRgb(0, 0, 0);
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
};

class Canvas {
public:
    // A new white bitmap with the start state: black 1-pixel solid pen in copy
    // mode, white brush, the default font, pen at (0, 0).
    Canvas(int width = 480, int height = 480);
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
    void ellipse(int x1, int y1, int x2, int y2);
    void roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);

    // Fills columns x1..x2-1, rows y1..y2-1 with the brush colour, ignoring
    // the pen and its raster mode.
    void fillRect(int x1, int y1, int x2, int y2);

    // Writes text (Unicode; the callers convert from the store's bytes) with
    // the canvas font, its top-left corner at (x, y), opaque in the brush colour.
    void textOut(int x, int y, const QString& text);
    // Width and height of the text's cell box, unrotated.
    QSize textExtent(const QString& text) const;

    QRgb pixel(int x, int y) const;
    void setPixel(int x, int y, QRgb colour);

    // Maps the source rectangle of `source` onto `target` of this canvas
    // (stretching when the sizes differ). Whiteness paints target white.
    void copyRect(const QRect& target, const QImage& source, const QRect& sourceRect, CopyMode mode = CopyMode::Copy);

private:
    QImage image_;
    QPoint penPos_;
};
