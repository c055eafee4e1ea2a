#include "plot/VectorCanvasParts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace vectorparts;

namespace {

// How many distinct shapes are kept as stamps; beyond that, shapes are
// recorded call by call.
constexpr size_t kMaxTemplates = 256;

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

} // namespace

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
    styles_.push_back(current);
    return uint16_t(styles_.size() - 1);
}

void VectorCanvas::record(OpKind kind, const CanvasPoint& a, const CanvasPoint& b, int32_t index)
{
    // A shape already recorded from its key: its calls are known.
    if (inShape_ && shapeRecorded_)
        return;
    const Op op{kind, styleIndex(), index, a, b};
    if (inShape_) {
        const bool offsetKept = a.dx == anchor_.dx && a.dy == anchor_.dy && b.dx == anchor_.dx && b.dy == anchor_.dy;
        shapeKeepsOffset_ = shapeKeepsOffset_ && offsetKept && kind != OpKind::Text;
        shapeOps_.push_back(op);
    } else {
        ops_.push_back(op);
    }
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
    if (text.isEmpty() || (inShape_ && shapeRecorded_))
        return;
    texts_.push_back({text, font});
    record(OpKind::Text, {x, y, 0, 0}, {}, int32_t(texts_.size() - 1));
}

bool VectorCanvas::beginShape(const CanvasPoint& anchor, uint32_t key)
{
    anchor_ = anchor;
    shapeKey_ = key;
    shapeRecorded_ = false;
    if (key != 0) {
        shapeStyle_ = styleIndex();
        for (const KeyedShape& k : keyed_) {
            if (k.key == key && k.style == shapeStyle_) {
                ops_.push_back({OpKind::Shape, 0, k.shape, anchor, {}});
                shapeRecorded_ = true;
                inShape_ = true;
                return false;
            }
        }
    }
    inShape_ = true;
    shapeKeepsOffset_ = true;
    shapeOps_.clear();
    return true;
}

void VectorCanvas::endShape()
{
    inShape_ = false;
    if (shapeRecorded_ || shapeOps_.empty())
        return;
    // Relative to the anchor's pixel, the offsets dropped.
    auto relative = [this](const CanvasPoint& p) { return CanvasPoint{p.x - anchor_.x, p.y - anchor_.y, 0, 0}; };
    for (Op& op : shapeOps_) {
        op.a = relative(op.a);
        op.b = relative(op.b);
    }
    const int t = shapeKeepsOffset_ ? shapeTemplate() : -1;
    if (t >= 0) {
        ops_.push_back({OpKind::Shape, 0, t, anchor_, {}});
        if (shapeKey_ != 0)
            keyed_.push_back({shapeKey_, shapeStyle_, t});
        return;
    }
    for (Op op : shapeOps_) {
        op.a = op.a.offset(anchor_.x, anchor_.y);
        op.b = op.b.offset(anchor_.x, anchor_.y);
        if (op.kind != OpKind::Fill && op.kind != OpKind::Text) {
            op.a.dx = op.b.dx = anchor_.dx;
            op.a.dy = op.b.dy = anchor_.dy;
        }
        ops_.push_back(op);
    }
}

int VectorCanvas::shapeTemplate()
{
    // Consecutive shapes are mostly the same symbol.
    if (lastTemplate_ >= 0 && templates_[size_t(lastTemplate_)]->ops == shapeOps_)
        return lastTemplate_;
    for (size_t t = 0; t < templates_.size(); ++t) {
        if (templates_[t]->ops == shapeOps_) {
            lastTemplate_ = int(t);
            return lastTemplate_;
        }
    }
    if (templates_.size() >= kMaxTemplates)
        return -1;

    auto shape = std::make_shared<Template>();
    shape->ops = shapeOps_;
    int minX = 0, minY = 0, maxX = 0, maxY = 0, widest = 1;
    for (size_t i = 0; i < shape->ops.size(); ++i) {
        const Op& op = shape->ops[i];
        ++shape->parts;
        shape->partStyle.push_back(op.style);
        shape->partOf.push_back(shape->parts - 1);
        for (const CanvasPoint& p : {op.a, op.b}) {
            minX = std::min(minX, p.x);
            minY = std::min(minY, p.y);
            maxX = std::max(maxX, p.x);
            maxY = std::max(maxY, p.y);
        }
        widest = std::max(widest, styles_[op.style].pen.width);
    }
    // The stamp: the shape's pixels on a canvas large enough that nothing is
    // clipped; the raster's rules do not depend on where a figure lies.
    const int margin = std::min(widest, 4096) + 2;
    Canvas local(maxX - minX + 2 * margin + 1, maxY - minY + 2 * margin + 1);
    const int shiftX = margin - minX;
    const int shiftY = margin - minY;
    SpanSink sink;
    local.setSink(&sink);
    for (size_t i = 0; i < shape->ops.size(); ++i) {
        Op op = shape->ops[i];
        op.a = op.a.offset(shiftX, shiftY);
        op.b = op.b.offset(shiftX, shiftY);
        sink.unitOffset = 2 * shape->partOf[i];
        replay(local, op);
    }
    const int localWidth = local.width();
    struct Cell {
        QRgb colour = 0;
        int unit = -1;
        bool whole = true;
    };
    std::vector<Cell> cells(size_t(localWidth) * size_t(local.height()));
    for (const Span& s : sink.spans) {
        const Style& style = styles_[shape->partStyle[size_t(s.unit / 2)]];
        const QRgb colour = ((s.unit & 1) == kOutline ? style.pen.colour : style.brush) | opaque;
        for (int x = s.x0; x <= s.x1; ++x) {
            Cell& c = cells[size_t(s.y) * size_t(localWidth) + size_t(x)];
            if (c.unit < 0) {
                c = {colour, s.unit, true};
            } else if (c.colour != colour) {
                c = {colour, s.unit, false};
            }
        }
        // Consecutive writes along a row are one span.
        Span moved{s.y - shiftY, s.x0 - shiftX, s.x1 - shiftX, s.unit};
        Span* last = shape->stamp.empty() ? nullptr : &shape->stamp.back();
        if (last && last->y == moved.y && last->unit == moved.unit && last->x1 + 1 == moved.x0)
            last->x1 = moved.x1;
        else
            shape->stamp.push_back(moved);
    }
    for (int y = 0; y < local.height(); ++y) {
        for (int x = 0; x < localWidth;) {
            const Cell& c = cells[size_t(y) * size_t(localWidth) + size_t(x)];
            int end = x;
            while (end + 1 < localWidth) {
                const Cell& n = cells[size_t(y) * size_t(localWidth) + size_t(end + 1)];
                if (n.unit != c.unit || n.colour != c.colour || n.whole != c.whole)
                    break;
                ++end;
            }
            if (c.unit >= 0)
                shape->net.push_back({y - shiftY, x - shiftX, end - shiftX, c.colour, c.unit, c.whole});
            x = end + 1;
        }
    }
    templates_.push_back(std::move(shape));
    lastTemplate_ = int(templates_.size() - 1);
    return lastTemplate_;
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
    int64_t text = -1;

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

// The geometry of the kept paints, gathered per batch.
struct VectorCanvas::Emitter {
    std::vector<Batch> batches;

    void add(const Op& op, const Pen& pen, int32_t outlineBatch, int32_t interiorBatch)
    {
        const int width = std::max(pen.width, 1);
        // Styles take effect only on 1-pixel pens.
        const bool patterned = width == 1 && pen.style != PenStyle::Solid;
        switch (op.kind) {
        case OpKind::Line: {
            if (outlineBatch < 0)
                break;
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
        case OpKind::Fill:
            if (interiorBatch >= 0)
                batches[size_t(interiorBatch)].fill.addRect(
                    QRectF(QPointF(std::min(op.a.x, op.b.x), std::min(op.a.y, op.b.y)),
                           QPointF(std::max(op.a.x, op.b.x), std::max(op.a.y, op.b.y))));
            break;
        case OpKind::Text:
        case OpKind::Shape:
            break;
        }
    }
};

VectorCanvas::Census VectorCanvas::census() const
{
    const Plan p = plan();
    Census c;
    for (const int32_t b : p.batch) {
        c.inOrder += b >= 0 ? 1 : 0;
        c.whiteLast += b == kWhiteLast ? 1 : 0;
    }
    c.paths = p.batches.size() + (p.whiteLast.empty() ? 0 : 1);
    return c;
}

void VectorCanvas::paint(QPainter& painter) const
{
    const Plan p = plan();
    Emitter emitter;
    emitter.batches.resize(p.batches.size());
    for (size_t b = 0; b < p.batches.size(); ++b) {
        emitter.batches[b].colour = p.batches[b].colour;
        // Boxes of one colour may overlap: their union is filled.
        emitter.batches[b].fill.setFillRule(Qt::WindingFill);
    }
    for (size_t i = 0; i < ops_.size(); ++i) {
        const Op& op = ops_[i];
        const int64_t base = p.unitBase[i];
        if (op.kind == OpKind::Text) {
            if (p.batch[size_t(base)] >= 0)
                emitter.batches[size_t(p.batch[size_t(base)])].text = int64_t(i);
            continue;
        }
        if (op.kind != OpKind::Shape) {
            emitter.add(op, styles_[op.style].pen, p.batch[size_t(base)], p.batch[size_t(base + 1)]);
            continue;
        }
        const Template& shape = *templates_[size_t(op.index)];
        for (size_t j = 0; j < shape.ops.size(); ++j) {
            Op part = shape.ops[j];
            part.a = {op.a.x + part.a.x, op.a.y + part.a.y, op.a.dx, op.a.dy};
            part.b = {op.a.x + part.b.x, op.a.y + part.b.y, op.a.dx, op.a.dy};
            const int64_t unit = base + 2 * shape.partOf[j];
            emitter.add(part, styles_[part.style].pen, p.batch[size_t(unit)], p.batch[size_t(unit + 1)]);
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
    for (const Batch& batch : emitter.batches) {
        if (batch.text >= 0) {
            const Op& op = ops_[size_t(batch.text)];
            const TextItem& item = texts_[size_t(op.index)];
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
    if (!p.whiteLast.empty()) {
        // Each run as a stroke along the middle of its row, one unit high
        // and ending at the run's outer pixel edges.
        QPainterPath last;
        for (const QRect& r : p.whiteLast) {
            last.moveTo(r.left(), r.top() + 0.5);
            last.lineTo(r.right() + 1, r.top() + 0.5);
        }
        QPen pen(QColor::fromRgb(white), 1);
        pen.setCapStyle(Qt::FlatCap);
        use(pen, Qt::NoBrush);
        painter.drawPath(last);
    }
    painter.restore();
}
