// The main window's settings, stepper, menus, Info box and close query.

#include "TForm1Fixture.h"

#include <QAction>
#include <QSignalSpy>

namespace {

QColor fontColour(QWidget* w, QPalette::ColorRole role = QPalette::WindowText)
{
    return w->palette().color(role);
}

} // namespace

TEST_F(TForm1Test, StartShowsSetOneWithDefaults)
{
    EXPECT_EQ(text("LbSatzNr"), "1");
    EXPECT_EQ(child<QGroupBox>("GBDatensatz")->title(), "Data (Set # 1)");
    EXPECT_EQ(child<QGroupBox>("GBAchsen")->title(), "Y Axis (Set # 1)");
    EXPECT_EQ(text("EdXvon"), "0");
    EXPECT_EQ(text("Edxbis"), "10");
    EXPECT_EQ(cell(0, 0), "[0]");
    EXPECT_EQ(cell(1, 0), "Data X");
    EXPECT_EQ(form->gridModel().gridRowCount(), 20);
    EXPECT_EQ(text("LbN"), "n = 0");
    EXPECT_EQ(text("Lba"), "");
    EXPECT_EQ(text("Lbminx"), "");
    EXPECT_EQ(text("PnColor"), "COLOR ");
    EXPECT_FALSE(store.unsavedChanges);
    for (const char* box : {"GBInfo", "GbDatok", "GBRemove_Data", "GB2ndfile"})
        EXPECT_TRUE(child<QGroupBox>(box)->isHidden()) << box;
    EXPECT_EQ(form->windowTitle().left(6), "Kurvix");
    EXPECT_EQ(form->font().pixelSize(), 10);
}

// --- Close query --------------------------------------------------------------

TEST_F(TForm1Test, ClosingWithoutUnsavedDataAsksNothing)
{
    showActive();
    QSignalSpy closed(form.get(), &TForm1::closed);
    answerNextMessageBox(QMessageBox::Cancel); // would keep it open if asked
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(messageBoxShown);
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(TForm1Test, CloseQueryCancelKeepsWindowAndData)
{
    showActive();
    typeIntoGrid("7\n8");
    QSignalSpy closed(form.get(), &TForm1::closed);
    answerNextMessageBox(QMessageBox::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(messageBoxShown);
    EXPECT_EQ(messageBoxText, "UNSAVED CHANGES - Close anyway?");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(store.unsavedChanges);
    EXPECT_EQ(store.pointCount[1], 1);
    EXPECT_EQ(closed.count(), 0);
}

TEST_F(TForm1Test, CloseQueryYesClosesAndClearsTheFlag)
{
    showActive();
    typeIntoGrid("7");
    QSignalSpy closed(form.get(), &TForm1::closed);
    answerNextMessageBox(QMessageBox::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(messageBoxShown);
    EXPECT_FALSE(store.unsavedChanges);
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(TForm1Test, ExitProgramGoesThroughTheCloseQuery)
{
    showActive();
    store.unsavedChanges = true;
    answerNextMessageBox(QMessageBox::Cancel);
    child<QAction>("Beenden1")->trigger();
    EXPECT_TRUE(messageBoxShown);
    EXPECT_TRUE(form->isVisible());
}

// --- Set stepper and draw flags ---------------------------------------------

TEST_F(TForm1Test, StepperStopsAtBothEnds)
{
    struct Step {
        int from;
        const char* button;
        int to;
    };
    const Step steps[] = {{1, "Button1", 1}, {2, "Button1", 1}, {8, "BnSatzplus", 9}, {9, "BnSatzplus", 9}};
    for (const Step& s : steps) {
        store.currentSet = s.from;
        click(s.button);
        EXPECT_EQ(store.currentSet, s.to) << s.button << " from " << s.from;
        EXPECT_EQ(text("LbSatzNr"), QString::number(s.to));
    }
}

TEST_F(TForm1Test, SteppingStoresTheBoxesIntoTheSetLeft)
{
    store.drawFlags[2] = showSymbols | drawCurve | drawRegressionLine | 16;
    child<QCheckBox>("CBKurve")->setChecked(true);   // clicking alone stores nothing
    EXPECT_EQ(store.drawFlags[1], 3);
    click("BnSatzplus");
    EXPECT_EQ(store.drawFlags[1], 3 | drawCurve);
    // Set 2's flags show, the unused high bit stays.
    EXPECT_TRUE(child<QCheckBox>("CBGerade")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("CBVerbinden")->isChecked());
    child<QCheckBox>("CBKurve")->setChecked(false);
    click("Button1");
    EXPECT_EQ(store.drawFlags[2], showSymbols | drawRegressionLine | 16);
}

TEST_F(TForm1Test, SymbolBoxStoresAtOnceOtherBoxesWait)
{
    child<QCheckBox>("CBVerbinden")->setChecked(false);
    EXPECT_EQ(store.drawFlags[1], 3);
    click("CBSymbolzeichnen"); // unchecks and stores all four
    EXPECT_EQ(store.drawFlags[1], 0);
}

TEST_F(TForm1Test, SymbolStepperWrapsAtItsOwnEnds)
{
    struct Case {
        int start;
        const char* button;
        int result;
    };
    const Case cases[] = {
        {0, "BnSyminus", 12}, {1, "BnSyminus", 0}, {14, "BnSyplus", 0}, {13, "BnSyplus", 14}, {12, "BnSyplus", 13},
    };
    for (const Case& c : cases) {
        store.symbolNumber[1] = static_cast<uint8_t>(c.start);
        click(c.button);
        EXPECT_EQ(store.symbolNumber[1], c.result) << c.button << " from " << c.start;
        EXPECT_EQ(text("LbSyNr"), QString::number(c.result));
    }
}

TEST_F(TForm1Test, ColourPanelCyclesThroughSixColours)
{
    auto* panel = child<QLabel>("PnColor");
    const QColor expected[] = {{255, 0, 0}, {0, 0, 255}, {0, 128, 0}, {128, 0, 128}, {0, 255, 0}, {0, 0, 0}};
    for (int i = 0; i < 6; ++i) {
        QTest::mouseClick(panel, Qt::LeftButton);
        EXPECT_EQ(store.setColour[1], (i + 1) % 6) << "click " << i + 1;
        EXPECT_EQ(fontColour(panel), expected[i]) << "click " << i + 1;
        EXPECT_EQ(fontColour(child<QLineEdit>("EdYAchse"), QPalette::Text), expected[i]);
        EXPECT_EQ(fontColour(child<QLabel>("LbSatzNr")), expected[i]);
    }
}

TEST_F(TForm1Test, StartCodeOutsideTheCycleKeepsThePreviousColour)
{
    store.setColour[6] = 2;  // blue
    store.currentSet = 6;
    form->showCurrentSet();
    click("BnSatzplus");      // set 7, start code 6
    EXPECT_EQ(fontColour(child<QLabel>("PnColor")), QColor(0, 0, 255));
    form->PnColorClick();
    EXPECT_EQ(store.setColour[7], 0);
    EXPECT_EQ(fontColour(child<QLabel>("PnColor")), QColor(0, 0, 0));
}

// --- Edit fields -------------------------------------------------------------

struct RangeCase {
    double from, to;
    const char* fromText;
    const char* toText;
};

TEST_F(TForm1Test, AxisEndsShowTheDecimalsOfTheirRange)
{
    const RangeCase cases[] = {
        {0, 10, "0", "10"},        {0, 1, "0.0", "1.0"},   {0, 0.1, "0.00", "0.10"},
        {0, 0, "0.0000", "0.0000"}, {10, 0, "10", "0"},    {-5, 5, "-5", "5"},
    };
    for (const RangeCase& c : cases) {
        store.plot.xFrom = c.from;
        store.plot.xTo = c.to;
        store.yFrom[1] = c.from;
        store.yTo[1] = c.to;
        form->showCurrentSet();
        EXPECT_EQ(text("EdXvon"), c.fromText) << c.from << ".." << c.to;
        EXPECT_EQ(text("Edxbis"), c.toText) << c.from << ".." << c.to;
        EXPECT_EQ(text("EdYvon"), c.fromText) << c.from << ".." << c.to;
        EXPECT_EQ(text("EdYBis"), c.toText) << c.from << ".." << c.to;
    }
}

TEST_F(TForm1Test, ShownAxisEndIsWhatTheStoreKeeps)
{
    // The field already shows "0.1" from the first display; the store must
    // still take the rounded value back.
    store.yFrom[1] = 0.1;
    form->showCurrentSet();
    store.yFrom[1] = 0.123;
    store.plot.xTo = 10.04;
    form->showCurrentSet();
    EXPECT_EQ(text("EdYvon"), "0.1");
    EXPECT_DOUBLE_EQ(store.yFrom[1], 0.1);
    EXPECT_EQ(text("Edxbis"), "10");
    EXPECT_DOUBLE_EQ(store.plot.xTo, 10.0);
}

TEST_F(TForm1Test, FieldsWriteThroughOnEveryChange)
{
    auto* from = child<QLineEdit>("EdXvon");
    from->clear();
    QTest::keyClicks(from, "2.5");
    EXPECT_DOUBLE_EQ(store.plot.xFrom, 2.5);
    from->setText(QStringLiteral("1,5")); // no number: stores parseNumber's 0
    EXPECT_EQ(store.plot.xFrom, 0);

    child<QLineEdit>("EdYAchse")->setText(QString(40, QLatin1Char('y')));
    EXPECT_EQ(store.yLabel[1], std::string(30, 'y'));
    child<QLineEdit>("EdTitel")->setText(QStringLiteral("Messung Größe €"));
    EXPECT_EQ(store.plot.heading, "Messung Gr\xF6\xDF" "e \x80");
    child<QLineEdit>("EdBemerkung")->setText(QString(90, QLatin1Char('c')));
    EXPECT_EQ(store.plot.comment.size(), 80u);
    store.plot.xLabel = "\xB5s"; // micro sign in the store's bytes
    form->showCurrentSet();
    EXPECT_EQ(text("EdXachse"), QStringLiteral("µs"));
}

TEST_F(TForm1Test, LeavingTheYAxisBoxStoresOnlyValidRanges)
{
    showActive();
    child<QLineEdit>("EdYvon")->setText(QStringLiteral("3"));
    child<QLineEdit>("EdYBis")->setText(QStringLiteral("-"));
    store.yFrom[1] = 99; // as if changed behind the field's back
    store.yTo[1] = 42;
    child<QLineEdit>("EdYvon")->setFocus();
    QApplication::processEvents();
    child<QLineEdit>("EdXachse")->setFocus(); // outside GBAchsen
    QApplication::processEvents();
    EXPECT_EQ(store.yFrom[1], 3);
    EXPECT_EQ(store.yTo[1], 42);
}

TEST_F(TForm1Test, DateTimeAndFileNameBoxes)
{
    click("CBDatumzeit");
    EXPECT_FALSE(store.plot.showDateTime);
    click("CBfilename");
    EXPECT_FALSE(store.plot.showFileName);
    click("CBfilename");
    EXPECT_TRUE(store.plot.showFileName);
}

// --- Display labels -------------------------------------------------------------

TEST_F(TForm1Test, ExtremesAndRegressionOfTheCurrentSet)
{
    const double xs[] = {20.4, 19.7, 21.8, 20.1, 20.7};
    const double ys[] = {9.2, 8.9, 11.4, 9.4, 10.3};
    for (int i = 0; i < 5; ++i) {
        store.x(1, i + 1) = xs[i];
        store.y(1, i + 1) = ys[i];
    }
    store.pointCount[1] = 5;
    form->showCurrentSet();
    EXPECT_EQ(text("Lbminx"), "min. value 19.70");
    EXPECT_EQ(text("Lbmaxx"), "max. value 21.80");
    EXPECT_EQ(text("Lbminy"), "min. value 8.900");
    EXPECT_EQ(text("LbmaxY"), "max. value 11.40");
    EXPECT_EQ(text("LbN"), "n = 5");
    EXPECT_EQ(text("Lba"), "a = 1.229");
    EXPECT_EQ(text("Lbb"), "b = -15.41");
    EXPECT_EQ(text("Lbr"), "r = 0.96212");
    EXPECT_EQ(cell(1, 1), "19.70");
    EXPECT_EQ(cell(0, 0), "[5]");

    click("BnSatzplus"); // empty set 2 clears them
    for (const char* name : {"Lbminx", "Lbmaxx", "Lbminy", "LbmaxY", "Lba", "Lbb", "Lbr"})
        EXPECT_EQ(text(name), "") << name;
    EXPECT_EQ(text("LbN"), "n = 0");
}

// --- Menus and Info box ------------------------------------------------------------

TEST_F(TForm1Test, GridMenuShowsTheModeNowInForce)
{
    auto* item = child<QAction>("Grid1");
    EXPECT_EQ(item->text(), "Plot with &Grid ");
    item->trigger();
    EXPECT_TRUE(store.plot.plotWithGrid);
    EXPECT_EQ(item->text(), "No &Grid");
    item->trigger();
    EXPECT_FALSE(store.plot.plotWithGrid);
    EXPECT_EQ(item->text(), "Plot with &Grid");
}

TEST_F(TForm1Test, MenuShortcuts)
{
    const std::pair<const char*, QKeySequence> items[] = {
        {"ffnen1", QKeySequence(QStringLiteral("Ctrl+O"))},   {"Speichernals1", QKeySequence(QStringLiteral("Ctrl+S"))},
        {"Drucken1", QKeySequence(QStringLiteral("Ctrl+P"))}, {"Beenden1", QKeySequence(QStringLiteral("Ctrl+Q"))},
        {"Open2nd1", QKeySequence()},                         {"Symbole1", QKeySequence()},
        {"Grid1", QKeySequence()},                            {"Hilfe1", QKeySequence()},
        {"Info1", QKeySequence()},
    };
    for (const auto& [name, keys] : items)
        EXPECT_EQ(child<QAction>(name)->shortcut(), keys) << name;
}

TEST_F(TForm1Test, InfoTwiceStaysShownCloseOrClickHides)
{
    showActive();
    auto* info = child<QGroupBox>("GBInfo");
    child<QAction>("Info1")->trigger();
    child<QAction>("Info1")->trigger();
    EXPECT_TRUE(info->isVisible());
    EXPECT_FALSE(text("Lbinfo").isEmpty());
    EXPECT_EQ(child<QLabel>("Image1")->pixmap().size(), QSize(55, 73));
    click("BnInfook");
    EXPECT_FALSE(info->isVisible());

    child<QAction>("Info1")->trigger();
    QTest::mouseClick(info, Qt::LeftButton, {}, QPoint(200, 120));
    EXPECT_FALSE(info->isVisible());
}

TEST_F(TForm1Test, WindowCommandsWithoutTheirWindowsDoNothing)
{
    click("BnPlotstart");
    child<QAction>("Symbole1")->trigger();
    child<QAction>("Hilfe1")->trigger();
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(store.currentSet, 1);
}

TEST_F(TForm1Test, HelpShowsTheHelpWindow)
{
    QWidget help;
    form->setHelpWindow(&help);
    child<QAction>("Hilfe1")->trigger();
    EXPECT_TRUE(help.isVisible());
}
