#include "app/TForm2.h"
#include "plot/PlotCanvas.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

constexpr QRgb kMarker = qRgb(12, 34, 56);

void addPoints(DataStore& store)
{
    store.pointCount[1] = 3;
    for (int i = 1; i <= 3; ++i) {
        store.x(1, i) = i;
        store.y(1, i) = i * 2;
    }
    store.plot.showDateTime = false;
}

bool activate(QWidget& w)
{
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

TEST(TForm2, StartsWithABlankCanvas)
{
    DataStore store;
    TForm2 form(store);
    const QImage& image = form.plotCanvas().canvas().image();
    ASSERT_EQ(image.size(), QSize(480, 480));
    for (int y = 0; y < 480; y += 7)
        for (int x = 0; x < 480; x += 7)
            ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(form.state().plotMargin, 130);
    EXPECT_EQ(form.state().toolState, ToolState::Line);
    EXPECT_FALSE(form.isVisible());
}

// Showing the window plots before the show returns; the window system's
// activation that follows must not plot again.
TEST(TForm2, ShowPlotsOnceSynchronously)
{
    DataStore store;
    addPoints(store);
    TForm2 form(store);
    QWidget mainWindow;
    form.addReplotSource(&mainWindow);
    ASSERT_TRUE(activate(mainWindow));

    form.showFromProgramWindow();
    Canvas& canvas = form.plotCanvas().canvas();
    EXPECT_EQ(canvas.pixel(65, 65) & 0xFFFFFF, 0u) << "frame drawn by the show itself";
    canvas.setPixel(5, 5, kMarker);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QApplication::processEvents();
    EXPECT_EQ(form.plotCanvas().canvas().pixel(5, 5), kMarker) << "the late activation plotted again";
}

TEST(TForm2, ActivationFromProgramWindowReplots)
{
    DataStore store;
    addPoints(store);
    TForm2 form(store);
    QWidget mainWindow;
    QWidget otherWindow; // stands for a dialog or another application's window
    form.addReplotSource(&mainWindow);
    ASSERT_TRUE(activate(mainWindow));
    form.showFromProgramWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    form.plotCanvas().canvas().setPixel(5, 5, kMarker);
    ASSERT_TRUE(activate(otherWindow));
    ASSERT_TRUE(activate(form));
    EXPECT_EQ(form.plotCanvas().canvas().pixel(5, 5), kMarker) << "coming back from a non-program window";

    ASSERT_TRUE(activate(mainWindow));
    ASSERT_TRUE(activate(form));
    EXPECT_EQ(form.plotCanvas().canvas().pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu) << "coming from the main window re-plots";
}

// The window system reports focus changes in its own order. These tests play
// the order seen under X11 through the application's focus signal.
void focusMovesTo(QWidget& w)
{
    emit qApp->focusWindowChanged(w.windowHandle());
}

// "Show &Symbols" runs from a menu: the show happens while the menu has the
// focus, the closing menu gives it back to the main window, and only then
// does the graphic window's activation arrive. It belongs to the show.
TEST(TForm2, OwnShowFromAMenuIsNotPlottedAgain)
{
    DataStore store;
    addPoints(store);
    TForm2 form(store);
    QWidget mainWindow;
    form.addReplotSource(&mainWindow);
    ASSERT_TRUE(activate(mainWindow));
    QMenu menu(&mainWindow);
    menu.addAction(QStringLiteral("Show &Symbols"));
    menu.popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    focusMovesTo(menu);

    form.showFromProgramWindow();
    form.plotCanvas().canvas().setPixel(5, 5, kMarker);
    menu.close();
    focusMovesTo(mainWindow);
    focusMovesTo(form);
    EXPECT_EQ(form.plotCanvas().canvas().pixel(5, 5), kMarker) << "the show's own activation plotted again";
}

// A menu opened in the main window does not hide where the user came from.
TEST(TForm2, ComingFromTheMainWindowThroughAMenuReplots)
{
    DataStore store;
    addPoints(store);
    TForm2 form(store);
    QWidget mainWindow;
    form.addReplotSource(&mainWindow);
    ASSERT_TRUE(activate(mainWindow));
    form.showFromProgramWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QApplication::processEvents();

    QMenu menu(&mainWindow);
    menu.addAction(QStringLiteral("Plot with &Grid "));
    menu.popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    form.plotCanvas().canvas().setPixel(5, 5, kMarker);
    focusMovesTo(mainWindow);
    focusMovesTo(menu);
    focusMovesTo(form);
    EXPECT_EQ(form.plotCanvas().canvas().pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu) << "not re-plotted";
    menu.close();
}

// Without a window manager (or with a slow one) the click on "Graphic ..."
// activates the main window only after the show; the show's own activation
// still follows and plots nothing again.
TEST(TForm2, MainWindowActivatedByTheClickItselfIsNoNewVisit)
{
    DataStore store;
    addPoints(store);
    TForm2 form(store);
    QWidget mainWindow;
    (void)mainWindow.winId();
    form.addReplotSource(&mainWindow);
    form.showFromProgramWindow();
    form.plotCanvas().canvas().setPixel(5, 5, kMarker);
    focusMovesTo(mainWindow);
    focusMovesTo(form);
    EXPECT_EQ(form.plotCanvas().canvas().pixel(5, 5), kMarker) << "the show's own activation plotted again";
}

// The show's own activation is known by the order of events, not by a
// clock: one that arrives late (a loaded machine) still belongs to the show,
// and one that never comes (another window became active first) does not
// swallow the next real activation from the main window.
TEST(TForm2, OwnActivationIsKnownWithoutAClock)
{
    DataStore store;
    addPoints(store);
    TForm2 form(store);
    QWidget mainWindow;
    QWidget otherWindow;
    (void)otherWindow.winId(); // a window of its own, never shown
    form.addReplotSource(&mainWindow);
    ASSERT_TRUE(activate(mainWindow));

    form.showFromProgramWindow();
    form.plotCanvas().canvas().setPixel(5, 5, kMarker);
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    focusMovesTo(form);
    EXPECT_EQ(form.plotCanvas().canvas().pixel(5, 5), kMarker) << "a late own activation plotted again";

    focusMovesTo(mainWindow);
    form.showFromProgramWindow();
    form.plotCanvas().canvas().setPixel(5, 5, kMarker);
    focusMovesTo(otherWindow);
    focusMovesTo(mainWindow);
    focusMovesTo(form);
    EXPECT_EQ(form.plotCanvas().canvas().pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu) << "coming from the main window re-plots";
}

TEST(TForm2, PlotWithoutDataKeepsTheImage)
{
    DataStore store;
    TForm2 form(store);
    form.plotCanvas().canvas().setPixel(100, 100, kMarker);
    form.BnPlotstartClick();
    EXPECT_EQ(form.plotCanvas().canvas().pixel(100, 100), kMarker);
    form.BnclearClick();
    EXPECT_EQ(form.plotCanvas().canvas().pixel(100, 100) & 0xFFFFFF, 0xFFFFFFu);
}

} // namespace

#include "app/ErrorReport.h"
#include "app/KurvixApplication.h"
#include "data/Errors.h"

namespace {

// A failure that escapes a handler is reported, not fatal.
TEST(KurvixApplication, ReportsAFailureThatReachesTheEventLoop)
{
    std::string reported;
    setFailureSink([&](const std::string& m) { reported = m; });
    QWidget receiver;
    EXPECT_FALSE(deliverReportingFailures(&receiver, []() -> bool { throw FloatError("Ungültige Gleitkommaoperation"); }));
    EXPECT_EQ(reported, "Ungültige Gleitkommaoperation");
    EXPECT_TRUE(deliverReportingFailures(&receiver, [] { return true; }));
    setFailureSink(nullptr);
}

} // namespace
