#include "plot/VectorCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr QRgb opaque = 0xFF000000u;
constexpr QRgb white = 0xFFFFFFFFu;

// The two paints of a recorded call: its outline (every line) and its
// interior; they are kept and batched separately.
constexpr int kOutline = 0;
constexpr int kInterior = 1;

int paintIndex(PixelPaint paint)
{
    return paint == PixelPaint::Outline ? kOutline : kInterior;
}

QPointF centreOf(const CanvasPoint& p)
{
    return {p.x + 0.5 + p.dx, p.y + 0.5 + p.dy};
}

// Directions along a row, a column or a diagonal draw the same pixels whether
// a run is one line or several: such runs merge.
bool straightStep(int dx, int dy)
{
    return dx == 0 || dy == 0 || std::abs(dx) == std::abs(dy);
}

bool sameDirection(int dx1, int dy1, int dx2, int dy2)
{
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    return straightStep(dx1, dy1) && straightStep(dx2, dy2) && sign(dx1) == sign(dx2) && sign(dy1) == sign(dy2);
}

// Last owner of every pixel in the order the raster paints: a pixel belongs
// to the first paint of the last run of writes in its final colour, and to
// nobody when that run reaches back to the white start. Only owners have to
// be drawn for the canvas-size picture to stay the same.
class OwnerSink : public PixelSink {
public:
    OwnerSink(int width, int height)
        : width_(width), colour_(size_t(width) * size_t(height), white), owner_(size_t(width) * size_t(height), -1)
    {
    }

    void begin(int64_t op, QRgb outline, QRgb interior)
    {
        op_ = op;
        colours_[kOutline] = outline | opaque;
        colours_[kInterior] = interior | opaque;
    }

    void paintSpan(int y, int x0, int x1, PixelPaint paint) override
    {
        const int which = paintIndex(paint);
        const QRgb colour = colours_[which];
        const int64_t id = op_ * 2 + which;
        const size_t row = size_t(y) * size_t(width_);
        for (int x = x0; x <= x1; ++x) {
            QRgb& c = colour_[row + size_t(x)];
            if (c != colour) {
                c = colour;
                owner_[row + size_t(x)] = id;
            }
        }
    }

    const std::vector<int64_t>& owners() const { return owner_; }

private:
    int width_;
    std::vector<QRgb> colour_;
    std::vector<int64_t> owner_;
    int64_t op_ = 0;
    QRgb colours_[2] = {0, 0};
};

// The spans of one call, gathered so its paints can be placed before any of
// their pixels is marked.
class SpanSink : public PixelSink {
public:
    struct Span {
        int y, x0, x1;
        int paint;
    };
    void paintSpan(int y, int x0, int x1, PixelPaint paint) override { spans.push_back({y, x0, x1, paintIndex(paint)}); }
    std::vector<Span> spans;
};

} // namespace

struct VectorCanvas::Plan {
    // Per call and paint (index 2 * op + paint): the batch it is drawn in,
    // -1 when it is left out.
    std::vector<int32_t> batch;
    // Per batch: the colour all its paints have; text batches hold one text.
    struct Batch {
        QRgb colour;
        bool text;
    };
    std::vector<Batch> batches;
};

VectorCanvas::VectorCanvas(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1))
{
}

uint16_t VectorCanvas::styleIndex()
{
    const Style current{pen, brushColour};
    // Calls come in long runs of one style.
    if (!styles_.empty() && styles_.back() == current)
        return uint16_t(styles_.size() - 1);
    for (size_t i = 0; i < styles_.size(); ++i)
        if (styles_[i] == current)
            return uint16_t(i);
    if (styles_.size() == 0xFFFF)
        styles_.clear();
    styles_.push_back(current);
    return uint16_t(styles_.size() - 1);
}

void VectorCanvas::record(OpKind kind, const CanvasPoint& a, const CanvasPoint& b, int32_t text)
{
    ops_.push_back({kind, styleIndex(), text, a, b});
}

void VectorCanvas::lineTo(const CanvasPoint& p)
{
    const CanvasPoint from = penPos_;
    penPos_ = p;
    // A line whose ends share a pixel draws nothing on the raster.
    if (pen.mode == RasterMode::NoOp || from.samePixel(p))
        return;
    record(OpKind::Line, from, p);
}

void VectorCanvas::rectangle(const CanvasPoint& a, const CanvasPoint& b)
{
    if (pen.mode == RasterMode::NoOp || a.x == b.x || a.y == b.y)
        return;
    record(OpKind::Rect, a, b);
}

void VectorCanvas::fillRect(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 || y1 == y2)
        return;
    record(OpKind::Fill, {x1, y1, 0, 0}, {x2, y2, 0, 0});
}

void VectorCanvas::textOut(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    texts_.push_back({text, font});
    record(OpKind::Text, {x, y, 0, 0}, {}, int32_t(texts_.size() - 1));
}

void VectorCanvas::replay(Canvas& coverage, const Op& op) const
{
    const Style& style = styles_[op.style];
    coverage.pen = style.pen;
    coverage.brushColour = style.brush;
    switch (op.kind) {
    case OpKind::Line:
        coverage.moveTo(op.a.x, op.a.y);
        coverage.lineTo(op.b.x, op.b.y);
        break;
    case OpKind::Rect:
        coverage.rectangle(op.a.x, op.a.y, op.b.x, op.b.y);
        break;
    case OpKind::Fill:
        coverage.fillRect(op.a.x, op.a.y, op.b.x, op.b.y);
        break;
    case OpKind::Text:
        coverage.font = texts_[size_t(op.text)].font;
        coverage.textOut(op.a.x, op.a.y, texts_[size_t(op.text)].text);
        break;
    }
}

VectorCanvas::Plan VectorCanvas::plan() const
{
    Canvas coverage(width_, height_);
    const size_t pixels = size_t(width_) * size_t(height_);

    // Which paints own a pixel of the final picture.
    OwnerSink owners(width_, height_);
    coverage.setSink(&owners);
    for (size_t i = 0; i < ops_.size(); ++i) {
        const Op& op = ops_[i];
        const Style& style = styles_[op.style];
        owners.begin(int64_t(i), style.pen.colour, style.brush);
        replay(coverage, op);
    }
    std::vector<uint8_t> kept(ops_.size() * 2, 0);
    for (const int64_t owner : owners.owners())
        if (owner >= 0)
            kept[size_t(owner)] = 1;

    // Batches: a paint joins the latest batch of its colour when no batch
    // after that one covers any of its pixels; otherwise it opens a new one.
    Plan plan;
    plan.batch.assign(ops_.size() * 2, -1);
    std::vector<int32_t> lastBatch(pixels, -1);
    std::vector<std::pair<QRgb, int32_t>> latestOfColour;
    auto latest = [&](QRgb colour) -> int32_t& {
        for (auto& [c, b] : latestOfColour)
            if (c == colour)
                return b;
        latestOfColour.emplace_back(colour, -1);
        return latestOfColour.back().second;
    };
    SpanSink spans;
    coverage.setSink(&spans);
    for (size_t i = 0; i < ops_.size(); ++i) {
        const Op& op = ops_[i];
        const bool text = op.kind == OpKind::Text;
        if (!text && !kept[2 * i] && !kept[2 * i + 1])
            continue;
        spans.spans.clear();
        replay(coverage, op);
        if (text) {
            // The glyphs are no pixels of the coverage; the text goes when
            // its box lies wholly outside the canvas.
            if (spans.spans.empty())
                continue;
            const auto b = int32_t(plan.batches.size());
            plan.batches.push_back({0, true});
            plan.batch[2 * i] = b;
            for (const auto& s : spans.spans)
                std::fill(lastBatch.begin() + ptrdiff_t(size_t(s.y) * size_t(width_) + size_t(s.x0)),
                          lastBatch.begin() + ptrdiff_t(size_t(s.y) * size_t(width_) + size_t(s.x1) + 1), b);
            continue;
        }
        const Style& style = styles_[op.style];
        for (int paint : {kOutline, kInterior}) {
            if (!kept[2 * i + size_t(paint)])
                continue;
            const QRgb colour = (paint == kOutline ? style.pen.colour : style.brush) | opaque;
            int32_t above = -1;
            for (const auto& s : spans.spans) {
                if (s.paint != paint)
                    continue;
                const int32_t* row = lastBatch.data() + size_t(s.y) * size_t(width_);
                above = std::max(above, *std::max_element(row + s.x0, row + s.x1 + 1));
            }
            int32_t& sameColour = latest(colour);
            int32_t b = sameColour;
            if (b < 0 || b < above) {
                b = int32_t(plan.batches.size());
                plan.batches.push_back({colour, false});
                sameColour = b;
            }
            plan.batch[2 * i + size_t(paint)] = b;
            for (const auto& s : spans.spans) {
                if (s.paint != paint)
                    continue;
                int32_t* row = lastBatch.data() + size_t(s.y) * size_t(width_);
                for (int x = s.x0; x <= s.x1; ++x)
                    row[x] = std::max(row[x], b);
            }
        }
    }
    return plan;
}

size_t VectorCanvas::drawnPartCount() const
{
    const Plan p = plan();
    return size_t(std::count_if(p.batch.begin(), p.batch.end(), [](int32_t b) { return b >= 0; }));
}

namespace {

// One kind of stroke of a batch: solid lines, rectangle outlines (mitred
// corners) or a dotted or dashed pattern of a given step length.
struct StrokeKey {
    enum class Kind : uint8_t { Line, Outline, Pattern };
    Kind kind;
    int width;
    PenStyle style;
    double step;
    bool operator==(const StrokeKey&) const = default;
};

struct Stroke {
    StrokeKey key;
    QPainterPath path;
    // The open polyline's end and the pixel step of its last segment.
    bool open = false;
    CanvasPoint end;
    int stepX = 0;
    int stepY = 0;
};

struct Batch {
    QRgb colour = 0;
    QPainterPath fill;
    std::vector<Stroke> strokes;
    int32_t text = -1;

    Stroke& stroke(const StrokeKey& key)
    {
        for (Stroke& s : strokes)
            if (s.key == key)
                return s;
        strokes.emplace_back();
        strokes.back().key = key;
        return strokes.back();
    }
};

void addLine(Stroke& s, const CanvasPoint& a, const CanvasPoint& b)
{
    const int dx = b.x - a.x;
    const int dy = b.y - a.y;
    if (s.open && s.end.samePixel(a)) {
        if (sameDirection(s.stepX, s.stepY, dx, dy)) {
            const QPointF to = centreOf(b);
            s.path.setElementPositionAt(s.path.elementCount() - 1, to.x(), to.y());
            s.stepX += dx;
            s.stepY += dy;
        } else {
            s.path.lineTo(centreOf(b));
            s.stepX = dx;
            s.stepY = dy;
        }
    } else {
        s.path.moveTo(centreOf(a));
        s.path.lineTo(centreOf(b));
        s.open = true;
        s.stepX = dx;
        s.stepY = dy;
    }
    s.end = b;
}

QPen strokePen(const StrokeKey& key, QRgb colour)
{
    QPen pen{QColor::fromRgb(colour), qreal(std::max(key.width, 1))};
    switch (key.kind) {
    case StrokeKey::Kind::Line:
        pen.setCapStyle(key.width > 1 ? Qt::RoundCap : Qt::SquareCap);
        pen.setJoinStyle(Qt::RoundJoin);
        break;
    case StrokeKey::Kind::Outline:
        pen.setCapStyle(key.width > 1 ? Qt::RoundCap : Qt::SquareCap);
        pen.setJoinStyle(key.width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
        break;
    case StrokeKey::Kind::Pattern: {
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        const bool dotted = key.style == PenStyle::Dotted;
        const double on = (dotted ? Canvas::dottedOn : Canvas::dashedOn) * key.step;
        const double off = (dotted ? Canvas::dottedOff : Canvas::dashedOff) * key.step;
        pen.setDashPattern({on, off});
        break;
    }
    }
    return pen;
}

} // namespace

void VectorCanvas::paint(QPainter& painter) const
{
    const Plan p = plan();
    std::vector<Batch> batches(p.batches.size());
    for (size_t b = 0; b < batches.size(); ++b) {
        batches[b].colour = p.batches[b].colour;
        // Boxes of one colour may overlap: their union is filled.
        batches[b].fill.setFillRule(Qt::WindingFill);
    }

    for (size_t i = 0; i < ops_.size(); ++i) {
        const Op& op = ops_[i];
        const int32_t outlineBatch = p.batch[2 * i];
        const int32_t interiorBatch = p.batch[2 * i + 1];
        if (outlineBatch < 0 && interiorBatch < 0)
            continue;
        const Pen& pen = styles_[op.style].pen;
        const int width = std::max(pen.width, 1);
        // Styles take effect only on 1-pixel pens.
        const bool patterned = width == 1 && pen.style != PenStyle::Solid;
        switch (op.kind) {
        case OpKind::Line: {
            Batch& batch = batches[size_t(outlineBatch)];
            if (!patterned) {
                addLine(batch.stroke({StrokeKey::Kind::Line, width, PenStyle::Solid, 0}), op.a, op.b);
                break;
            }
            // One dot or dash per pixel step: the step is the line's length
            // over its longer pixel extent, and the pattern starts half a
            // step before the first pixel's centre so that pixel is drawn.
            const QPointF from = centreOf(op.a);
            const QPointF to = centreOf(op.b);
            const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
            const int steps = std::max(std::abs(op.b.x - op.a.x), std::abs(op.b.y - op.a.y));
            const double step = length / steps;
            const QPointF back = (to - from) * (0.5 * step / length);
            Stroke& s = batch.stroke({StrokeKey::Kind::Pattern, 1, pen.style, step});
            s.path.moveTo(from - back);
            s.path.lineTo(to);
            break;
        }
        case OpKind::Rect: {
            const int left = std::min(op.a.x, op.b.x);
            const int right = std::max(op.a.x, op.b.x) - 1;
            const int top = std::min(op.a.y, op.b.y);
            const int bottom = std::max(op.a.y, op.b.y) - 1;
            const double dx = op.a.dx;
            const double dy = op.a.dy;
            if (outlineBatch >= 0) {
                Batch& batch = batches[size_t(outlineBatch)];
                if (width == 1 && (left == right || top == bottom)) {
                    batch.fill.addRect(QRectF(QPointF(left + dx, top + dy), QPointF(right + 1 + dx, bottom + 1 + dy)));
                } else {
                    Stroke& s = batch.stroke({StrokeKey::Kind::Outline, width, patterned ? pen.style : PenStyle::Solid,
                                              patterned ? 1.0 : 0.0});
                    s.path.addRect(QRectF(QPointF(left + 0.5 + dx, top + 0.5 + dy),
                                          QPointF(right + 0.5 + dx, bottom + 0.5 + dy)));
                    s.open = false;
                }
            }
            if (interiorBatch >= 0) {
                const double inset = 0.5 + width / 2.0;
                const QRectF inner(QPointF(left + inset + dx, top + inset + dy),
                                   QPointF(right + 1 - inset + dx, bottom + 1 - inset + dy));
                if (inner.width() > 0 && inner.height() > 0)
                    batches[size_t(interiorBatch)].fill.addRect(inner);
            }
            break;
        }
        case OpKind::Fill: {
            const QRectF box(QPointF(std::min(op.a.x, op.b.x), std::min(op.a.y, op.b.y)),
                             QPointF(std::max(op.a.x, op.b.x), std::max(op.a.y, op.b.y)));
            batches[size_t(interiorBatch >= 0 ? interiorBatch : outlineBatch)].fill.addRect(box);
            break;
        }
        case OpKind::Text:
            batches[size_t(outlineBatch)].text = int32_t(i);
            break;
        }
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRectF(0, 0, width_, height_), QColor::fromRgb(white));
    // The painter's state changes only when a batch needs another pen or
    // brush: every change costs a group in an SVG file.
    QPen currentPen(Qt::NoPen);
    QBrush currentBrush(Qt::NoBrush);
    painter.setPen(currentPen);
    painter.setBrush(currentBrush);
    auto use = [&](const QPen& pen, const QBrush& brush) {
        if (pen != currentPen) {
            painter.setPen(pen);
            currentPen = pen;
        }
        if (brush != currentBrush) {
            painter.setBrush(brush);
            currentBrush = brush;
        }
    };
    for (const Batch& batch : batches) {
        if (batch.text >= 0) {
            const Op& op = ops_[size_t(batch.text)];
            const TextItem& item = texts_[size_t(op.text)];
            const QFont rasterFont = Canvas::fontOf(item.font);
            const QFontMetrics metrics(rasterFont);
            const int advance = metrics.horizontalAdvance(item.text);
            const int height = metrics.height();
            const bool upwards = item.font.escapement == 900;
            const int x = op.a.x;
            const int y = op.a.y;
            use(Qt::NoPen, QBrush(QColor::fromRgb(styles_[op.style].brush)));
            painter.drawRect(upwards ? QRectF(x, y - advance + 1, height, advance) : QRectF(x, y, advance, height));
            // The text keeps the raster's width: its glyphs are placed at
            // hinted, whole-pixel advances, which the unhinted outlines of a
            // vector file would overrun by a few per cent.
            QFont font = rasterFont;
            font.setStyleStrategy(QFont::PreferDefault);
            font.setHintingPreference(QFont::PreferNoHinting);
            const double natural = QFontMetricsF(font).horizontalAdvance(item.text);
            const double stretch = natural > 0 ? advance / natural : 1.0;
            painter.setFont(font);
            use(QPen(QColor::fromRgb(item.font.colour)), Qt::NoBrush);
            painter.save();
            if (upwards) {
                painter.translate(x, y + 1);
                painter.rotate(-90);
            } else {
                painter.translate(x, y);
            }
            painter.scale(stretch, 1);
            painter.drawText(QPointF(0, metrics.ascent()), item.text);
            painter.restore();
            continue;
        }
        const QColor colour = QColor::fromRgb(batch.colour);
        if (!batch.fill.isEmpty()) {
            use(Qt::NoPen, QBrush(colour));
            painter.drawPath(batch.fill);
        }
        for (const Stroke& s : batch.strokes) {
            use(strokePen(s.key, batch.colour), Qt::NoBrush);
            painter.drawPath(s.path);
        }
    }
    painter.restore();
}
