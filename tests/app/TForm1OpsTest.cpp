// The set operations of the main window: the input box and its modes, the
// removal box and the buttons that act at once.

#include "TForm1Fixture.h"

#include <QRadioButton>

namespace {

class TForm1OpsTest : public TForm1Test {
protected:
    void load(int s, const std::vector<double>& xs, const std::vector<double>& ys)
    {
        store.pointCount[static_cast<size_t>(s)] = static_cast<int>(xs.size());
        for (size_t i = 0; i < xs.size(); ++i) {
            store.x(s, static_cast<int>(i) + 1) = xs[i];
            store.y(s, static_cast<int>(i) + 1) = ys[i];
        }
    }

    std::vector<double> ys(int s)
    {
        return {store.ys(s), store.ys(s) + store.pointCount[static_cast<size_t>(s)]};
    }

    // Opens the box with `button`, types `argument` and presses OK.
    void run(const char* button, const QString& argument)
    {
        click(button);
        child<QLineEdit>("EdGBDATOK")->setText(argument);
        click("Bndatokok");
    }

    bool boxShown() { return !child<QGroupBox>("GbDatok")->isHidden(); }
};

TEST_F(TForm1OpsTest, EachCommandOpensTheBoxInItsMode)
{
    showActive();
    load(1, {0, 1, 2}, {0, 2, 4}); // slope 2
    load(2, {1}, {1});
    form->showCurrentSet();
    child<QLineEdit>("EdGBDATOK")->setText("kept");
    struct Case {
        const char* button;
        const char* caption;
        int mode;
        const char* prompt;
        const char* edit;
        bool focus;
    };
    const Case cases[] = {
        {"BnEinf", "Insert Data from set # ", 2, "...", "kept", false},
        {"BnCopy", "Copy data set as #", 1, "...", "3", false},
        {"BnSatztausch", "Exchange set with set #", 3, "...", "", false},
        {"BnAddY", "Add curve from set # ", 4, "...", "", false},
        {"Bnrech", "X/Y + - * / L ^ R", 5, "...", "", true},
        {"BnDrift", "Change current Slope: 2.0000", 7, "...", "S", false},
        {"Bn", "Filter max and min values", 9, "Window", "4", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        child<QWidget>("BnPlotstart")->setFocus();
        click(c.button);
        EXPECT_TRUE(boxShown());
        EXPECT_EQ(child<QGroupBox>("GbDatok")->title(), c.caption);
        EXPECT_EQ(static_cast<int>(form->datokMode), c.mode);
        EXPECT_EQ(text("Lbdatok"), c.prompt);
        EXPECT_EQ(text("EdGBDATOK"), c.edit);
        EXPECT_EQ(QApplication::focusWidget() == child<QWidget>("EdGBDATOK"), c.focus);
    }
    click("BnDatokabbr");
    EXPECT_FALSE(boxShown());
    EXPECT_EQ(text("Lbdatok"), "    ");
    EXPECT_EQ(form->datokMode, DatokMode::Filter);
}

// A closing box gives the focus to the grid, never to the next field in tab
// order, whose text the next keystrokes would replace.
TEST_F(TForm1OpsTest, ClosingABoxFocusesTheGrid)
{
    showActive();
    load(1, {1, 2, 3}, {1, 2, 3});
    form->showCurrentSet();
    const std::pair<const char*, const char*> boxes[] = {
        {"Bnrech", "Bndatokok"}, {"Bnrech", "BnDatokabbr"}, {"BnLoeschen", "Bnokclear"}, {"BnLoeschen", "Button2"}};
    for (const auto& [opener, closer] : boxes) {
        SCOPED_TRACE(std::string(opener) + " " + closer);
        click(opener);
        child<QLineEdit>(std::string(opener) == "Bnrech" ? "EdGBDATOK" : "EdClearvon")->setFocus();
        click(closer);
        EXPECT_EQ(QApplication::focusWidget(), form->grid());
    }
    click("Bnrech");
    child<QLineEdit>("EdGBDATOK")->setText("Y+1");
    QTest::keyClick(child<QLineEdit>("EdGBDATOK"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), form->grid()) << "Return";
}

TEST_F(TForm1OpsTest, ReturnInTheEditFieldCarriesOutTheCalculation)
{
    showActive();
    load(1, {1, 2}, {5, 6});
    form->showCurrentSet();
    click("Bnrech");
    QTest::keyClicks(child<QLineEdit>("EdGBDATOK"), "x+2");
    QTest::keyClick(child<QLineEdit>("EdGBDATOK"), Qt::Key_Return);
    EXPECT_FALSE(boxShown());
    EXPECT_EQ(store.x(1, 1), 3);
    EXPECT_EQ(cell(1, 2), "4.000");
    EXPECT_EQ(text("Lbdatok"), "   ");
    EXPECT_FALSE(store.unsavedChanges);
}

TEST_F(TForm1OpsTest, LogarithmOfZeroAsksAndChangesNothing)
{
    load(1, {1, 2}, {0, 10});
    form->showCurrentSet();
    answerNextMessageBox(QMessageBox::No);
    run("Bnrech", "YL");
    EXPECT_TRUE(messageBoxShown);
    EXPECT_EQ(messageBoxText, "Do you really think this program will calculate logarithms of numbers <= 0?");
    EXPECT_EQ(ys(1), (std::vector<double>{0, 10}));
    EXPECT_FALSE(boxShown());
}

TEST_F(TForm1OpsTest, SlopeChangeShowsTheReadStatus)
{
    load(1, {0, 1, 2}, {5, 5, 5});
    form->showCurrentSet();
    store.regression.a = -0.5; // equal Y values have no regression of their own
    click("BnDrift");
    EXPECT_EQ(child<QGroupBox>("GbDatok")->title(), "Change current Slope: -0.50000");
    run("BnDrift", "S0.5x");
    EXPECT_EQ(text("Lbmessage"), "4");
    EXPECT_EQ(ys(1), (std::vector<double>{5, 5, 5}));
    run("BnDrift", "S2");
    EXPECT_EQ(text("Lbmessage"), "0");
    EXPECT_EQ(ys(1), (std::vector<double>{5, 7, 9}));
    EXPECT_EQ(text("Lba"), "a = 2.000");
    // A formula in the slope box is a calculation like any other.
    run("BnDrift", "Y*2");
    EXPECT_EQ(ys(1), (std::vector<double>{10, 14, 18}));
}

TEST_F(TForm1OpsTest, FilterRefusalKeepsTheBoxOpen)
{
    load(1, {1, 2, 3, 4}, {0, 9, 9, 0});
    form->showCurrentSet();
    run("Bn", "4");
    EXPECT_TRUE(boxShown());
    EXPECT_EQ(text("EdGBDATOK"), "No data to filter");
    EXPECT_FALSE(store.unsavedChanges);
    child<QLineEdit>("EdGBDATOK")->setText("2");
    click("Bndatokok");
    EXPECT_FALSE(boxShown());
    EXPECT_EQ(ys(1), (std::vector<double>{0, 4.5, 9, 0}));
    EXPECT_TRUE(store.unsavedChanges);
}

TEST_F(TForm1OpsTest, SetNumberThatIsNoNumberIsReportedAndKeepsTheBox)
{
    for (int s = 1; s <= kLastSet; ++s)
        load(s, {1}, {static_cast<double>(s)});
    click("BnCopy");
    EXPECT_EQ(text("EdGBDATOK"), "No free set found!");
    click("Bndatokok");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0], "'No free set found!' ist kein gültiger Integerwert");
    EXPECT_TRUE(boxShown());
}

TEST_F(TForm1OpsTest, CopyAndExchange)
{
    load(1, {1, 2}, {3, 4});
    load(3, {5}, {6});
    form->showCurrentSet();
    click("BnCopy");
    EXPECT_EQ(text("EdGBDATOK"), "2");
    click("Bndatokok");
    EXPECT_EQ(ys(2), (std::vector<double>{3, 4}));
    EXPECT_TRUE(store.unsavedChanges);

    run("BnSatztausch", "3");
    EXPECT_EQ(store.currentSet, 3);
    EXPECT_EQ(text("LbSatzNr"), "3");
    EXPECT_EQ(cell(0, 0), "[2]");
    EXPECT_EQ(ys(1), (std::vector<double>{6}));
}

TEST_F(TForm1OpsTest, InsertAndAddCurveRefresh)
{
    load(1, {3, 1}, {30, 10});
    load(2, {2}, {20});
    form->showCurrentSet();
    run("BnEinf", "2");
    EXPECT_EQ(cell(0, 0), "[3]");
    EXPECT_EQ(cell(1, 2), "2.000");
    run("BnAddY", "1"); // the set itself: ignored
    run("BnAddY", "2"); // other length: ignored
    EXPECT_EQ(ys(1), (std::vector<double>{10, 20, 30}));
    EXPECT_FALSE(store.unsavedChanges);
    EXPECT_TRUE(failures.empty());
}

TEST_F(TForm1OpsTest, ButtonsThatActAtOnce)
{
    load(1, {1, 2, 3}, {30, 10, 20});
    form->showCurrentSet();
    click("BnTAUSCH");
    EXPECT_EQ(cell(1, 1), "10.00");
    EXPECT_EQ(cell(2, 1), "2.000");
    EXPECT_TRUE(store.unsavedChanges);

    click("BnAbl");
    EXPECT_EQ(store.pointCount[2], 2);
    EXPECT_EQ(text("LbSatzNr"), "1"); // the result waits in the next set
    click("BnIntegral");               // the next set is taken now
    EXPECT_EQ(store.yLabel[2], "Derivative from set # 1");

    click("Bnglaett");
    EXPECT_EQ(ys(1), (std::vector<double>{2, 2.25, 1}));
    EXPECT_EQ(cell(2, 2), "2.250");
}

TEST_F(TForm1OpsTest, RemovalBox)
{
    std::vector<double> v;
    for (int i = 1; i <= 10; ++i)
        v.push_back(i);
    load(1, v, v);
    form->showCurrentSet();
    click("BnLoeschen");
    EXPECT_FALSE(child<QGroupBox>("GBRemove_Data")->isHidden());
    child<QLineEdit>("EdClearvon")->setText("3");
    child<QLineEdit>("EdClearbis")->setText("5");
    click("Bnokclear");
    EXPECT_TRUE(child<QGroupBox>("GBRemove_Data")->isHidden());
    EXPECT_EQ(ys(1), (std::vector<double>{1, 2, 6, 7, 8, 9, 10}));
    EXPECT_EQ(cell(1, 8), "");
    EXPECT_EQ(cell(0, 0), "[7]");

    click("BnLoeschen");
    child<QRadioButton>("RBreduce")->click();
    EXPECT_FALSE(child<QRadioButton>("RBrange")->isChecked());
    child<QLineEdit>("Edfactor")->setText("0");
    click("Bnokclear");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_FALSE(child<QGroupBox>("GBRemove_Data")->isHidden());
    child<QLineEdit>("Edfactor")->setText("3");
    click("Bnokclear");
    EXPECT_EQ(ys(1), (std::vector<double>{1, 7, 10}));

    click("BnLoeschen");
    click("Button2");
    EXPECT_TRUE(child<QGroupBox>("GBRemove_Data")->isHidden());
    EXPECT_EQ(text("Edfactor"), "3");
    EXPECT_FALSE(store.unsavedChanges);
}

} // namespace
