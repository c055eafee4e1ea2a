// Planning a recorded plot: which paints still show in the final picture and
// in which batch each is drawn so the picture is the raster's.
#include "plot/VectorCanvasParts.h"

#include "plot/Canvas.h"

#include <QRect>

#include <algorithm>

using namespace vectorparts;

namespace {

// The owner of every pixel in the order the raster paints: the first paint
// of the last run of writes in the pixel's final colour, or nobody when that
// run reaches back to the white start. Drawing every owner (and anything more)
// in order gives the same picture at the canvas's size. A text's box always
// takes its pixels: its glyphs are no pixels of the coverage, and a white
// paint before it must not keep a pixel under them.
class Owners {
public:
    Owners(int width, int height)
        : width_(width), colour_(size_t(width) * size_t(height), white), owner_(size_t(width) * size_t(height), -1)
    {
    }

    void cover(int y, int x0, int x1, QRgb colour, int64_t unit, bool takesAll)
    {
        const size_t row = size_t(y) * size_t(width_);
        for (int x = x0; x <= x1; ++x) {
            QRgb& c = colour_[row + size_t(x)];
            if (c != colour || takesAll) {
                c = colour;
                owner_[row + size_t(x)] = unit;
            }
        }
    }

    // A shape's net effect on a span (see VectorCanvas::Template::Net).
    void coverNet(int y, int x0, int x1, QRgb colour, int64_t unit, bool whole)
    {
        const size_t row = size_t(y) * size_t(width_);
        for (int x = x0; x <= x1; ++x) {
            QRgb& c = colour_[row + size_t(x)];
            if (whole && c == colour)
                continue;
            c = colour;
            owner_[row + size_t(x)] = unit;
        }
    }

    std::vector<int64_t>& owners() { return owner_; }

private:
    int width_;
    std::vector<QRgb> colour_;
    std::vector<int64_t> owner_;
};

} // namespace

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
        coverage.font = texts_[size_t(op.index)].font;
        coverage.textOut(op.a.x, op.a.y, texts_[size_t(op.index)].text);
        break;
    case OpKind::Shape:
        break;
    }
}

VectorCanvas::Plan VectorCanvas::plan() const
{
    Plan plan;
    plan.unitBase.reserve(ops_.size());
    int64_t units = 0;
    for (const Op& op : ops_) {
        plan.unitBase.push_back(units);
        units += op.kind == OpKind::Shape ? 2 * templates_[size_t(op.index)]->parts : 2;
    }
    plan.batch.assign(size_t(units), kLeftOut);

    Canvas coverage(width_, height_);
    const Canvas::RasterHold hold(coverage);
    // The spans of a call, or of a shape's stamp where it lies, for `visit`.
    SpanSink spans;
    coverage.setSink(&spans);
    auto spansOf = [&](const Op& op) -> const std::vector<Span>& {
        spans.spans.clear();
        if (op.kind != OpKind::Shape) {
            replay(coverage, op);
            return spans.spans;
        }
        for (const Span& s : templates_[size_t(op.index)]->stamp) {
            const int y = op.a.y + s.y;
            const int x0 = std::max(op.a.x + s.x0, 0);
            const int x1 = std::min(op.a.x + s.x1, width_ - 1);
            if (y >= 0 && y < height_ && x0 <= x1)
                spans.spans.push_back({y, x0, x1, s.unit});
        }
        return spans.spans;
    };
    // The colour of a paint; a shape's part has the style of its first call.
    auto unitColour = [&](const Op& op, int unit) {
        const Style& style = op.kind == OpKind::Shape
            ? styles_[templates_[size_t(op.index)]->partStyle[size_t(unit / 2)]]
            : styles_[op.style];
        return ((unit & 1) == kOutline ? style.pen.colour : style.brush) | opaque;
    };

    // Which paints own a pixel of the final picture.
    Owners owners(width_, height_);
    for (size_t i = 0; i < ops_.size(); ++i) {
        const Op& op = ops_[i];
        if (op.kind == OpKind::Shape) {
            for (const Template::Net& n : templates_[size_t(op.index)]->net) {
                const int y = op.a.y + n.y;
                const int x0 = std::max(op.a.x + n.x0, 0);
                const int x1 = std::min(op.a.x + n.x1, width_ - 1);
                if (y >= 0 && y < height_ && x0 <= x1)
                    owners.coverNet(y, x0, x1, n.colour, plan.unitBase[i] + n.unit, n.whole);
            }
            continue;
        }
        const bool text = op.kind == OpKind::Text;
        for (const Span& s : spansOf(op))
            owners.cover(s.y, s.x0, s.x1, unitColour(op, s.unit), plan.unitBase[i] + s.unit, text);
    }
    std::vector<int64_t>& owner = owners.owners();
    std::vector<uint8_t> kept(size_t(units), 0);
    std::vector<uint8_t> opKept(ops_.size(), 0);
    for (const int64_t o : owner) {
        if (o < 0 || kept[size_t(o)])
            continue;
        kept[size_t(o)] = 1;
        const auto op = std::upper_bound(plan.unitBase.begin(), plan.unitBase.end(), o) - plan.unitBase.begin() - 1;
        opKept[size_t(op)] = 1;
    }

    // Batches: a paint joins the latest batch of its colour when no batch
    // after that one covers any of its pixels; otherwise it opens a new one,
    // except a white paint once white paints have opened kWhitePaths: that
    // is drawn last as the pixels it owns.
    std::vector<int32_t> lastBatch(owner.size(), -1);
    std::vector<std::pair<QRgb, int32_t>> latestOfColour;
    auto latest = [&](QRgb colour) -> int32_t& {
        for (auto& [c, b] : latestOfColour)
            if (c == colour)
                return b;
        latestOfColour.emplace_back(colour, -1);
        return latestOfColour.back().second;
    };
    using SpanRange = std::pair<const Span*, const Span*>;
    auto mark = [&](SpanRange covered, int32_t b) {
        for (const Span* s = covered.first; s != covered.second; ++s) {
            int32_t* row = lastBatch.data() + size_t(s->y) * size_t(width_);
            for (int x = s->x0; x <= s->x1; ++x)
                row[x] = std::max(row[x], b);
        }
    };
    std::vector<uint8_t> whiteLast(owner.size(), 0);
    int whitePaths = 0;
    std::vector<Span> byUnit;
    for (size_t i = 0; i < ops_.size(); ++i) {
        const Op& op = ops_[i];
        const bool text = op.kind == OpKind::Text;
        if (!text && !opKept[i])
            continue;
        const int64_t base = plan.unitBase[i];
        const std::vector<Span>& covered = spansOf(op);
        if (text) {
            // The glyphs are no pixels of the coverage; the text goes when
            // its box lies wholly outside the canvas.
            if (covered.empty())
                continue;
            const auto b = int32_t(plan.batches.size());
            plan.batches.push_back({0, true});
            plan.batch[size_t(base)] = b;
            mark({covered.data(), covered.data() + covered.size()}, b);
            continue;
        }
        // Paint by paint, in the order of the call's parts.
        byUnit.assign(covered.begin(), covered.end());
        std::stable_sort(byUnit.begin(), byUnit.end(), [](const Span& a, const Span& b) { return a.unit < b.unit; });
        for (auto from = byUnit.cbegin(); from != byUnit.cend();) {
            const int u = from->unit;
            const auto to = std::find_if(from, byUnit.cend(), [u](const Span& s) { return s.unit != u; });
            const SpanRange spans{&*from, &*from + (to - from)};
            from = to;
            const int64_t unit = base + u;
            if (!kept[size_t(unit)])
                continue;
            const QRgb colour = unitColour(op, u);
            int32_t above = -1;
            for (const Span* s = spans.first; s != spans.second; ++s) {
                const int32_t* row = lastBatch.data() + size_t(s->y) * size_t(width_);
                above = std::max(above, *std::max_element(row + s->x0, row + s->x1 + 1));
            }
            int32_t& sameColour = latest(colour);
            if (sameColour >= 0 && sameColour >= above) {
                plan.batch[size_t(unit)] = sameColour;
                mark(spans, sameColour);
            } else if (colour == white && whitePaths >= kWhitePaths) {
                plan.batch[size_t(unit)] = kWhiteLast;
                for (const Span* s = spans.first; s != spans.second; ++s) {
                    const size_t row = size_t(s->y) * size_t(width_);
                    for (int x = s->x0; x <= s->x1; ++x)
                        if (owner[row + size_t(x)] == unit)
                            whiteLast[row + size_t(x)] = 1;
                }
            } else {
                whitePaths += colour == white ? 1 : 0;
                const auto b = int32_t(plan.batches.size());
                plan.batches.push_back({colour, false});
                sameColour = b;
                plan.batch[size_t(unit)] = b;
                mark(spans, b);
            }
        }
    }

    for (int y = 0; y < height_; ++y) {
        const uint8_t* row = whiteLast.data() + size_t(y) * size_t(width_);
        for (int x = 0; x < width_; ++x) {
            if (!row[x])
                continue;
            int end = x;
            while (end + 1 < width_ && row[end + 1])
                ++end;
            plan.whiteLast.push_back(QRect(QPoint(x, y), QPoint(end, y)));
            x = end;
        }
    }
    return plan;
}
