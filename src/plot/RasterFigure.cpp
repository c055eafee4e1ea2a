#include "plot/RasterFigure.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Coordinates beyond this are clamped, so the squared sizes of the ellipse test
// fit comfortably into 128 bits.
constexpr int64_t coordinateLimit = int64_t(1) << 28;

__extension__ typedef __int128 Int128;

int64_t clampCoordinate(int v)
{
    return std::clamp<int64_t>(v, -coordinateLimit, coordinateLimit);
}

// Largest m >= 0 with m * m <= q.
int64_t integerSqrt(int64_t q)
{
    auto m = static_cast<int64_t>(std::sqrt(static_cast<double>(q)));
    while (m > 0 && m * m > q)
        --m;
    while ((m + 1) * (m + 1) <= q)
        ++m;
    return m;
}

} // namespace

RasterFigure::RasterFigure(Kind kind, int x1, int y1, int x2, int y2)
    : kind_(kind)
{
    const int64_t l = std::min(clampCoordinate(x1), clampCoordinate(x2));
    const int64_t r = std::max(clampCoordinate(x1), clampCoordinate(x2));
    const int64_t t = std::min(clampCoordinate(y1), clampCoordinate(y2));
    const int64_t b = std::max(clampCoordinate(y1), clampCoordinate(y2));
    left_ = l;
    top_ = t;
    width_ = r - l;
    height_ = b - t;
}

RasterFigure RasterFigure::rectangle(int x1, int y1, int x2, int y2)
{
    return RasterFigure(Kind::Rectangle, x1, y1, x2, y2);
}

RasterFigure RasterFigure::ellipse(int x1, int y1, int x2, int y2)
{
    return RasterFigure(Kind::Ellipse, x1, y1, x2, y2);
}

RasterFigure RasterFigure::roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    RasterFigure figure(Kind::RoundRect, x1, y1, x2, y2);
    figure.cornerWidth_ = std::min(std::abs(clampCoordinate(cornerWidth)), figure.width_);
    figure.cornerHeight_ = std::min(std::abs(clampCoordinate(cornerHeight)), figure.height_);
    if (figure.cornerWidth_ == 0 || figure.cornerHeight_ == 0)
        figure.kind_ = Kind::Rectangle;
    return figure;
}

PixelSpan RasterFigure::ellipseRow(int64_t width, int64_t height, int64_t row)
{
    if (row < 0 || row >= height || width <= 0)
        return {};
    // Doubled offsets from the centre keep the test in integers: a pixel
    // centre (X, Y) is inside when X^2 H^2 + Y^2 W^2 <= W^2 H^2.
    const int64_t yOffset = 2 * row + 1 - height;
    if (std::abs(yOffset) <= 1)
        return {0, width - 1};
    const Int128 w2 = Int128(width) * width;
    const Int128 h2 = Int128(height) * height;
    const Int128 bound = w2 * (h2 - Int128(yOffset) * yOffset);
    int64_t m = integerSqrt(static_cast<int64_t>(bound / h2));
    // X has the parity of width - 1.
    if ((m & 1) != ((width - 1) & 1))
        --m;
    if (m < 0) {
        // A row the ellipse's boundary passes between pixel centres: keep the
        // middle pixel(s) so the figure reaches the top and bottom of its box.
        return {(width - 1) / 2, width / 2};
    }
    return {(width - 1 - m) / 2, (width - 1 + m) / 2};
}

PixelSpan RasterFigure::rowSpan(int64_t y) const
{
    if (isEmpty() || y < top_ || y >= top_ + height_)
        return {};
    const int64_t right = left_ + width_ - 1;
    switch (kind_) {
    case Kind::Rectangle:
        return {left_, right};
    case Kind::Ellipse: {
        const PixelSpan s = ellipseRow(width_, height_, y - top_);
        return {left_ + s.first, left_ + s.last};
    }
    case Kind::RoundRect: {
        const int64_t fromTop = y - top_;
        const int64_t fromBottom = top_ + height_ - 1 - y;
        const int64_t half = cornerHeight_ / 2;
        int64_t cornerRow;
        if (fromTop < half)
            cornerRow = fromTop;
        else if (fromBottom < half)
            cornerRow = cornerHeight_ - 1 - fromBottom;
        else
            return {left_, right};
        const PixelSpan s = ellipseRow(cornerWidth_, cornerHeight_, cornerRow);
        return {left_ + s.first, left_ + width_ - cornerWidth_ + s.last};
    }
    }
    return {};
}

PixelSpan RasterFigure::interiorOf(const PixelSpan& above, const PixelSpan& span, const PixelSpan& below)
{
    if (span.isEmpty() || above.isEmpty() || below.isEmpty())
        return {};
    return {std::max({span.first + 1, above.first, below.first}), std::min({span.last - 1, above.last, below.last})};
}

FigureRow RasterFigure::row(int64_t y) const
{
    const PixelSpan span = rowSpan(y);
    return {span, interiorOf(rowSpan(y - 1), span, rowSpan(y + 1))};
}
