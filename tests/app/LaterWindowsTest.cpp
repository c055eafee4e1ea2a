// The help and graphic windows of a run come after the main window's first
// frame, yet any input that comes earlier finds them built.

#include "app/LaterWindows.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "data/DataStore.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct WindowedRun {
    DataStore store;
    TForm1 main{store, nullptr, nullptr};
    LaterWindows later{main, store};
};

TEST(LaterWindows, BuiltByInputOrAfterTheFirstFrameOnly)
{
    struct Case {
        const char* what;
        std::function<std::unique_ptr<QEvent>()> event;
        bool builds;
    };
    const Case cases[] = {
        {"key", [] { return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"); }, true},
        {"close", [] { return std::make_unique<QEvent>(QEvent::Close); }, true},
        {"paint", [] { return std::make_unique<QPaintEvent>(QRect(0, 0, 10, 10)); }, true},
        {"move", [] { return std::make_unique<QEvent>(QEvent::Move); }, false},
        {"hide", [] { return std::make_unique<QEvent>(QEvent::Hide); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WindowedRun run;
        const std::unique_ptr<QEvent> event = c.event();
        run.later.eventFilter(&run.main, event.get());
        QCoreApplication::sendPostedEvents(&run.later);
        EXPECT_EQ(run.later.built(), c.builds);
    }
}

TEST(LaterWindows, AClickBeforeTheBuildStillOpensTheGraphicWindow)
{
    WindowedRun run;
    run.main.show();
    ASSERT_FALSE(run.later.built());
    QTest::mouseClick(run.main.findChild<QPushButton*>(QStringLiteral("BnPlotstart")), Qt::LeftButton);
    bool graphicShown = false;
    for (QWidget* window : QApplication::topLevelWidgets())
        graphicShown = graphicShown || (qobject_cast<TForm2*>(window) && window->isVisible());
    EXPECT_TRUE(graphicShown);
}

} // namespace
