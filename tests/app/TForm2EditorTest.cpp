#include "app/CanvasView.h"
#include "app/ErrorReport.h"
#include "app/TForm2.h"
#include "editor/GraphicEditor.h"
#include "plot/PlotCanvas.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class TForm2EditorTest : public ::testing::Test {
protected:
    DataStore store;
    TForm2 form{store};
    QWidget* image = nullptr;

    void SetUp() override
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        image = form.findChild<QWidget*>(QStringLiteral("Image"));
        ASSERT_TRUE(image);
    }
    template <class T> T* child(const char* name) { return form.findChild<T*>(QString::fromLatin1(name)); }
    void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    void trigger(const char* action) { child<QAction>(action)->trigger(); }
    QString label(const char* name) { return child<QLabel>(name)->text(); }
    bool shown(const char* name) { return child<QWidget>(name)->isVisible(); }
    QRgb pixel(int x, int y) { return form.plotCanvas().canvas().pixel(x, y) & 0xFFFFFF; }
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(image, button, {}, from);
        QTest::mouseMove(image, QPoint((from.x() + to.x()) / 2, from.y()));
        QTest::mouseMove(image, to);
        QTest::mouseRelease(image, button, {}, to);
    }
};

TEST_F(TForm2EditorTest, EveryButtonDrawsAndTheLabelsFollow)
{
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        SCOPED_TRACE(button);
        form.BnclearClick();
        click("BnLinie");
        drag({10, 300}, {120, 300}, button);
        EXPECT_EQ(pixel(60, 300), 0u);
        EXPECT_EQ(pixel(60, 290), 0xFFFFFFu) << "the rubber band left a trace";
    }
    QTest::mousePress(image, Qt::LeftButton, {}, {10, 300});
    QTest::mouseMove(image, {120, 45});
    EXPECT_EQ(label("LbXo"), QStringLiteral("Xo 10"));
    EXPECT_EQ(label("LbYo"), QStringLiteral("Yo 300"));
    EXPECT_EQ(label("LbX"), QStringLiteral("X   120"));
    EXPECT_EQ(label("LbY"), QStringLiteral("Y   45"));
    QTest::mouseRelease(image, Qt::LeftButton, {}, {120, 45});
}

// The window background right of the image belongs to the drawing area; the
// tool panel does not.
TEST_F(TForm2EditorTest, BackgroundNextToTheImageDraws)
{
    QWidget* client = form.centralWidget();
    ASSERT_GT(client->width() - 58, 490);
    click("BnLinie");
    QTest::mousePress(client, Qt::LeftButton, {}, {488, 200});
    QTest::mouseMove(client, {400, 200});
    QTest::mouseRelease(client, Qt::LeftButton, {}, {400, 200});
    EXPECT_EQ(pixel(420, 200), 0u);
    EXPECT_EQ(label("LbXo"), QStringLiteral("Xo 488"));

    auto* panel = child<QWidget>("Panel1");
    QTest::mouseClick(panel, Qt::LeftButton, {}, {20, 290});
    EXPECT_EQ(label("LbXo"), QStringLiteral("Xo 488"));
}

// A rectangle dragged at zoom 2 lands on the canvas pixels it lands on at
// zoom 1: positions are divided down to the pixel under the pointer, also on
// the background beside the image.
TEST_F(TForm2EditorTest, ZoomedMouseLandsOnTheSameCanvasPixels)
{
    click("BnBox");
    drag({10, 15}, {50, 70});
    const QImage once = form.plotCanvas().canvas().image().copy();
    form.BnclearClick();
    trigger("Zoom2");
    EXPECT_EQ(form.zoom(), 2);
    EXPECT_EQ(image->size(), QSize(960, 960));
    EXPECT_TRUE(child<QAction>("Zoom2")->isChecked() && !child<QAction>("Zoom1")->isChecked());
    click("BnBox");
    drag({21, 31}, {101, 141});
    EXPECT_EQ(form.plotCanvas().canvas().image(), once);

    QWidget* client = form.centralWidget();
    const QPoint origin = image->mapTo(client, QPoint(0, 0));
    QTest::mousePress(client, Qt::LeftButton, {}, origin + QPoint(-3, 7));
    QTest::mouseRelease(client, Qt::LeftButton, {}, origin + QPoint(-3, 7));
    EXPECT_EQ(label("LbXo"), QStringLiteral("Xo -2"));
    EXPECT_EQ(label("LbYo"), QStringLiteral("Yo 3"));
    trigger("Zoom1");
    EXPECT_EQ(image->size(), QSize(480, 480));
}

TEST(CanvasZoom, PixelsUnderThePointerAndSizes)
{
    const struct {
        int zoom;
        qreal ratio;
        QPointF at;
        QPoint pixel;
    } rows[] = {
        {1, 1, {5, 7}, {5, 7}},          {2, 1, {21, 31}, {10, 15}},      {2, 1, {-1, -0.5}, {-1, -1}},
        {3, 1.5, {100, 1.9}, {50, 0}},   {2, 2, {50.4, 50.6}, {50, 50}}, {1, 1.25, {80, 79.9}, {100, 99}},
        {1, 2, {10.25, 10.5}, {20, 21}},
    };
    for (const auto& r : rows)
        EXPECT_EQ((CanvasZoom{r.zoom, r.ratio}.canvasPixel(r.at)), r.pixel) << r.zoom << " " << r.ratio;
    EXPECT_EQ((CanvasZoom{2, 1}.scaled({580, 560})), QSize(1160, 1120));
    EXPECT_EQ((CanvasZoom{2, 2}.scaled({580, 560})), QSize(580, 560));
    EXPECT_EQ((CanvasZoom{1, 1.5}.scaled({580, 560})), QSize(387, 374));
    const std::pair<qreal, int> defaults[] = {{1, 1}, {1.25, 1}, {1.5, 2}, {2, 2}, {2.5, 3}, {4, 3}};
    for (const auto& [ratio, zoom] : defaults)
        EXPECT_EQ(CanvasZoom::defaultFor(ratio), zoom) << ratio;
}

TEST_F(TForm2EditorTest, ZoomedWindowStaysOnItsScreen)
{
    trigger("Zoom3");
    const QSize screen = form.screen()->availableGeometry().size();
    EXPECT_EQ(form.outerSize(), QSize(1740, 1680).boundedTo(screen));
    EXPECT_LE(form.width(), screen.width());
    EXPECT_LE(form.height(), screen.height());
}

TEST_F(TForm2EditorTest, TextToolWritesTheTextBox)
{
    click("BnText");
    EXPECT_TRUE(shown("Edit2"));
    QTest::keyClicks(child<QLineEdit>("Edit2"), QStringLiteral("Hallo"));
    QTest::mouseClick(image, Qt::LeftButton, {}, {100, 100});
    int inked = 0;
    for (int y = 100; y < 120; ++y)
        for (int x = 100; x < 150; ++x)
            inked += pixel(x, y) != 0xFFFFFFu;
    EXPECT_GT(inked, 10);
    click("BnSpur");
    EXPECT_FALSE(shown("Edit2"));
}

TEST_F(TForm2EditorTest, SelectionBoxOpensAndCancelRestores)
{
    const QImage before = form.plotCanvas().canvas().image().copy();
    click("Bnselect");
    drag({20, 20}, {120, 70});
    EXPECT_TRUE(shown("GbSelected"));
    EXPECT_NE(form.plotCanvas().canvas().image(), before);
    click("BnCancel");
    EXPECT_FALSE(shown("GbSelected"));
    EXPECT_EQ(form.plotCanvas().canvas().image(), before);

    drag({20, 20}, {120, 70});
    auto* box = child<QGroupBox>("GbSelected");
    QTest::mouseClick(box, Qt::LeftButton, {}, {box->width() / 2, box->height() - 4});
    EXPECT_FALSE(shown("GbSelected")) << "a click on the box cancels";
    EXPECT_EQ(form.plotCanvas().canvas().image(), before);
}

// Cropping to the selection and restoring the memory replace the image but
// leave the window as the user sized it.
TEST_F(TForm2EditorTest, CutSizeAndRestoreKeepTheWindowSize)
{
    form.resize(700, 650);
    QApplication::processEvents();
    const QSize sized = form.size();
    click("BnMemo");
    click("BnHold");
    click("Bnselect");
    drag({20, 20}, {120, 70});
    click("BnCut");
    EXPECT_EQ(form.plotCanvas().canvas().image().size(), QSize(100, 50));
    EXPECT_EQ(form.size(), sized) << "Cut size";
    click("BnMemo");
    click("BnRestore");
    EXPECT_EQ(form.size(), sized) << "Restore";
    form.plotCanvas().setCanvasSize(480, 480);
    EXPECT_EQ(form.frameGeometry().size(), QSize(580, 560)) << "a new plot canvas sets the standard size";
}

TEST_F(TForm2EditorTest, CopyImageAndPasteThroughTheClipboard)
{
    form.plotCanvas().canvas().setPixel(3, 4, qRgb(200, 10, 10));
    trigger("Copy1");
    form.BnclearClick();
    trigger("Paste1");
    EXPECT_EQ(pixel(3, 4), qRgb(200, 10, 10) & 0xFFFFFF);
}

TEST_F(TForm2EditorTest, LineBoxSetsTheWidthAndStyle)
{
    trigger("Line");
    EXPECT_TRUE(shown("GBStrich"));
    EXPECT_EQ(child<QLineEdit>("EdDicke")->text(), QStringLiteral("1"));
    click("BnWiplus");
    click("BnWiplus");
    EXPECT_EQ(child<QLineEdit>("EdDicke")->text(), QStringLiteral("3"));
    child<QRadioButton>("RBdash")->setChecked(true);
    auto* box = child<QGroupBox>("GBStrich");
    QTest::mouseClick(box, Qt::LeftButton, {}, {box->width() - 6, 30});
    EXPECT_FALSE(shown("GBStrich")) << "a click on the box is OK";
    EXPECT_EQ(form.plotCanvas().canvas().pen.width, 3);
    EXPECT_EQ(form.plotCanvas().canvas().pen.style, PenStyle::Dashed);
}

TEST_F(TForm2EditorTest, BadWidthIsReportedByEveryToolButton)
{
    std::string reported;
    setFailureSink([&](const std::string& m) { reported = m; });
    child<QLineEdit>("EdDicke")->setText(QStringLiteral("abc"));
    click("BnEllipse");
    setFailureSink(nullptr);
    EXPECT_EQ(reported, "'abc' ist kein gültiger Integerwert");
    EXPECT_EQ(form.state().toolState, ToolState::Line);
}

TEST_F(TForm2EditorTest, MenuSwitchesAndDialogs)
{
    trigger("Fill1");
    EXPECT_EQ(child<QAction>("Fill1")->text(), QStringLiteral("Fill"));
    trigger("VertHoriz");
    EXPECT_EQ(child<QAction>("VertHoriz")->text(), QStringLiteral("&Vert. Writ."));

    form.colourPicker = [](const QColor&) { return std::optional<QColor>(QColor(0, 0, 255)); };
    trigger("color");
    EXPECT_EQ(form.state().drawingColor, qRgb(0, 0, 255));

    QFont chosen(QStringLiteral("Arial"));
    chosen.setPixelSize(21);
    form.fontPicker = [&](const QFont&) { return std::optional<QFont>(chosen); };
    trigger("Font1");
    EXPECT_EQ(child<QLineEdit>("Edit2")->font().pixelSize(), 21);
    EXPECT_EQ(form.plotCanvas().canvas().font.pixelSize, 21);
    EXPECT_EQ(form.plotCanvas().canvas().font.escapement, 0);

    click("BnMemo");
    EXPECT_TRUE(shown("GBMemo"));
    click("BnHold");
    EXPECT_FALSE(shown("GBMemo"));
    EXPECT_TRUE(form.editor().imageMemory());
}

} // namespace
