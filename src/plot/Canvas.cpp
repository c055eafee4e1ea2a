#include "plot/Canvas.h"

#include "plot/RasterFigure.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr QRgb opaque = 0xFF000000u;
constexpr QRgb white = 0xFFFFFFFFu;
constexpr int64_t coordinateLimit = int64_t(1) << 28;
// Wider pens are drawn at this width: already far more than any image needs,
// and it keeps a mistyped width from exhausting memory.
constexpr int maxPenWidth = 4096;

int64_t clampCoordinate(int v)
{
    return std::clamp<int64_t>(v, -coordinateLimit, coordinateLimit);
}

inline QRgb notXor(QRgb pixel, QRgb colour)
{
    return ~(pixel ^ colour) | opaque;
}

// The rows of a pen disc: row offset dy (low..high from the centre pixel)
// covers the column offsets first(dy)..last(dy). Common widths live on the
// stack; a typed width is not limited, so larger ones spill to the heap.
class PenDisc {
public:
    explicit PenDisc(int width)
        : low(-(width / 2)), high(low + width - 1)
    {
        if (width > inlineRows)
            heap_.resize(size_t(width));
        // Doubled offsets keep the test in integers: the disc centre lies at
        // c / 2 with c = 2 * low + width - 1 (0 for odd widths, -1 for even),
        // and a pixel belongs when (2dx - c)^2 + (2dy - c)^2 <= width^2.
        const int64_t c = 2 * int64_t(low) + width - 1;
        const int64_t w2 = int64_t(width) * width;
        for (int dy = low; dy <= high; ++dy) {
            const int64_t ry = 2 * int64_t(dy) - c;
            // Leftmost dx in the disc: start near the root and settle exactly.
            const double reach = std::sqrt(double(w2 - ry * ry));
            int dx = std::max(low, int(std::floor((c - reach) / 2)) - 1);
            while ((2 * int64_t(dx) - c) * (2 * int64_t(dx) - c) + ry * ry > w2)
                ++dx;
            // Symmetric about the centre column: 2 * last - c = -(2 * dx - c).
            row(dy) = {dx, int(c - dx)};
        }
    }

    int first(int dy) const { return row(dy).first; }
    int last(int dy) const { return row(dy).last; }

    const int low;
    const int high;

private:
    struct Row {
        int first;
        int last;
    };
    static constexpr int inlineRows = 64;

    Row& row(int dy) { return heap_.empty() ? inline_[dy - low] : heap_[size_t(dy - low)]; }
    const Row& row(int dy) const { return heap_.empty() ? inline_[dy - low] : heap_[size_t(dy - low)]; }

    Row inline_[inlineRows];
    std::vector<Row> heap_;
};

} // namespace

Canvas::Canvas(int width, int height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32)
{
    image_.fill(white);
}

Canvas::Canvas(const QImage& picture)
    : image_(picture.convertToFormat(QImage::Format_RGB32))
{
    if (image_.isNull()) {
        image_ = QImage(1, 1, QImage::Format_RGB32);
        image_.fill(white);
    }
}

bool Canvas::styleDraws(int64_t index) const
{
    switch (pen.style) {
    case PenStyle::Solid:
        return true;
    case PenStyle::Dotted:
        return index % (dottedOn + dottedOff) < dottedOn;
    case PenStyle::Dashed:
        return index % (dashedOn + dashedOff) < dashedOn;
    }
    return true;
}

Canvas::RasterHold::RasterHold(Canvas& canvas)
    : canvas_(canvas)
{
    if (canvas_.holds_++ == 0)
        canvas_.held_ = canvas_.takeRaster();
}

Canvas::RasterHold::~RasterHold()
{
    --canvas_.holds_;
}

Canvas::Raster Canvas::takeRaster()
{
    return {reinterpret_cast<QRgb*>(image_.bits()), image_.bytesPerLine() / qsizetype(sizeof(QRgb)), image_.width(),
            image_.height()};
}

void Canvas::paintPixel(const Raster& r, int x, int y, QRgb colour)
{
    if (x < 0 || y < 0 || x >= r.width || y >= r.height)
        return;
    if (sink_) {
        if (pen.mode != RasterMode::NoOp)
            sink_->paintSpan(y, x, x, PixelPaint::Outline);
        return;
    }
    QRgb* p = r.row(y) + x;
    switch (pen.mode) {
    case RasterMode::Copy:
        *p = colour | opaque;
        break;
    case RasterMode::NotXor:
        *p = notXor(*p, colour);
        break;
    case RasterMode::NoOp:
        break;
    }
}

void Canvas::paintRun(const Raster& r, int y, int x0, int x1, QRgb colour, PixelPaint paint)
{
    if (y < 0 || y >= r.height)
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, r.width - 1);
    if (x0 > x1)
        return;
    if (sink_) {
        if (pen.mode != RasterMode::NoOp)
            sink_->paintSpan(y, x0, x1, paint);
        return;
    }
    QRgb* p = r.row(y);
    switch (pen.mode) {
    case RasterMode::Copy:
        std::fill(p + x0, p + x1 + 1, colour | opaque);
        break;
    case RasterMode::NotXor:
        // NOT (p XOR white) is p: the white brush leaves not-xor interiors alone.
        if ((colour | opaque) == white)
            break;
        for (int x = x0; x <= x1; ++x)
            p[x] = notXor(p[x], colour);
        break;
    case RasterMode::NoOp:
        break;
    }
}

void Canvas::lineTo(int x, int y)
{
    const QPoint from = penPos_;
    penPos_ = QPoint(x, y);
    if (pen.mode == RasterMode::NoOp || from == penPos_)
        return;
    if (pen.width <= 1)
        thinLine(from.x(), from.y(), x, y);
    else
        wideLine(from.x(), from.y(), x, y);
}

namespace {

// The Bresenham path of a line as closed-form steps, so a clipped line can
// start at any step: pixel i lies at major0 + i * majorStep on the major axis
// and at minor0 + minorStep * floor((2 i dMinor + dMajor) / (2 dMajor)) on the
// minor one.
struct LinePath {
    bool xMajor;
    int64_t major0, minor0;
    int64_t majorStep, minorStep;
    int64_t dMajor, dMinor;

    LinePath(int64_t x0, int64_t y0, int64_t x1, int64_t y1)
    {
        const int64_t dx = x1 - x0;
        const int64_t dy = y1 - y0;
        xMajor = std::abs(dx) >= std::abs(dy);
        major0 = xMajor ? x0 : y0;
        minor0 = xMajor ? y0 : x0;
        const int64_t dMaj = xMajor ? dx : dy;
        const int64_t dMin = xMajor ? dy : dx;
        majorStep = dMaj < 0 ? -1 : 1;
        minorStep = dMin < 0 ? -1 : 1;
        dMajor = std::abs(dMaj);
        dMinor = std::abs(dMin);
    }

    // Steps lo..hi (within 0..last) whose major coordinate lies in from..to.
    void clipSteps(int64_t from, int64_t to, int64_t last, int64_t& lo, int64_t& hi) const
    {
        if (majorStep > 0) {
            lo = std::max<int64_t>(0, from - major0);
            hi = std::min<int64_t>(last, to - major0);
        } else {
            lo = std::max<int64_t>(0, major0 - to);
            hi = std::min<int64_t>(last, major0 - from);
        }
    }

    // Walks steps lo..hi, calling visit(i, x, y).
    template <typename Visit>
    void walk(int64_t lo, int64_t hi, Visit&& visit) const
    {
        const int64_t twiceMajor = 2 * dMajor;
        // Most lines start at their first step, which needs no division.
        int64_t q = 0;
        int64_t rem = dMajor;
        if (lo != 0) {
            const int64_t numerator = 2 * lo * dMinor + dMajor;
            q = numerator / twiceMajor;
            rem = numerator % twiceMajor;
        }
        for (int64_t i = lo; i <= hi; ++i) {
            const int64_t major = major0 + majorStep * i;
            const int64_t minor = minor0 + minorStep * q;
            if (xMajor)
                visit(i, major, minor);
            else
                visit(i, minor, major);
            rem += 2 * dMinor;
            if (rem >= twiceMajor) {
                rem -= twiceMajor;
                ++q;
            }
        }
    }
};

} // namespace

namespace {

// The Bresenham path of LinePath::walk from its first step, for a line that
// lies wholly inside the image: every pixel is painted, so the walk needs no
// clipping and steps a pointer instead.
template <typename Paint>
void walkInside(QRgb* p, qsizetype stride, int x0, int y0, int x1, int y1, Paint&& paint)
{
    const int64_t dx = int64_t(x1) - x0;
    const int64_t dy = int64_t(y1) - y0;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int64_t dMajor = std::abs(xMajor ? dx : dy);
    const int64_t dMinor = std::abs(xMajor ? dy : dx);
    const qsizetype stepX = dx < 0 ? -1 : 1;
    const qsizetype stepY = dy < 0 ? -stride : stride;
    const qsizetype majorStep = xMajor ? stepX : stepY;
    const qsizetype minorStep = xMajor ? stepY : stepX;
    const int64_t twiceMajor = 2 * dMajor;
    int64_t rem = dMajor;
    for (int64_t i = 0; i < dMajor; ++i) {
        paint(*p);
        p += majorStep;
        rem += 2 * dMinor;
        if (rem >= twiceMajor) {
            rem -= twiceMajor;
            p += minorStep;
        }
    }
}

} // namespace

void Canvas::thinLine(int x0, int y0, int x1, int y1)
{
    const Raster r = raster();
    const auto inside = [&r](int x, int y) { return x >= 0 && y >= 0 && x < r.width && y < r.height; };
    if (pen.style == PenStyle::Solid && !sink_ && inside(x0, y0) && inside(x1, y1)) {
        const QRgb colour = pen.colour;
        QRgb* start = r.row(y0) + x0;
        if (pen.mode == RasterMode::NotXor)
            walkInside(start, r.stride, x0, y0, x1, y1, [colour](QRgb& p) { p = notXor(p, colour); });
        else
            walkInside(start, r.stride, x0, y0, x1, y1, [colour](QRgb& p) { p = colour | opaque; });
        return;
    }
    const LinePath path(clampCoordinate(x0), clampCoordinate(y0), clampCoordinate(x1), clampCoordinate(y1));
    const int64_t majorSize = path.xMajor ? r.width : r.height;
    const int64_t minorSize = path.xMajor ? r.height : r.width;
    int64_t lo, hi;
    path.clipSteps(0, majorSize - 1, path.dMajor - 1, lo, hi);
    if (lo > hi)
        return;
    const QRgb colour = pen.colour;
    const bool notXorMode = pen.mode == RasterMode::NotXor;
    const bool solid = pen.style == PenStyle::Solid;
    path.walk(lo, hi, [&](int64_t i, int64_t x, int64_t y) {
        const int64_t minor = path.xMajor ? y : x;
        if (minor < 0 || minor >= minorSize || (!solid && !styleDraws(i)))
            return;
        if (sink_) {
            sink_->paintSpan(int(y), int(x), int(x), PixelPaint::Outline);
            return;
        }
        QRgb& p = r.row(y)[x];
        p = notXorMode ? notXor(p, colour) : (colour | opaque);
    });
}

void Canvas::wideLine(int x0, int y0, int x1, int y1)
{
    const PenDisc disc(std::min(pen.width, maxPenWidth));
    const int64_t cx0 = clampCoordinate(x0), cy0 = clampCoordinate(y0);
    const int64_t cx1 = clampCoordinate(x1), cy1 = clampCoordinate(y1);
    const int64_t clipLeft = std::max<int64_t>(std::min(cx0, cx1) + disc.low, 0);
    const int64_t clipTop = std::max<int64_t>(std::min(cy0, cy1) + disc.low, 0);
    const int64_t clipRight = std::min<int64_t>(std::max(cx0, cx1) + disc.high, image_.width() - 1);
    const int64_t clipBottom = std::min<int64_t>(std::max(cy0, cy1) + disc.high, image_.height() - 1);
    if (clipLeft > clipRight || clipTop > clipBottom)
        return;
    const QRect clip{QPoint(int(clipLeft), int(clipTop)), QPoint(int(clipRight), int(clipBottom))};
    mask_.assign(size_t(clip.width()) * size_t(clip.height()), 0);
    const LinePath path(cx0, cy0, cx1, cy1);
    const int64_t majorFrom = (path.xMajor ? clip.left() : clip.top()) - disc.high;
    const int64_t majorTo = (path.xMajor ? clip.right() : clip.bottom()) - disc.low;
    int64_t lo, hi;
    path.clipSteps(majorFrom, majorTo, path.dMajor, lo, hi);
    path.walk(lo, hi, [&](int64_t, int64_t x, int64_t y) {
        const int64_t dyFrom = std::max<int64_t>(disc.low, clip.top() - y);
        const int64_t dyTo = std::min<int64_t>(disc.high, clip.bottom() - y);
        for (int64_t dy = dyFrom; dy <= dyTo; ++dy) {
            const int64_t row = y + dy;
            const int64_t from = std::max<int64_t>(x + disc.first(int(dy)), clip.left());
            const int64_t to = std::min<int64_t>(x + disc.last(int(dy)), clip.right());
            if (from > to)
                continue;
            uint8_t* m = mask_.data() + (row - clip.top()) * clip.width() - clip.left();
            std::memset(m + from, 2, size_t(to - from + 1));
        }
    });
    applyMask(clip);
}

void Canvas::applyMask(const QRect& clip)
{
    if (sink_) {
        // Runs of equal coverage, row by row.
        for (int y = clip.top(); y <= clip.bottom(); ++y) {
            const uint8_t* m = mask_.data() + size_t(y - clip.top()) * size_t(clip.width()) - clip.left();
            for (int x = clip.left(); x <= clip.right();) {
                const uint8_t cover = m[x];
                int end = x;
                while (end < clip.right() && m[end + 1] == cover)
                    ++end;
                if (cover != 0)
                    sink_->paintSpan(y, x, end, cover == 2 ? PixelPaint::Outline : PixelPaint::Interior);
                x = end + 1;
            }
        }
        return;
    }
    const QRgb penColour = pen.colour;
    const QRgb brush = brushColour;
    const bool notXorMode = pen.mode == RasterMode::NotXor;
    const Raster r = raster();
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        QRgb* p = r.row(y);
        const uint8_t* m = mask_.data() + size_t(y - clip.top()) * size_t(clip.width()) - clip.left();
        for (int x = clip.left(); x <= clip.right(); ++x) {
            if (m[x] == 0)
                continue;
            const QRgb colour = m[x] == 2 ? penColour : brush;
            p[x] = notXorMode ? notXor(p[x], colour) : (colour | opaque);
        }
    }
}

void Canvas::rectangle(int x1, int y1, int x2, int y2)
{
    drawFigure(RasterFigure::rectangle(x1, y1, x2, y2));
}

void Canvas::ellipse(int x1, int y1, int x2, int y2)
{
    drawFigure(RasterFigure::ellipse(x1, y1, x2, y2));
}

void Canvas::roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    drawFigure(RasterFigure::roundRect(x1, y1, x2, y2, cornerWidth, cornerHeight));
}

void Canvas::drawFigure(const RasterFigure& figure)
{
    if (pen.mode == RasterMode::NoOp || figure.isEmpty())
        return;
    if (pen.width > 1)
        wideFigure(figure);
    else if (pen.style != PenStyle::Solid)
        styledOutline(figure);
    else
        thinFigure(figure);
}

void Canvas::thinFigure(const RasterFigure& figure)
{
    const int64_t top = std::max<int64_t>(figure.top(), 0);
    const int64_t bottom = std::min<int64_t>(figure.top() + figure.height(), image_.height()) - 1;
    if (top > bottom)
        return;
    const Raster r = raster();
    const int64_t clipRight = r.width;
    auto run = [&](int y, int64_t from, int64_t to, PixelPaint paint) {
        from = std::max<int64_t>(from, -1);
        to = std::min<int64_t>(to, clipRight);
        if (from <= to)
            paintRun(r, y, int(from), int(to), paint == PixelPaint::Outline ? pen.colour : brushColour, paint);
    };
    if (figure.kind() == RasterFigure::Kind::Rectangle) {
        // The same split as below without asking the figure row by row: the
        // symbols draw tens of thousands of small boxes per plot.
        const int64_t left = figure.left();
        const int64_t right = left + figure.width() - 1;
        const int64_t last = figure.top() + figure.height() - 1;
        const bool hollow = figure.width() > 2;
        for (int64_t y = top; y <= bottom; ++y) {
            if (!hollow || y == figure.top() || y == last) {
                run(int(y), left, right, PixelPaint::Outline);
            } else {
                run(int(y), left, left, PixelPaint::Outline);
                run(int(y), left + 1, right - 1, PixelPaint::Interior);
                run(int(y), right, right, PixelPaint::Outline);
            }
        }
        return;
    }
    PixelSpan above = figure.rowSpan(top - 1);
    PixelSpan span = figure.rowSpan(top);
    for (int64_t y = top; y <= bottom; ++y) {
        const PixelSpan below = figure.rowSpan(y + 1);
        const PixelSpan inner = RasterFigure::interiorOf(above, span, below);
        if (inner.isEmpty()) {
            run(int(y), span.first, span.last, PixelPaint::Outline);
        } else {
            run(int(y), span.first, inner.first - 1, PixelPaint::Outline);
            run(int(y), inner.first, inner.last, PixelPaint::Interior);
            run(int(y), inner.last + 1, span.last, PixelPaint::Outline);
        }
        above = span;
        span = below;
    }
}

void Canvas::styledOutline(const RasterFigure& figure)
{
    // The pattern runs around the whole outline, so it is counted over rows
    // outside the image too; only visible pixels are painted. Rows further than
    // styleMargin outside the image are not counted, which keeps absurd figures
    // cheap and changes nothing for any figure of a sensible size.
    constexpr int64_t styleMargin = 1 << 16;
    const Raster r = raster();
    const int64_t imageWidth = r.width;
    const int64_t imageHeight = r.height;
    const int64_t top = std::max(figure.top(), -styleMargin);
    const int64_t bottom = std::min(figure.top() + figure.height() - 1, imageHeight - 1 + styleMargin);
    int64_t index = 0;
    auto walkRun = [&](int64_t y, int64_t from, int64_t to, bool ascending) {
        if (from > to)
            return;
        if (y >= 0 && y < imageHeight) {
            const int64_t first = std::max<int64_t>(from, 0);
            const int64_t last = std::min(to, imageWidth - 1);
            for (int64_t x = first; x <= last; ++x) {
                if (styleDraws(index + (ascending ? x - from : to - x)))
                    paintPixel(r, int(x), int(y), pen.colour);
            }
        }
        index += to - from + 1;
    };
    // Rows above the middle run left to right on the way down the right side
    // and on the way up the left side; rows below it the other way round.
    auto upperHalf = [&](int64_t y) { return 2 * (y - figure.top()) + 1 < figure.height(); };

    // Down the right side: each row's right outline run, or the whole row
    // where the outline fills it; the interior is painted on the way.
    for (int64_t y = top; y <= bottom; ++y) {
        const FigureRow row = figure.row(y);
        if (row.interior.isEmpty()) {
            walkRun(y, row.region.first, row.region.last, upperHalf(y));
            continue;
        }
        walkRun(y, row.interior.last + 1, row.region.last, upperHalf(y));
        if (y >= 0 && y < imageHeight)
            paintRun(r, int(y), int(std::clamp<int64_t>(row.interior.first, -1, imageWidth)),
                     int(std::clamp<int64_t>(row.interior.last, -1, imageWidth)), brushColour, PixelPaint::Interior);
    }
    // Up the left side.
    for (int64_t y = bottom; y >= top; --y) {
        const FigureRow row = figure.row(y);
        if (!row.interior.isEmpty())
            walkRun(y, row.region.first, row.interior.first - 1, upperHalf(y));
    }
}

void Canvas::wideFigure(const RasterFigure& figure)
{
    const PenDisc disc(std::min(pen.width, maxPenWidth));
    const int64_t figureRight = figure.left() + figure.width() - 1;
    const int64_t figureBottom = figure.top() + figure.height() - 1;
    const int64_t clipLeft = std::max<int64_t>(figure.left() + disc.low, 0);
    const int64_t clipTop = std::max<int64_t>(figure.top() + disc.low, 0);
    const int64_t clipRight = std::min<int64_t>(figureRight + disc.high, image_.width() - 1);
    const int64_t clipBottom = std::min<int64_t>(figureBottom + disc.high, image_.height() - 1);
    if (clipLeft > clipRight || clipTop > clipBottom)
        return;
    const QRect clip{QPoint(int(clipLeft), int(clipTop)), QPoint(int(clipRight), int(clipBottom))};
    const size_t stride = size_t(clip.width());
    mask_.assign(stride * size_t(clip.height()), 0);
    auto maskRow = [&](int64_t y) { return mask_.data() + size_t(y - clipTop) * stride - clipLeft; };

    auto stamp = [&](int64_t x, int64_t y) {
        const int64_t dyFrom = std::max<int64_t>(disc.low, clipTop - y);
        const int64_t dyTo = std::min<int64_t>(disc.high, clipBottom - y);
        for (int64_t dy = dyFrom; dy <= dyTo; ++dy) {
            const int64_t row = y + dy;
            const int64_t from = std::max<int64_t>(x + disc.first(int(dy)), clipLeft);
            const int64_t to = std::min<int64_t>(x + disc.last(int(dy)), clipRight);
            if (from <= to)
                std::memset(maskRow(row) + from, 2, size_t(to - from + 1));
        }
    };
    // Outline pixels whose disc can reach the clip.
    const int64_t stampLeft = clipLeft - disc.high;
    const int64_t stampRight = clipRight - disc.low;
    auto stampRun = [&](int64_t y, int64_t from, int64_t to) {
        from = std::max(from, stampLeft);
        to = std::min(to, stampRight);
        for (int64_t x = from; x <= to; ++x)
            stamp(x, y);
    };

    const int64_t top = std::max(figure.top(), clipTop - disc.high);
    const int64_t bottom = std::min(figureBottom, clipBottom - disc.low);
    PixelSpan above = figure.rowSpan(top - 1);
    PixelSpan span = figure.rowSpan(top);
    for (int64_t y = top; y <= bottom; ++y) {
        const PixelSpan below = figure.rowSpan(y + 1);
        const PixelSpan inner = RasterFigure::interiorOf(above, span, below);
        if (inner.isEmpty()) {
            stampRun(y, span.first, span.last);
        } else {
            stampRun(y, span.first, inner.first - 1);
            stampRun(y, inner.last + 1, span.last);
            if (y >= clipTop && y <= clipBottom) {
                uint8_t* m = maskRow(y);
                const int64_t to = std::min(inner.last, clipRight);
                for (int64_t x = std::max(inner.first, clipLeft); x <= to; ++x) {
                    if (m[x] == 0)
                        m[x] = 1;
                }
            }
        }
        above = span;
        span = below;
    }
    applyMask(clip);
}

void Canvas::fillRect(int x1, int y1, int x2, int y2)
{
    const QRect box = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1))
                          .intersected(image_.rect());
    if (x1 == x2 || y1 == y2 || box.isEmpty())
        return;
    if (sink_) {
        for (int y = box.top(); y <= box.bottom(); ++y)
            sink_->paintSpan(y, box.left(), box.right(), PixelPaint::Interior);
        return;
    }
    const Raster r = raster();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QRgb* p = r.row(y);
        std::fill(p + box.left(), p + box.right() + 1, brushColour | opaque);
    }
}

QFont Canvas::fontOf(const CanvasFont& font)
{
    QFont f(font.name);
    f.setPixelSize(std::max(font.pixelSize, 1));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setKerning(false);
    return f;
}

QFont Canvas::qFont() const
{
    if (cachedFontValid_ && cachedFontFor_ == font)
        return cachedFont_;
    const QFont f = fontOf(font);
    cachedFont_ = f;
    cachedFontFor_ = font;
    cachedFontValid_ = true;
    return f;
}

QSize Canvas::textExtent(const QString& text) const
{
    const QFontMetrics metrics(qFont());
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

void Canvas::textOut(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    const QFont f = qFont();
    const QFontMetrics metrics(f);
    const int advance = metrics.horizontalAdvance(text);
    const int height = metrics.height();
    const bool upwards = font.escapement == 900;
    const RasterMode mode = pen.mode;
    pen.mode = RasterMode::Copy;
    if (upwards)
        fillRect(x, y - advance + 1, x + height, y + 1);
    else
        fillRect(x, y, x + advance, y + height);
    pen.mode = mode;
    if (sink_)
        return;

    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(f);
    painter.setPen(QColor::fromRgb(font.colour));
    if (upwards) {
        // Turned counter-clockwise about the top-left corner of pixel row
        // y + 1, local pixel (u, v) lands on (x + v, y - u).
        painter.translate(x, y + 1);
        painter.rotate(-90);
        painter.drawText(0, metrics.ascent(), text);
    } else {
        painter.drawText(x, y + metrics.ascent(), text);
    }
}

QRgb Canvas::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return outsidePixel;
    return reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x];
}

void Canvas::setPixel(int x, int y, QRgb colour)
{
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return;
    reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = colour | opaque;
}

void Canvas::copyRect(const QRect& target, const QImage& source, const QRect& sourceRect, CopyMode mode)
{
    if (target.isEmpty())
        return;
    const QRect visible = target.intersected(image_.rect());
    if (visible.isEmpty())
        return;
    if (mode == CopyMode::Whiteness) {
        for (int y = visible.top(); y <= visible.bottom(); ++y) {
            auto* p = reinterpret_cast<QRgb*>(image_.scanLine(y));
            std::fill(p + visible.left(), p + visible.right() + 1, white);
        }
        return;
    }
    if (sourceRect.isEmpty() || source.isNull())
        return;
    // A shallow copy: if `source` is our own image, writing below detaches
    // image_ and the copy keeps the original pixels.
    QImage src = source;
    if (src.format() != QImage::Format_RGB32 && src.format() != QImage::Format_ARGB32)
        src = src.convertToFormat(QImage::Format_RGB32);
    const int64_t tw = target.width(), th = target.height();
    const int64_t sw = sourceRect.width(), sh = sourceRect.height();
    for (int ty = visible.top(); ty <= visible.bottom(); ++ty) {
        const int64_t sy = sourceRect.top() + (ty - target.top()) * sh / th;
        if (sy < 0 || sy >= src.height())
            continue;
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(int(sy)));
        auto* out = reinterpret_cast<QRgb*>(image_.scanLine(ty));
        for (int tx = visible.left(); tx <= visible.right(); ++tx) {
            const int64_t sx = sourceRect.left() + (tx - target.left()) * sw / tw;
            if (sx >= 0 && sx < src.width())
                out[tx] = in[sx] | opaque;
        }
    }
    // Copying from our own image detached it onto new pixels.
    if (holds_ > 0)
        held_ = takeRaster();
}
