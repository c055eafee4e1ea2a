#include "plot/Canvas.h"

#include "CanvasTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using canvastest::countDifferences;
using canvastest::expectPattern;
using canvastest::noise;

namespace {

using Pattern = std::vector<std::string>;
using Draw = std::function<void(Canvas&)>;

QRgb grey()
{
    return qRgb(128, 128, 128);
}

Canvas greyCanvas(int width, int height)
{
    Canvas canvas(width, height);
    canvas.image().fill(grey());
    return canvas;
}

struct PatternCase {
    const char* name;
    int width;
    int height;
    bool greyBackground;
    Draw draw;
    Pattern expected;
};

void runPatternCases(const std::vector<PatternCase>& cases)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas = c.greyBackground ? greyCanvas(c.width, c.height) : Canvas(c.width, c.height);
        c.draw(canvas);
        expectPattern(canvas, c.expected, c.name);
    }
}

} // namespace

TEST(CanvasTest, NewCanvasHasTheStartState)
{
    const Canvas canvas(31, 17);
    EXPECT_EQ(canvas.width(), 31);
    EXPECT_EQ(canvas.height(), 17);
    EXPECT_EQ(canvas.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(canvas.pen, Pen{});
    EXPECT_EQ(canvas.pen.width, 1);
    EXPECT_EQ(canvas.pen.colour, qRgb(0, 0, 0));
    EXPECT_EQ(canvas.brushColour, qRgb(255, 255, 255));
    EXPECT_EQ(canvas.penPos(), QPoint(0, 0));
    EXPECT_EQ(canvas.font, CanvasFont{});
    EXPECT_EQ(countDifferences(canvas.image(), Canvas(31, 17).image()), 0);
    EXPECT_EQ(canvas.pixel(30, 16), qRgb(255, 255, 255));
}

TEST(CanvasTest, LinesLeaveOutTheirEndPixel)
{
    const std::vector<PatternCase> cases = {
        {"all eight octants from the centre", 9, 9, false,
         [](Canvas& c) {
             for (QPoint to : {QPoint(7, 5), QPoint(5, 7), QPoint(3, 7), QPoint(1, 5), QPoint(1, 3), QPoint(3, 1),
                               QPoint(5, 1), QPoint(7, 3)}) {
                 c.moveTo(4, 4);
                 c.lineTo(to.x(), to.y());
             }
         },
         {".........",
          ".........",
          "...#.#...",
          "..#.#.#..",
          "...###...",
          "..#.#.#..",
          "...#.#...",
          ".........",
          "........."}},
        {"horizontal, vertical and diagonal, both directions", 8, 8, false,
         [](Canvas& c) {
             c.moveTo(1, 0);
             c.lineTo(6, 0);
             c.moveTo(6, 2);
             c.lineTo(1, 2);
             c.moveTo(0, 7);
             c.lineTo(0, 3);
             c.moveTo(2, 3);
             c.lineTo(6, 7);
         },
         {".#####..",
          "........",
          "..#####.",
          "..#.....",
          "#..#....",
          "#...#...",
          "#....#..",
          "#......."}},
        {"a half step rounds away from the start", 6, 4, false,
         [](Canvas& c) {
             c.moveTo(0, 0);
             c.lineTo(4, 2);
         },
         {"#.....",
          ".##...",
          "...#..",
          "......"}},
        {"a line to the pen position draws nothing", 4, 4, false,
         [](Canvas& c) {
             c.moveTo(2, 2);
             c.lineTo(2, 2);
             c.pen.width = 3;
             c.lineTo(2, 2);
         },
         {"....", "....", "....", "...."}},
        {"chained lines join without gaps", 8, 3, false,
         [](Canvas& c) {
             c.moveTo(0, 1);
             c.lineTo(3, 1);
             c.lineTo(7, 1);
         },
         {"........", "#######.", "........"}},
    };
    runPatternCases(cases);
}

TEST(CanvasTest, LineToMovesThePenPosition)
{
    Canvas canvas(10, 10);
    canvas.moveTo(1, 2);
    canvas.lineTo(7, 5);
    EXPECT_EQ(canvas.penPos(), QPoint(7, 5));
    canvas.pen.mode = RasterMode::NoOp;
    canvas.lineTo(3, 9);
    EXPECT_EQ(canvas.penPos(), QPoint(3, 9));
}

TEST(CanvasTest, PenStylesAndWidths)
{
    const std::vector<PatternCase> cases = {
        {"dotted draws every other pixel", 10, 2, false,
         [](Canvas& c) {
             c.pen.style = PenStyle::Dotted;
             c.moveTo(0, 1);
             c.lineTo(9, 1);
         },
         {"..........", "#.#.#.#.#."}},
        {"dashed draws 18 and skips 6", 44, 1, false,
         [](Canvas& c) {
             c.pen.style = PenStyle::Dashed;
             c.moveTo(0, 0);
             c.lineTo(43, 0);
         },
         {std::string(18, '#') + std::string(6, '.') + std::string(18, '#') + std::string(2, '.')}},
        {"dotted rectangle runs the pattern clockwise", 12, 7, false,
         [](Canvas& c) {
             c.pen.style = PenStyle::Dotted;
             c.rectangle(1, 1, 10, 6);
         },
         {"............",
          ".#.#.#.#.#..",
          "............",
          ".#.......#..",
          "............",
          ".#.#.#.#.#..",
          "............"}},
        {"width 3 covers a 3x3 disc on every pixel, both ends", 10, 5, false,
         [](Canvas& c) {
             c.pen.width = 3;
             c.moveTo(2, 2);
             c.lineTo(7, 2);
         },
         {"..........",
          ".########.",
          ".########.",
          ".########.",
          ".........."}},
        {"width 4 is a square without corners, its extra row above", 9, 6, false,
         [](Canvas& c) {
             c.pen.width = 4;
             c.moveTo(3, 3);
             c.lineTo(6, 3);
         },
         {".........",
          "..#####..",
          ".#######.",
          ".#######.",
          "..#####..",
          "........."}},
    };
    runPatternCases(cases);
}

TEST(CanvasTest, StylesTakeEffectOnlyAtWidthOne)
{
    for (PenStyle style : {PenStyle::Dotted, PenStyle::Dashed}) {
        for (int width : {2, 3, 6}) {
            SCOPED_TRACE(width);
            Canvas styled(60, 60);
            Canvas solid(60, 60);
            for (Canvas* c : {&styled, &solid}) {
                c->pen.width = width;
                c->moveTo(5, 7);
                c->lineTo(52, 31);
                c->rectangle(10, 40, 50, 55);
                c->ellipse(3, 3, 30, 25);
            }
            styled.pen.style = style;
            styled.moveTo(40, 3);
            styled.lineTo(45, 50);
            solid.moveTo(40, 3);
            solid.lineTo(45, 50);
            EXPECT_EQ(countDifferences(styled.image(), solid.image()), 0);
        }
    }
}

TEST(CanvasTest, RectanglesCoverTheBoxWithoutItsRightAndBottomEdge)
{
    const Pattern box = {"oooooooo",
                         "o#####oo",
                         "o#...#oo",
                         "o#...#oo",
                         "o#####oo",
                         "oooooooo",
                         "oooooooo"};
    const Pattern untouched(7, "oooooooo");
    const std::vector<PatternCase> cases = {
        {"corners top-left first", 8, 7, true, [](Canvas& c) { c.rectangle(1, 1, 6, 5); }, box},
        {"corners bottom-right first", 8, 7, true, [](Canvas& c) { c.rectangle(6, 5, 1, 1); }, box},
        {"corners bottom-left first", 8, 7, true, [](Canvas& c) { c.rectangle(1, 5, 6, 1); }, box},
        {"zero width", 8, 7, true, [](Canvas& c) { c.rectangle(3, 1, 3, 5); }, untouched},
        {"zero height", 8, 7, true, [](Canvas& c) { c.rectangle(1, 4, 6, 4); }, untouched},
        {"one pixel high is all outline", 8, 7, true, [](Canvas& c) { c.rectangle(1, 2, 6, 3); },
         {"oooooooo", "oooooooo", "o#####oo", "oooooooo", "oooooooo", "oooooooo", "oooooooo"}},
        {"no-op mode", 8, 7, true,
         [](Canvas& c) {
             c.pen.mode = RasterMode::NoOp;
             c.rectangle(1, 1, 6, 5);
         },
         untouched},
        {"width 3 outline centred on the box edge", 11, 10, true,
         [](Canvas& c) {
             c.pen.width = 3;
             c.rectangle(2, 2, 9, 8);
         },
         {"ooooooooooo",
          "o#########o",
          "o#########o",
          "o#########o",
          "o###...###o",
          "o###...###o",
          "o#########o",
          "o#########o",
          "o#########o",
          "ooooooooooo"}},
        {"fillRect ignores the pen", 8, 7, true,
         [](Canvas& c) {
             c.pen.mode = RasterMode::NotXor;
             c.fillRect(6, 5, 1, 1);
         },
         {"oooooooo", "o.....oo", "o.....oo", "o.....oo", "o.....oo", "oooooooo", "oooooooo"}},
    };
    runPatternCases(cases);
}

TEST(CanvasTest, EllipsesAndRoundedRectangles)
{
    const Pattern roundCorners = {"..########..",
                                  ".#........#.",
                                  "#..........#",
                                  "#..........#",
                                  "#..........#",
                                  "#..........#",
                                  ".#........#.",
                                  "..########.."};
    const std::vector<PatternCase> cases = {
        {"circle in a 10x10 box", 12, 12, false, [](Canvas& c) { c.ellipse(1, 1, 11, 11); },
         {"............",
          "....####....",
          "..##....##..",
          "..#......#..",
          ".#........#.",
          ".#........#.",
          ".#........#.",
          ".#........#.",
          "..#......#..",
          "..##....##..",
          "....####....",
          "............"}},
        {"odd 7x5 box, corners reversed", 7, 5, true, [](Canvas& c) { c.ellipse(7, 5, 0, 0); },
         {"o#####o",
          "#.....#",
          "#.....#",
          "#.....#",
          "o#####o"}},
        {"flat ellipse still touches the box sides", 8, 3, false, [](Canvas& c) { c.ellipse(0, 0, 8, 2); },
         {"########", "########", "........"}},
        {"thin ellipse still touches top and bottom", 3, 8, false, [](Canvas& c) { c.ellipse(0, 0, 2, 8); },
         {"##.", "##.", "##.", "##.", "##.", "##.", "##.", "##."}},
        {"rounded rectangle 8x6, corner 4x4", 8, 6, true, [](Canvas& c) { c.roundRect(0, 0, 8, 6, 4, 4); },
         {"o######o",
          "#......#",
          "#......#",
          "#......#",
          "#......#",
          "o######o"}},
        {"rounded rectangle 12x8, corner 8x6", 12, 8, false, [](Canvas& c) { c.roundRect(0, 0, 12, 8, 8, 6); },
         roundCorners},
        {"rounded rectangle dragged backwards", 12, 8, false, [](Canvas& c) { c.roundRect(12, 8, 0, 0, -8, -6); },
         roundCorners},
        {"rounded rectangle with no corner is a rectangle", 5, 4, true,
         [](Canvas& c) { c.roundRect(0, 0, 5, 4, 0, 3); },
         {"#####", "#...#", "#...#", "#####"}},
        {"empty ellipse", 4, 4, true, [](Canvas& c) { c.ellipse(1, 1, 1, 3); }, Pattern(4, "oooo")},
    };
    runPatternCases(cases);
}

TEST(CanvasTest, RoundRectWithCornersAsLargeAsTheBoxIsTheEllipse)
{
    for (QRect box : {QRect(2, 3, 20, 11), QRect(1, 1, 9, 30), QRect(0, 0, 17, 17)}) {
        for (int width : {1, 3}) {
            Canvas ellipse(40, 40);
            Canvas rounded(40, 40);
            ellipse.pen.width = rounded.pen.width = width;
            ellipse.ellipse(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
            rounded.roundRect(box.left(), box.top(), box.right() + 1, box.bottom() + 1, 500, 500);
            EXPECT_EQ(countDifferences(ellipse.image(), rounded.image()), 0) << box.width() << "x" << box.height();
        }
    }
}

namespace {

struct FigureCase {
    const char* name;
    int widestLeavingInterior; // 0 for lines
    std::function<void(Canvas&, int, int)> draw; // canvas, x and y offset
    void operator()(Canvas& c, int dx = 0, int dy = 0) const { draw(c, dx, dy); }
};

// Figures partly outside a 40x40 canvas, in every kind.
std::vector<FigureCase> figureCases()
{
    return {
        {"line", 0, [](Canvas& c, int dx, int dy) { c.moveTo(dx - 13, dy - 4); c.lineTo(dx + 47, dy + 29); }},
        {"steep line", 0, [](Canvas& c, int dx, int dy) { c.moveTo(dx + 31, dy + 45); c.lineTo(dx + 22, dy - 6); }},
        {"rectangle", 99, [](Canvas& c, int dx, int dy) { c.rectangle(dx - 5, dy + 3, dx + 27, dy + 45); }},
        {"small rectangle", 1, [](Canvas& c, int dx, int dy) { c.rectangle(dx + 10, dy + 12, dx + 14, dy + 15); }},
        {"ellipse", 99, [](Canvas& c, int dx, int dy) { c.ellipse(dx - 9, dy + 4, dx + 33, dy + 31); }},
        {"circle", 99, [](Canvas& c, int dx, int dy) { c.ellipse(dx + 5, dy + 5, dx + 36, dy + 36); }},
        {"rounded rectangle", 99,
         [](Canvas& c, int dx, int dy) { c.roundRect(dx - 6, dy - 6, dx + 36, dy + 24, 17, 12); }},
    };
}

struct PenCase {
    const char* name;
    int width;
    PenStyle style;
};

const std::vector<PenCase> penCases = {
    {"width 1 solid", 1, PenStyle::Solid},
    {"width 1 dotted", 1, PenStyle::Dotted},
    {"width 1 dashed", 1, PenStyle::Dashed},
    {"width 4", 4, PenStyle::Solid},
    {"width 5", 5, PenStyle::Solid},
};

} // namespace

// Not-xor with a black pen flips every pixel it touches; touching a pixel
// twice in one drawing would leave it as it was. So on white a figure drawn
// once in not-xor must equal the copy-mode figure, a second drawing must
// restore any background, and only the outline may change.
TEST(CanvasTest, NotXorTouchesEveryPixelOnceAndTwiceRestores)
{
    for (const auto& pen : penCases) {
        for (const auto& figure : figureCases()) {
            const std::string name = std::string(figure.name) + ", " + pen.name;
            SCOPED_TRACE(name);
            Canvas copied(40, 40);
            Canvas flipped(40, 40);
            for (Canvas* c : {&copied, &flipped}) {
                c->pen.width = pen.width;
                c->pen.style = pen.style;
            }
            flipped.pen.mode = RasterMode::NotXor;
            figure(copied);
            figure(flipped);
            if (countDifferences(copied.image(), flipped.image()) != 0) {
                canvastest::saveFailure(flipped.image(), name);
                ADD_FAILURE() << "not-xor on white differs from copy";
            }

            const QImage background = noise(40, 40, 7);
            Canvas canvas(background);
            canvas.pen = flipped.pen;
            figure(canvas);
            // Exactly the copy drawing's black (outline) pixels changed.
            for (int y = 0; y < 40; ++y) {
                for (int x = 0; x < 40; ++x) {
                    const bool outline = copied.pixel(x, y) == qRgb(0, 0, 0);
                    ASSERT_EQ(canvas.pixel(x, y) != background.pixel(x, y), outline) << x << "," << y;
                }
            }
            figure(canvas);
            EXPECT_EQ(countDifferences(canvas.image(), background), 0);
        }
    }
}

TEST(CanvasTest, CopyModePaintsTheInteriorWithTheBrushAndNoOpNothing)
{
    for (const auto& pen : penCases) {
        for (const auto& figure : figureCases()) {
            SCOPED_TRACE(std::string(figure.name) + ", " + pen.name);
            Canvas onWhite(40, 40);
            Canvas onNoise(noise(40, 40, 3));
            Canvas untouched(noise(40, 40, 3));
            for (Canvas* c : {&onWhite, &onNoise, &untouched}) {
                c->pen.width = pen.width;
                c->pen.style = pen.style;
                c->pen.colour = qRgb(10, 200, 30);
            }
            untouched.pen.mode = RasterMode::NoOp;
            figure(onWhite);
            figure(onNoise);
            figure(untouched);
            EXPECT_EQ(countDifferences(untouched.image(), noise(40, 40, 3)), 0);
            // The interior is white over noise, the outline the pen colour;
            // only the gaps of a styled outline keep the noise.
            int interior = 0;
            for (int y = 0; y < 40; ++y) {
                for (int x = 0; x < 40; ++x) {
                    if (onWhite.pixel(x, y) == qRgb(255, 255, 255))
                        continue;
                    EXPECT_EQ(onWhite.pixel(x, y), qRgb(10, 200, 30));
                    EXPECT_EQ(onNoise.pixel(x, y), qRgb(10, 200, 30));
                }
            }
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x)
                    interior += onNoise.pixel(x, y) == qRgb(255, 255, 255);
            if (pen.width <= figure.widestLeavingInterior) {
                EXPECT_GT(interior, 0);
            }
        }
    }
}

// The part of a figure inside the image is the same whether or not the rest
// lies outside: clipping never moves a pixel or shifts a pen pattern.
TEST(CanvasTest, ClippingKeepsEveryVisiblePixel)
{
    for (const auto& pen : penCases) {
        for (const auto& figure : figureCases()) {
            SCOPED_TRACE(std::string(figure.name) + ", " + pen.name);
            Canvas small(40, 40);
            Canvas large(120, 120);
            for (Canvas* c : {&small, &large}) {
                c->pen.width = pen.width;
                c->pen.style = pen.style;
            }
            figure(small);
            figure(large, 40, 40);
            EXPECT_EQ(countDifferences(small.image(), large.image().copy(40, 40, 40, 40)), 0);
        }
    }
}

TEST(CanvasTest, HugeCoordinatesAreClippedQuickly)
{
    Canvas canvas(20, 20);
    canvas.pen.style = PenStyle::Dotted;
    canvas.ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
    canvas.rectangle(-2000000000, 15, 2000000000, 2000000000);
    canvas.pen.style = PenStyle::Solid;
    canvas.moveTo(-2000000000, 5);
    canvas.lineTo(2000000000, 5);
    canvas.pen.width = 3;
    canvas.moveTo(10, -2000000000);
    canvas.lineTo(10, 2000000000);
    for (int x = 0; x < 20; ++x) {
        EXPECT_EQ(canvas.pixel(x, 5), qRgb(0, 0, 0)) << x;
        if (x < 9 || x > 11) {
            EXPECT_EQ(canvas.pixel(x, 15) == qRgb(0, 0, 0), x % 2 == 0) << x;
        }
    }
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(canvas.pixel(10, y), qRgb(0, 0, 0)) << y;
    EXPECT_EQ(canvas.pixel(3, 3), qRgb(255, 255, 255));

    // A mistyped width covers everything near the line and still returns.
    canvas.pen = Pen{};
    canvas.pen.width = 2000000000;
    canvas.moveTo(-5, 100);
    canvas.lineTo(30, 100);
    EXPECT_EQ(canvas.image(), [] {
        Canvas black(20, 20);
        black.image().fill(qRgb(0, 0, 0));
        return black.image();
    }());
}

namespace {

// The window and the image files hold shallow copies of the canvas image:
// drawing afterwards must detach, never write into the copy.
TEST(CanvasTest, ShallowCopiesOfTheImageKeepTheirPixels)
{
    struct Case {
        const char* name;
        Draw draw;
    };
    const std::vector<Case> cases = {
        {"thin line", [](Canvas& c) { c.moveTo(1, 1); c.lineTo(15, 9); }},
        {"wide line", [](Canvas& c) { c.pen.width = 3; c.moveTo(1, 1); c.lineTo(15, 9); }},
        {"box", [](Canvas& c) { c.rectangle(2, 2, 12, 12); }},
        {"dotted ellipse", [](Canvas& c) { c.pen.style = PenStyle::Dotted; c.ellipse(2, 2, 14, 10); }},
        {"wide round rectangle", [](Canvas& c) { c.pen.width = 4; c.roundRect(2, 2, 14, 14, 6, 6); }},
        {"fill", [](Canvas& c) { c.brushColour = qRgb(255, 0, 0); c.fillRect(0, 0, 8, 8); }},
        {"text", [](Canvas& c) { c.font.pixelSize = 11; c.textOut(1, 1, QStringLiteral("Wg")); }},
        {"pixel", [](Canvas& c) { c.setPixel(3, 3, qRgb(0, 0, 255)); }},
    };
    for (const auto& t : cases) {
        Canvas canvas(16, 16);
        canvas.rectangle(0, 0, 1, 1); // the canvas has drawn before the copy
        const QImage shown = canvas.image();
        const QImage before = shown.copy();
        t.draw(canvas);
        EXPECT_TRUE(shown == before) << t.name << ": the copy changed";
        EXPECT_FALSE(canvas.image() == before) << t.name << ": nothing drawn";
    }
}

} // namespace

namespace {

// A thin line wholly inside the image and the same line running out of it
// must agree on every pixel the image shows, in every direction and with the
// rounding ties of odd slopes (1:2, 2:3, 3:4 ...), in copy and not-xor mode.
TEST(CanvasTest, LinesInsideAndRunningOutOfTheImageAgree)
{
    struct Delta {
        int dx, dy;
    };
    std::vector<Delta> deltas;
    for (int a : {1, 2, 3, 4, 7, 17})
        for (int b : {0, 1, 2, 3, 5, 17})
            for (int sx : {-1, 1})
                for (int sy : {-1, 1}) {
                    deltas.push_back({sx * a, sy * b});
                    deltas.push_back({sy * b, sx * a});
                }
    for (RasterMode mode : {RasterMode::Copy, RasterMode::NotXor}) {
        for (const Delta& d : deltas) {
            // Three times the delta from (30, 30) stays inside a 60 x 60 image;
            // the same line on a 60 x 30 image leaves it wherever it goes down.
            Canvas whole(60, 60);
            Canvas cut(60, 30);
            for (Canvas* c : {&whole, &cut}) {
                c->image().fill(qRgb(90, 160, 40));
                c->pen.mode = mode;
                c->pen.colour = qRgb(200, 10, 70);
                c->moveTo(30 - 3 * d.dx, 28 - 3 * d.dy);
                c->lineTo(30 + 3 * d.dx, 28 + 3 * d.dy);
            }
            EXPECT_EQ(countDifferences(cut.image(), whole.image().copy(0, 0, 60, 30)), 0)
                << "delta " << d.dx << "," << d.dy << (mode == RasterMode::NotXor ? " not-xor" : " copy");
        }
    }
}

} // namespace

namespace {

// Figures drawn while the pixel pointer is held land where they land without
// the hold, also after a copy from the canvas's own image moved its pixels.
TEST(CanvasTest, DrawingUnderARasterHold)
{
    auto draw = [](Canvas& c) {
        c.rectangle(2, 2, 9, 9);
        c.copyRect(QRect(20, 0, 10, 10), c.image(), QRect(0, 0, 10, 10));
        c.moveTo(0, 20);
        c.lineTo(30, 25);
        c.pen.width = 3;
        c.ellipse(5, 12, 25, 28);
        c.textOut(1, 1, QStringLiteral("x"));
    };
    Canvas plain(32, 32);
    draw(plain);
    Canvas held(32, 32);
    {
        const Canvas::RasterHold hold(held);
        draw(held);
    }
    EXPECT_EQ(countDifferences(held.image(), plain.image()), 0);
    EXPECT_EQ(held.pixel(2, 20), qRgb(0, 0, 0)); // the line, left of the ellipse
}

} // namespace
