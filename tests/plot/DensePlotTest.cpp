#include "PlotTestSupport.h"

#include "data/Errors.h"
#include "data/Messages.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace PlotTest;

namespace {

// Full sets as measurements give them must come out pixel for pixel as the
// plot drew them point by point and line by line, where the fingerprints
// below come from. The data is made with exact operations only (a sine's last
// bit may differ between libraries) and lives in sets 3 to 9, which write no
// text, so no font enters the picture.
enum class Shape {
    Wave,       // 10000 points, a triangle wave with a ripple
    Steps,      // 10000 points, five at each X
    FlatPair,   // (4, 5) and (6, 5)
    OnePoint,   // (5, 5)
};

void fill(DataStore& store, int s, Shape shape)
{
    auto put = [&](int i, double x, double y) {
        store.x(s, i) = x;
        store.y(s, i) = y;
        store.pointCount[size_t(s)] = i;
    };
    switch (shape) {
    case Shape::Wave:
    case Shape::Steps:
        for (int i = 1; i <= kSetCapacity; ++i) {
            const double x = shape == Shape::Wave ? (i - 1) / 1000.0 : ((i - 1) / 5) / 200.0;
            const double phase = x * (1 + 0.3 * s) / 4;
            const double triangle = std::fabs(phase - std::floor(phase) - 0.5) * 4 - 1;
            const double ripple = ((i * 37 * s) % 23) / 23.0 - 0.5;
            put(i, x, 5 + 3.5 * triangle + 0.6 * ripple);
        }
        break;
    case Shape::FlatPair:
        put(1, 4, 5);
        put(2, 6, 5);
        break;
    case Shape::OnePoint:
        put(1, 5, 5);
        break;
    }
    store.sortSet(s);
}

// FNV-1a over the pixels and where the pen stands.
uint64_t fingerprint(const Canvas& canvas)
{
    uint64_t h = 14695981039346656037u;
    auto add = [&h](uint32_t v) {
        for (int b = 0; b < 4; ++b) {
            h ^= (v >> (8 * b)) & 0xff;
            h *= 1099511628211u;
        }
    };
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            add(canvas.pixel(x, y) & 0xffffff);
    add(uint32_t(canvas.penPos().x()));
    add(uint32_t(canvas.penPos().y()));
    return h;
}

struct SetData {
    int set;
    Shape shape;
    int symbol;
    double yFrom;
    double yTo;
};

TEST(DensePlot, FullSetsDrawTheSamePixels)
{
    constexpr uint8_t both = showSymbols | connectPoints;
    struct Row {
        const char* name;
        std::vector<SetData> sets;
        uint8_t flags;
        double xFrom;
        double xTo;
        uint64_t fingerprint;
        std::string_view failure; // empty when the plot succeeds
    };
    // Between them the rows show every symbol.
    const std::vector<Row> rows = {
        {"seven waves",
         {{3, Shape::Wave, 0, 0, 10}, {4, Shape::Wave, 1, 0, 10}, {5, Shape::Wave, 2, 0, 10},
          {6, Shape::Wave, 3, 0, 10}, {7, Shape::Wave, 4, 0, 10}, {8, Shape::Wave, 5, 0, 10},
          {9, Shape::Wave, 6, 0, 10}},
         both, 0, 10, 0xdfe939f3838e2350, {}},
        {"lines only", {{3, Shape::Wave, 0, 0, 10}}, connectPoints, 0, 10, 0x582acd6475257b02, {}},
        {"symbols only", {{4, Shape::Wave, 7, 0, 10}}, showSymbols, 0, 10, 0x860a9777cc5a4058, {}},
        {"partly outside the ranges", {{5, Shape::Wave, 8, 3, 7}, {6, Shape::Steps, 9, 4.5, 9}}, both, 2, 8,
         0x6790f541ea933d80, {}},
        {"reversed ranges", {{7, Shape::Wave, 10, 10, 0}, {8, Shape::Steps, 11, 9, 1}}, both, 10, 0,
         0x7565b9816759094b, {}},
        {"equal X in runs", {{8, Shape::Steps, 0, 0, 10}}, connectPoints, 0, 10, 0xbceb00ce67e2c9ec, {}},
        {"one point", {{9, Shape::OnePoint, 12, 0, 10}}, both, 0, 10, 0x345e1f5b414974cb, {}},
        {"zero Y range fails in the symbols", {{3, Shape::Wave, 13, 0, 10}, {4, Shape::OnePoint, 0, 5, 5}}, both, 0,
         10, 0x7349e9bbc6e8a325, Messages::InvalidFloatOperation},
        {"zero Y range, a point joined to nothing", {{4, Shape::OnePoint, 0, 5, 5}}, connectPoints, 0, 10,
         0xd4070fe89386f4e5, {}},
        {"zero Y range fails in the lines", {{5, Shape::Wave, 14, 0, 10}, {6, Shape::FlatPair, 0, 5, 5}}, both, 0,
         10, 0x7c237b10ae8e1c94, Messages::InvalidFloatOperation},
    };
    for (const Row& r : rows) {
        PlotFixture f;
        f.store.plot.xFrom = r.xFrom;
        f.store.plot.xTo = r.xTo;
        for (const SetData& d : r.sets) {
            fill(f.store, d.set, d.shape);
            f.store.yFrom[size_t(d.set)] = d.yFrom;
            f.store.yTo[size_t(d.set)] = d.yTo;
            f.store.drawFlags[size_t(d.set)] = r.flags;
            f.store.symbolNumber[size_t(d.set)] = uint8_t(d.symbol);
            f.store.setColour[size_t(d.set)] = uint8_t(d.set % 7);
        }
        std::string failure;
        try {
            f.plot.plotCommand();
        } catch (const FloatError& e) {
            failure = e.what();
        }
        EXPECT_EQ(failure, r.failure) << r.name;
        const uint64_t actual = fingerprint(f.plot.canvas());
        EXPECT_EQ(actual, r.fingerprint) << r.name << std::hex << ": 0x" << actual << ", image in "
                                         << saveActual(f.image(), QStringLiteral("dense-plot"));
    }
}

} // namespace
