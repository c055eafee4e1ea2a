// The grid's cells: the shown number format, the row layout and the parse of
// the typed rows back into points.

#include "app/GridModel.h"
#include "data/DataStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct RowsCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> rows; // X and Y cells from row 1
    std::vector<std::pair<double, double>> points;
};

const RowsCase kRowsCases[] = {
    {"empty grid", {}, {}},
    {"empty middle row", {{"1", "2"}, {"", ""}, {"3", "4"}}, {{1, 2}, {3, 4}}},
    {"half rows are skipped", {{"1", ""}, {"", "2"}, {"5", "6"}}, {{5, 6}}},
    {"first comma is a point", {{"1,5", "2,25"}}, {{1.5, 2.25}}},
    {"second comma spoils", {{"1,5,0", "2"}}, {}},
    {"comma and point", {{"1,5.0", "2"}}, {}},
    {"leading blanks pass, trailing do not", {{"  7", " 8"}, {"7 ", "8"}}, {{7, 8}}},
    {"shown formats read back", {{" 1234", "-0.2500"}}, {{1234, -0.25}}},
    {"units and words", {{"5 V", "1"}, {"x", "1"}, {"1e", "2"}}, {}},
    {"overflow is no number", {{"1e999", "1"}}, {}},
    {"row order, not sorted", {{"3", "1"}, {"1", "3"}}, {{3, 1}, {1, 3}}},
};

void PrintTo(const RowsCase& c, std::ostream* out) { *out << c.name; }

class GridRowsRead : public ::testing::TestWithParam<RowsCase> {};

} // namespace

TEST_P(GridRowsRead, ValidRowsBecomePoints)
{
    const RowsCase& c = GetParam();
    GridModel model;
    model.setGridRowCount(static_cast<int>(c.rows.size()) + 21);
    int row = 1;
    for (const auto& [x, y] : c.rows) {
        model.setCellText(1, row, x);
        model.setCellText(2, row, y);
        ++row;
    }
    std::vector<double> xs(8, -1), ys(8, -1);
    const int k = model.readPoints(xs.data(), ys.data(), 8);
    ASSERT_EQ(k, static_cast<int>(c.points.size()));
    for (int i = 0; i < k; ++i) {
        EXPECT_DOUBLE_EQ(xs[static_cast<size_t>(i)], c.points[static_cast<size_t>(i)].first) << i;
        EXPECT_DOUBLE_EQ(ys[static_cast<size_t>(i)], c.points[static_cast<size_t>(i)].second) << i;
    }
    EXPECT_EQ(xs[static_cast<size_t>(k)], -1); // nothing written past the points
    EXPECT_EQ(model.cellText(0, model.gridRowCount() - 1), std::to_string(model.gridRowCount() - 1));
}

INSTANTIATE_TEST_SUITE_P(Cases, GridRowsRead, ::testing::ValuesIn(kRowsCases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
});

TEST(GridModel, ShowPointsFormatsAndLeavesNineteenEmptyRows)
{
    GridModel model;
    model.setGridRowCount(40);
    model.setCellText(1, 30, "stale");
    const double xs[] = {1.5, 25, 1234, -0.25};
    const double ys[] = {0.99999, 999.99, 0, -5};
    model.showPoints(xs, ys, 4);
    EXPECT_EQ(model.gridRowCount(), 24);
    EXPECT_EQ(model.cellText(0, 0), "[4]");
    const char* const expectX[] = {"1.500", "25.00", " 1234", "-0.2500"};
    const char* const expectY[] = {"1.000", " 1000", "0.0000", "-5.000"};
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(model.cellText(0, r), std::to_string(r));
        EXPECT_EQ(model.cellText(1, r), expectX[r - 1]) << r;
        EXPECT_EQ(model.cellText(2, r), expectY[r - 1]) << r;
    }
    for (int r = 5; r < 24; ++r)
        EXPECT_EQ(model.cellText(1, r) + model.cellText(2, r), "") << r;
    model.setGridRowCount(40); // rows dropped earlier come back empty
    EXPECT_EQ(model.cellText(1, 30), "");
}

TEST(GridModel, FullGridTakesAtMostOneSet)
{
    GridModel model;
    const int rows = kSetCapacity + 5;
    model.setGridRowCount(rows + 20);
    for (int r = 1; r <= rows; ++r) {
        model.setCellText(1, r, std::to_string(r));
        model.setCellText(2, r, "1");
    }
    std::vector<double> xs(kSetCapacity + 1, -1), ys(kSetCapacity + 1, -1);
    EXPECT_EQ(model.readPoints(xs.data(), ys.data(), kSetCapacity), kSetCapacity);
    EXPECT_EQ(xs[kSetCapacity - 1], kSetCapacity);
    EXPECT_EQ(xs[kSetCapacity], -1);
    EXPECT_EQ(model.cellText(0, rows), std::to_string(rows)); // still numbered
}

TEST(GridModel, FixedColumnIsNeitherEditableNorSelectable)
{
    GridModel model;
    model.setGridRowCount(3);
    EXPECT_EQ(model.flags(model.index(0, 0)), Qt::NoItemFlags);
    EXPECT_TRUE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(model.index(0, 0), QStringLiteral("9"), Qt::EditRole));
    EXPECT_TRUE(model.setData(model.index(1, 2), QStringLiteral("2,5"), Qt::EditRole));
    EXPECT_EQ(model.cellText(2, 2), "2,5");
}
