// Typing into the data grid: the store follows every key release, Enter walks
// X, Y, next X, and only typed number characters mark the data unsaved.

#include "TForm1Fixture.h"

#include <utility>

namespace {

struct TypingCase {
    const char* name;
    std::string keys; // '\n' is Enter
    std::vector<std::pair<double, double>> points;
};

const TypingCase kTypingCases[] = {
    {"two rows", "1\n2\n3\n4", {{1, 2}, {3, 4}}},
    {"decimal comma", "1,5\n2", {{1.5, 2}}},
    {"trailing blank spoils the row", "1.5 \n2", {}},
    {"two commas stay invalid", "1,5,\n2", {}},
    {"sign, lone point and exponent", "-3\n.\n2e2\n+.5", {{-3, 0}, {200, 0.5}}},
    {"unit after the number", "4\n5V", {}},
};

void PrintTo(const TypingCase& c, std::ostream* out) { *out << c.name; }

class GridTyping : public TForm1Test, public ::testing::WithParamInterface<TypingCase> {};

} // namespace

TEST_P(GridTyping, StoreFollowsTheKeys)
{
    showActive();
    const TypingCase& c = GetParam();
    typeIntoGrid(c.keys);
    ASSERT_EQ(store.pointCount[1], static_cast<int>(c.points.size()));
    for (size_t i = 0; i < c.points.size(); ++i) {
        EXPECT_DOUBLE_EQ(store.x(1, static_cast<int>(i) + 1), c.points[i].first) << "point " << i + 1;
        EXPECT_DOUBLE_EQ(store.y(1, static_cast<int>(i) + 1), c.points[i].second) << "point " << i + 1;
    }
    EXPECT_EQ(cell(0, 0), "[" + std::to_string(c.points.size()) + "]");
    EXPECT_EQ(form->gridModel().gridRowCount(), static_cast<int>(c.points.size()) + 20);
    EXPECT_TRUE(store.unsavedChanges);
}

INSTANTIATE_TEST_SUITE_P(Cases, GridTyping, ::testing::ValuesIn(kTypingCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST_F(TForm1Test, PointExistsWhileItsYCellIsStillBeingEdited)
{
    showActive();
    typeIntoGrid("1\n25");
    // The Y cell's editor is still open and has taken the second digit
    // itself: nothing has been committed by leaving the cell, yet the store
    // already has the point.
    ASSERT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
    ASSERT_EQ(store.pointCount[1], 1);
    EXPECT_EQ(store.x(1, 1), 1);
    EXPECT_EQ(store.y(1, 1), 25);
    EXPECT_EQ(cell(0, 1), "1");
}

TEST_F(TForm1Test, EnterWalksXYNextXAndStaysInTheLastRow)
{
    showActive();
    QTableView* grid = form->grid();
    typeIntoGrid("\n", 3, 1);
    EXPECT_EQ(grid->currentIndex(), form->gridModel().index(2, 2));
    typeIntoGrid("\n", 3, 2);
    EXPECT_EQ(grid->currentIndex(), form->gridModel().index(3, 1));

    const int last = form->gridModel().gridRowCount() - 1;
    typeIntoGrid("\n", last, 2);
    EXPECT_EQ(grid->currentIndex(), form->gridModel().index(last - 1, 2));
}

TEST_F(TForm1Test, EmptyMiddleRowIsSkipped)
{
    showActive();
    typeIntoGrid("1\n2", 1);
    typeIntoGrid("3\n4", 3);
    ASSERT_EQ(store.pointCount[1], 2);
    EXPECT_EQ(store.x(1, 2), 3);
    EXPECT_EQ(store.y(1, 2), 4);
    EXPECT_EQ(cell(0, 2), "2"); // every row is numbered by the parse
}

TEST_F(TForm1Test, OnlyTypedNumberCharactersMarkUnsaved)
{
    showActive();
    struct Key {
        const char* name;
        int key;
        char text;
        bool marks;
    };
    const Key keys[] = {
        {"arrow down", Qt::Key_Down, 0, false},
        {"letter", Qt::Key_A, 'a', false},
        {"digit 7", Qt::Key_7, '7', true},
        {"comma", Qt::Key_Comma, ',', true},
        {"minus", Qt::Key_Minus, '-', true},
        {"point", Qt::Key_Period, '.', true},
    };
    for (const Key& k : keys) {
        store.unsavedChanges = false;
        form->showCurrentSet(); // closes any editor, back to an empty grid
        form->grid()->setFocus();
        form->grid()->setCurrentIndex(form->gridModel().index(0, 1));
        if (k.text)
            QTest::keyClick(form->grid(), k.text);
        else
            QTest::keyClick(form->grid(), static_cast<Qt::Key>(k.key));
        EXPECT_EQ(store.unsavedChanges, k.marks) << k.name;
    }
}

TEST_F(TForm1Test, ArrowKeyStillParsesTheGrid)
{
    showActive();
    form->gridModel().setCellText(1, 2, "5");
    form->gridModel().setCellText(2, 2, "6");
    typeIntoGrid("");
    QTest::keyClick(form->grid(), Qt::Key_Down);
    EXPECT_EQ(store.pointCount[1], 1);
    EXPECT_EQ(store.x(1, 1), 5);
    EXPECT_FALSE(store.unsavedChanges);
}

TEST_F(TForm1Test, DescendingPointsAreSortedWhenTheSetIsShownAgain)
{
    showActive();
    typeIntoGrid("3\n30\n2\n20\n1\n10");
    ASSERT_EQ(store.pointCount[1], 3);
    EXPECT_EQ(store.x(1, 1), 3); // taken in row order
    click("BnSatzplus");
    click("Button1");
    EXPECT_EQ(store.currentSet, 1);
    EXPECT_EQ(cell(1, 1), "1.000");
    EXPECT_EQ(cell(2, 3), "30.00");
    EXPECT_EQ(text("Lbminy"), "min. value 10.00");
    EXPECT_EQ(text("LbmaxY"), "max. value 30.00");
}

TEST_F(TForm1Test, TypingIntoAShownCellReplacesItsText)
{
    showActive();
    store.x(1, 1) = 5;
    store.y(1, 1) = 6;
    store.pointCount[1] = 1;
    form->showCurrentSet();
    typeIntoGrid("72");
    ASSERT_EQ(store.pointCount[1], 1);
    EXPECT_EQ(store.x(1, 1), 72);
    EXPECT_EQ(store.y(1, 1), 6);
}
