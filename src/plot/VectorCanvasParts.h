#pragma once

// What the vector canvas's recording and its planning of batches share: the
// paints of a call, a distinct shape and the plan that decides which paints
// are drawn in which batch.

#include "plot/Canvas.h"
#include "plot/VectorCanvas.h"

#include <QRgb>

#include <cstdint>
#include <vector>

namespace vectorparts {

inline constexpr QRgb opaque = 0xFF000000u;
inline constexpr QRgb white = 0xFFFFFFFFu;
// How many paths white parts may open to keep their order before the rest of
// them is drawn last as pixels: enough for any plot whose symbols do not pile
// up, few enough to keep a file of piled symbols small.
inline constexpr int kWhitePaths = 32;

// Every call has two paints, each kept and batched on its own: its outline
// (every line) and its interior. A shape has the two of each of its parts.
inline constexpr int kOutline = 0;
inline constexpr int kInterior = 1;
// Batch marks of a paint: left out, or drawn last as the pixels it owns.
inline constexpr int32_t kLeftOut = -1;
inline constexpr int32_t kWhiteLast = -2;

inline int paintIndex(PixelPaint paint)
{
    return paint == PixelPaint::Outline ? kOutline : kInterior;
}

struct Span {
    int y, x0, x1;
    int unit;
};

// Collects what a call covers, as spans of its paints.
class SpanSink : public PixelSink {
public:
    void paintSpan(int y, int x0, int x1, PixelPaint paint) override
    {
        spans.push_back({y, x0, x1, unitOffset + paintIndex(paint)});
    }
    std::vector<Span> spans;
    int unitOffset = 0;
};

} // namespace vectorparts

// A distinct shape: its calls relative to the anchor's pixel (offsets left
// out: every call keeps the anchor's), each call one part, and the pixels it
// covers, in the raster's order, relative to the anchor.
struct VectorCanvas::Template {
    std::vector<Op> ops;
    std::vector<int> partOf;
    std::vector<uint16_t> partStyle;
    int parts = 0;
    // Every write, in order, for keeping its paints in order.
    std::vector<vectorparts::Span> stamp;
    // What the shape leaves in each pixel, for finding owners: the colour
    // and the paint that began its last run there; `whole` when every write
    // there had that colour, so a pixel of that colour before keeps its owner.
    struct Net {
        int y, x0, x1;
        QRgb colour;
        int unit;
        bool whole;
    };
    std::vector<Net> net;
};

struct VectorCanvas::Plan {
    // Per call: the number of its first paint; a shape has two per part.
    std::vector<int64_t> unitBase;
    // Per paint: the batch it is drawn in, kLeftOut or kWhiteLast.
    std::vector<int32_t> batch;
    // Per batch: the colour all its paints have; a text batch holds one text.
    struct Batch {
        QRgb colour;
        bool text;
    };
    std::vector<Batch> batches;
    // The white pixels drawn last, as runs along rows.
    std::vector<QRect> whiteLast;
};
