#include "PlotTestSupport.h"

#include "plot/Symbols.h"

using namespace PlotTest;

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);

struct SymbolCase {
    int number;
    std::vector<std::string> pattern; // 11 x 11 around the centre: '#' set colour, 'w' white, '.' untouched
};

const std::vector<SymbolCase>& symbolCases()
{
    static const std::vector<SymbolCase> cases = {
        {0, {"...........", "...........", "...........", "...........", "....##.....", "....##.....",
             "...........", "...........", "...........", "...........", "..........."}},
        {1, {"...........", "...........", "...........", "...#####...", "...#www#...", "...#www#...",
             "...#www#...", "...#####...", "...........", "...........", "..........."}},
        {2, {"...........", "...........", "...........", "...#####...", "...#####...", "...#####...",
             "...#####...", "...#####...", "...........", "...........", "..........."}},
        {3, {"...........", "...........", ".....#.....", "....#w#....", "...#www#...", "..#ww.ww#..",
             "...#www#...", "....#w#....", ".....#.....", "...........", "..........."}},
        {4, {"...........", "...........", ".....#.....", "....###....", "...#####...", "..###.###..",
             "...#####...", "....###....", ".....#.....", "...........", "..........."}},
        {5, {"...........", "...........", "..#######..", "..#######..", "..#######..", "..###w###..",
             "..#######..", "..#######..", "..#######..", "...........", "..........."}},
        {6, {"...........", "...........", "..#######..", "..#wwwww#..", "..#wwwww#..", "..#wwwww#..",
             "..#wwwww#..", "..#wwwww#..", "..#######..", "...........", "..........."}},
        {7, {"...........", ".....#.....", ".....#.....", "....#w#....", "....#w#....", "...#www#...",
             "...#www#...", "..#wwwww#..", "..#######..", "...........", "..........."}},
        {8, {"...........", ".....#.....", ".....#.....", "....###....", "....###....", "...#####...",
             "...#####...", "..#######..", "..#######..", "...........", "..........."}},
        {9, {"...........", "...#####...", "..#wwwww#..", ".#wwwwwww#.", ".#wwwwwww#.", ".#wwwwwww#.",
             ".#wwwwwww#.", ".#wwwwwww#.", "..#wwwww#..", "...#####...", "..........."}},
        {10, {"...........", "...#####...", "..#######..", ".#########.", ".#########.", ".####w####.",
              ".#########.", ".#########.", "..#######..", "...#####...", "..........."}},
        {11, {".....#.....", "....###....", "...##w##...", "..##www##..", ".##wwwww##.", "##www.www##",
              ".##wwwww##.", "..##www##..", "...##w##...", "....###....", ".....#....."}},
        {12, {".....#.....", "....###....", "...#####...", "..#######..", ".#########.", "#####.#####",
              ".#########.", "..#######..", "...#####...", "....###....", ".....#....."}},
        {13, {"...........", "...........", "...........", "...........", "....#.#....", ".....#.....",
              "....#.#....", "...........", "...........", "...........", "..........."}},
        {14, {"...........", "...........", "...........", "...........", ".....#.....", "....###....",
              ".....#.....", "...........", "...........", "...........", "..........."}},
    };
    return cases;
}

// Set 1 in red on a grey canvas, so white marks and untouched pixels differ.
struct SymbolFixture : PlotFixture {
    SymbolFixture()
    {
        store.setColour[1] = 1;
        plot.canvas().image().fill(kGrey);
    }
};

class SymbolShape : public ::testing::TestWithParam<SymbolCase> {};

TEST_P(SymbolShape, MatchesItsOperationTable)
{
    SymbolFixture f;
    f.plot.canvas().pen.width = 3; // symbols always draw 1 pixel wide
    f.plot.drawSymbol(20, 30, GetParam().number);

    const QImage& image = f.image();
    const auto grid = pixelGrid(image, 20, 30, 5, kRed, kGrey);
    QImage untouched = image.copy();
    for (int y = 25; y <= 35; ++y)
        for (int x = 15; x <= 25; ++x)
            untouched.setPixel(x, y, kGrey);
    bool nothingOutside = true;
    for (int y = 0; y < untouched.height(); ++y)
        for (int x = 0; x < untouched.width(); ++x)
            nothingOutside = nothingOutside && rgbAt(untouched, x, y) == (kGrey & 0xffffff);
    if (grid != GetParam().pattern || !nothingOutside) {
        const std::string path = saveActual(image, QStringLiteral("symbol%1").arg(GetParam().number));
        ADD_FAILURE() << "symbol " << GetParam().number << " differs, image in " << path;
    }
    EXPECT_EQ(grid, GetParam().pattern);
    EXPECT_TRUE(nothingOutside);
    EXPECT_EQ(f.plot.canvas().pen.width, 3);
    EXPECT_EQ(f.plot.canvas().pen.colour & 0xffffff, kRed & 0xffffff);
}

INSTANTIATE_TEST_SUITE_P(AllSymbols, SymbolShape, ::testing::ValuesIn(symbolCases()),
                         [](const auto& info) { return "Symbol" + std::to_string(info.param.number); });

TEST(Symbols, NumbersFromFifteenDrawNothing)
{
    for (int number : {15, 16, 99, 255}) {
        SymbolFixture f;
        const QImage before = f.image().copy();
        f.plot.drawSymbol(20, 30, number);
        EXPECT_EQ(f.image(), before) << number;
    }
}

TEST(Symbols, SetWithoutColourKeepsTheColourItStartedWith)
{
    // Colour code 6 has no pen colour: the symbol takes the colour on entry,
    // and the white of an open symbol must not stay on the pen.
    SymbolFixture f;
    const QRgb blue = qRgb(0, 0, 255);
    f.store.currentSet = 7;
    f.store.setColour[7] = 6;
    f.plot.canvas().pen.colour = blue;
    f.plot.drawSymbol(20, 30, 7);
    f.plot.drawSymbol(40, 30, 1);
    EXPECT_EQ(f.plot.canvas().pen.colour & 0xffffff, blue & 0xffffff);
    EXPECT_EQ(rgbAt(f.image(), 40 - 2, 30 - 2), blue & 0xffffff);
    EXPECT_EQ(rgbAt(f.image(), 20, 30 + 3), blue & 0xffffff);
}

// Symbols are stamped from one drawing of each: at the image's edges and
// over other ink they paint what drawing the shape there paints, and leave
// the pen where the shape leaves it.
TEST(Symbols, StampedSymbolsPaintWhatTheirShapesPaint)
{
    for (int number = 0; number <= 14; ++number) {
        for (const QPoint at : {QPoint(0, 0), QPoint(-3, 200), QPoint(479, 478), QPoint(240, 1), QPoint(100, 100)}) {
            SymbolFixture f;
            f.plot.drawSymbol(at.x() + 1, at.y() + 2, (number + 5) % 15);
            Canvas reference(f.image());
            reference.pen = f.plot.canvas().pen;
            reference.moveTo(f.plot.canvas().penPos().x(), f.plot.canvas().penPos().y());
            drawSymbolShape(reference, at.x(), at.y(), number, kRed);
            f.plot.drawSymbol(at.x(), at.y(), number);
            EXPECT_TRUE(f.image() == reference.image()) << number << " at " << at.x() << ", " << at.y();
            EXPECT_EQ(f.plot.canvas().penPos(), reference.penPos()) << number;
        }
    }
}

TEST(Symbols, PlotSymbolAtDrawsOnlyInsideTheRanges)
{
    struct Row {
        const char* name;
        double x, y;
        bool drawn;
    };
    const std::vector<Row> rows = {
        {"centre", 5, 5, true},     {"corner", 0, 10, true},        {"on the far end", 10, 0, true},
        {"left of X", -0.01, 5, false}, {"above Y", 5, 10.001, false}, {"far out", 1e300, 5, false},
    };
    for (const auto& row : rows) {
        PlotFixture f;
        f.plot.plotSymbolAt(0, row.x, row.y);
        EXPECT_EQ(inkCount(f.image(), f.image().rect()) > 0, row.drawn) << row.name;
    }
}

} // namespace
