#pragma once

// The pixel region of a closed canvas figure (rectangle, ellipse, rounded
// rectangle) as one run of pixels per row, plus the split of a row into outline
// and interior. The region rules are those documented in plot/Canvas.h; keeping
// them here lets the canvas apply them to any pen and clip.

#include <cstdint>

struct PixelSpan {
    int64_t first = 0;
    int64_t last = -1;
    bool isEmpty() const { return first > last; }
};

// One row of a figure: the region's run, and inside it the interior run; the
// pixels of `region` outside `interior` are the 1-pixel outline.
struct FigureRow {
    PixelSpan region;
    PixelSpan interior;
};

class RasterFigure {
public:
    enum class Kind { Rectangle, Ellipse, RoundRect };

    // Corners in any order; the box is columns min..max-1, rows min..max-1.
    static RasterFigure rectangle(int x1, int y1, int x2, int y2);
    static RasterFigure ellipse(int x1, int y1, int x2, int y2);
    static RasterFigure roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);

    bool isEmpty() const { return width_ <= 0 || height_ <= 0; }
    Kind kind() const { return kind_; }
    int64_t left() const { return left_; }
    int64_t top() const { return top_; }
    int64_t width() const { return width_; }
    int64_t height() const { return height_; }

    // The region's run in row y (empty outside the box).
    PixelSpan rowSpan(int64_t y) const;
    // The region and interior runs of row y: a pixel is interior when its four
    // neighbours all belong to the region.
    FigureRow row(int64_t y) const;
    // The same from the spans of rows y-1, y and y+1.
    static PixelSpan interiorOf(const PixelSpan& above, const PixelSpan& span, const PixelSpan& below);

    // Run of row `row` (0 .. height-1) of the ellipse inscribed in a
    // width x height box whose left column is 0.
    static PixelSpan ellipseRow(int64_t width, int64_t height, int64_t row);

private:
    RasterFigure(Kind kind, int x1, int y1, int x2, int y2);

    Kind kind_;
    int64_t left_ = 0;
    int64_t top_ = 0;
    int64_t width_ = 0;
    int64_t height_ = 0;
    int64_t cornerWidth_ = 0;
    int64_t cornerHeight_ = 0;
};
