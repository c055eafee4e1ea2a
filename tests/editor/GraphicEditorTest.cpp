#include "EditorFixture.h"

#include "data/Errors.h"

namespace {

using Tool = void (GraphicEditor::*)();

struct ToolRow {
    const char* name;
    Tool button;
    FigureKind figureKind;
};

const ToolRow kFigureTools[] = {
    {"line", &GraphicEditor::BnLinieClick, FigureKind::Line},
    {"rectangle", &GraphicEditor::BnBoxClick, FigureKind::Rectangle},
    {"ellipse", &GraphicEditor::BnEllipseClick, FigureKind::Ellipse},
    {"rounded", &GraphicEditor::BnBox2Click, FigureKind::RoundRect},
};

bool isWhite(QRgb p) { return (p & 0xFFFFFF) == 0xFFFFFF; }
bool isBlack(QRgb p) { return (p & 0xFFFFFF) == 0; }

// Moving a figure around and back restores everything it passed: only the
// last figure remains, exactly as one not-xor drawing of it.
TEST_F(EditorTest, RubberBandLeavesOnlyTheLastFigure)
{
    for (const ToolRow& row : kFigureTools) {
        SCOPED_TRACE(row.name);
        useNoise();
        state.lineWidthText = QStringLiteral("3");
        (editor.*row.button)();
        const QImage before = image().copy();
        Canvas& c = canvas();
        editor.drawFigure({50, 50}, {100, 80}, RasterMode::NotXor);
        const QImage once = image().copy();
        EXPECT_NE(once, before) << "the figure was drawn";
        c.copyRect(c.image().rect(), before, before.rect());
        drag({50, 50}, {{300, 200}, {-40, 400}, {20, 10}, {100, 80}}, {100, 80});
        expectSame(once, row.name);
    }
}

TEST_F(EditorTest, ClickWithoutMovingLeavesTheImage)
{
    for (const ToolRow& row : kFigureTools) {
        SCOPED_TRACE(row.name);
        useNoise(3);
        (editor.*row.button)();
        const QImage before = image().copy();
        drag({60, 70}, {}, {60, 70});
        expectSame(before, std::string("click-") + row.name);
    }
}

// A black curve through the rectangle 50..99 x 50..99: fill hides it inside
// and draws the outline in the pen colour; no fill keeps it and the outline
// crossing it shows NOT (black XOR black) = white.
TEST_F(EditorTest, FillCoversWhatIsInside)
{
    struct Row {
        bool fill;
        bool curveInside;
        QRgb outlineOnCurve;
    } rows[] = {{true, false, qRgb(0, 0, 0)}, {false, true, qRgb(255, 255, 255)}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fill);
        plot.clear();
        canvas().moveTo(70, 0);
        canvas().lineTo(70, 200);
        if (state.fillMode != row.fill)
            editor.Fill1Click();
        editor.BnBoxClick();
        drag({50, 50}, {{80, 80}, {100, 100}}, {100, 100});
        EXPECT_EQ(isBlack(canvas().pixel(70, 75)), row.curveInside);
        EXPECT_EQ(canvas().pixel(70, 50) & 0xFFFFFF, row.outlineOnCurve & 0xFFFFFF);
        EXPECT_TRUE(isBlack(canvas().pixel(60, 50))) << "outline on white has the pen colour";
    }
}

TEST_F(EditorTest, RoundedRectangleCornerIsHalfTheFigureEitherWay)
{
    Canvas direct(480, 480);
    direct.roundRect(20, 20, 120, 80, 50, 30);
    editor.BnBox2Click();
    drag({20, 20}, {{120, 80}}, {120, 80});
    expectSame(direct.image(), "round-forward");
    plot.clear();
    drag({120, 80}, {{20, 20}}, {20, 20});
    expectSame(direct.image(), "round-backward");
}

TEST_F(EditorTest, EllipseOverASquareIsACircle)
{
    editor.BnEllipseClick();
    drag({100, 100}, {{161, 161}}, {161, 161});
    // Symmetric under swapping x and y about the box's diagonal.
    for (int y = 100; y < 161; ++y)
        for (int x = 100; x < 161; ++x)
            ASSERT_EQ(canvas().pixel(x, y), canvas().pixel(y, x)) << x << "," << y;
    EXPECT_TRUE(isBlack(canvas().pixel(130, 100)));
    EXPECT_TRUE(isBlack(canvas().pixel(100, 130)));
}

TEST_F(EditorTest, EachTraceStartsAtItsPress)
{
    editor.BnSpurClick();
    drag({10, 10}, {{50, 10}}, {50, 10});
    EXPECT_EQ(state.toolState, ToolState::TraceReady);
    drag({10, 30}, {{50, 30}}, {50, 30});
    EXPECT_EQ(state.toolState, ToolState::TraceReady);
    for (int x = 10; x < 50; ++x) {
        EXPECT_TRUE(isBlack(canvas().pixel(x, 10)));
        EXPECT_TRUE(isBlack(canvas().pixel(x, 30)));
    }
    EXPECT_TRUE(isWhite(canvas().pixel(30, 20))) << "the second trace joined the first";
}

TEST_F(EditorTest, TextToolWritesAtEachClickAndBlanksErase)
{
    editor.BnTextClick();
    EXPECT_TRUE(editor.textBoxShown());
    editor.textBoxText = QStringLiteral("Hi");
    const QImage blank = image().copy();
    drag({100, 100}, {{200, 200}}, {200, 200});
    const QImage once = image().copy();
    EXPECT_GT(canvastest::countDifferences(once, blank), 0);
    EXPECT_EQ(canvastest::countDifferences(once.copy(150, 150, 100, 100), blank.copy(150, 150, 100, 100)), 0)
        << "a drag with the text tool drew";
    EXPECT_EQ(state.selectionRect.x1, 100);
    EXPECT_EQ(state.selectionRect.y1, 100);
    drag({100, 100}, {}, {100, 100});
    expectSame(once, "text-twice");
    editor.textBoxText = QStringLiteral("      ");
    drag({100, 100}, {}, {100, 100});
    expectSame(blank, "text-blanked");
}

TEST_F(EditorTest, PositionLabels)
{
    editor.FormMouseDown(10, 300);
    editor.FormMouseMove(120, 45);
    EXPECT_EQ(editor.labelXo(), QStringLiteral("Xo 10"));
    EXPECT_EQ(editor.labelYo(), QStringLiteral("Yo 300"));
    EXPECT_EQ(editor.labelX(), QStringLiteral("X   120"));
    EXPECT_EQ(editor.labelY(), QStringLiteral("Y   45"));
    editor.FormMouseMove(-5, -7);
    EXPECT_EQ(editor.labelX(), QStringLiteral("X   -5"));
    EXPECT_EQ(editor.labelY(), QStringLiteral("Y   -7"));
}

// Every tool button from Select on: the tool, the figure, the text box and
// whether Select survives.
TEST_F(EditorTest, ToolButtons)
{
    struct Row {
        const char* name;
        Tool button;
        ToolState toolState;
        std::optional<FigureKind> figureKind; // nothing: unchanged
        bool textBox;
        bool selectStays;
    } rows[] = {
        {"text", &GraphicEditor::BnTextClick, ToolState::Text, std::nullopt, true, false},
        {"trace", &GraphicEditor::BnSpurClick, ToolState::TraceReady, FigureKind::Line, false, false},
        {"line", &GraphicEditor::BnLinieClick, ToolState::Line, FigureKind::Line, false, false},
        {"rectangle", &GraphicEditor::BnBoxClick, ToolState::Box, FigureKind::Rectangle, false, true},
        {"rounded", &GraphicEditor::BnBox2Click, ToolState::RoundBox, FigureKind::RoundRect, false, false},
        {"ellipse", &GraphicEditor::BnEllipseClick, ToolState::Ellipse, FigureKind::Ellipse, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (state.selectMode)
            editor.BnselectClick();
        editor.BnselectClick();
        ASSERT_TRUE(state.selectMode);
        state.figureKind = FigureKind::Ellipse;
        (editor.*row.button)();
        EXPECT_EQ(state.toolState, row.toolState);
        EXPECT_EQ(state.figureKind, row.figureKind.value_or(FigureKind::Ellipse));
        EXPECT_EQ(editor.textBoxShown(), row.textBox);
        EXPECT_EQ(state.selectMode, row.selectStays);
        EXPECT_EQ(canvas().pen.style, row.selectStays ? PenStyle::Dotted : PenStyle::Solid);
    }
}

TEST_F(EditorTest, ToolButtonWithABadWidthChangesNothing)
{
    editor.BnEllipseClick();
    editor.BnselectClick();
    state.lineWidthText = QStringLiteral("2x");
    EXPECT_THROW(editor.BnLinieClick(), ConversionError);
    EXPECT_EQ(state.toolState, ToolState::Box);
    EXPECT_TRUE(state.selectMode);
}

TEST_F(EditorTest, WidthButtonsAndLineBox)
{
    editor.LineClick();
    EXPECT_TRUE(editor.lineBoxShown());
    EXPECT_EQ(state.lineWidthText, QStringLiteral("1"));
    editor.BnWiminusClick();
    EXPECT_EQ(state.lineWidthText, QStringLiteral("1"));
    for (int i = 0; i < 3; ++i)
        editor.BnWiplusClick();
    EXPECT_EQ(state.lineWidthText, QStringLiteral("4"));
    editor.BnStricOKClick(PenStyle::Solid);
    EXPECT_FALSE(editor.lineBoxShown());
    editor.BnLinieClick();
    EXPECT_EQ(canvas().pen.width, 4);

    // The buttons count from a typed width below 1 as it stands: "+" adds
    // one, " - " leaves it.
    const std::pair<int, QString> below[] = {{0, QStringLiteral("1")}, {-5, QStringLiteral("-4")}};
    for (const auto& [typed, afterPlus] : below) {
        canvas().pen.width = typed;
        editor.BnWiplusClick();
        EXPECT_EQ(state.lineWidthText, afterPlus) << typed;
        canvas().pen.width = typed;
        editor.BnWiminusClick();
        EXPECT_EQ(state.lineWidthText, QString::number(typed)) << typed;
    }
    state.lineWidthText = QStringLiteral("4");
    editor.BnLinieClick();

    state.lineWidthText = QStringLiteral("wide");
    editor.LineClick();
    state.lineWidthText = QStringLiteral("wide");
    EXPECT_THROW(editor.BnStricOKClick(PenStyle::Dotted), ConversionError);
    EXPECT_TRUE(editor.lineBoxShown()) << "a failed OK keeps the box open";
    EXPECT_EQ(canvas().pen, (Pen{4, PenStyle::Solid, RasterMode::Copy, qRgb(0, 0, 0)}));
}

// The style lasts until the next tool button.
TEST_F(EditorTest, StyleBeforeOrAfterTheTool)
{
    editor.BnStricOKClick(PenStyle::Dashed);
    editor.BnLinieClick();
    EXPECT_EQ(canvas().pen.style, PenStyle::Solid);
    editor.BnStricOKClick(PenStyle::Dashed);
    EXPECT_EQ(canvas().pen.style, PenStyle::Dashed);
}

TEST_F(EditorTest, SwitchCaptions)
{
    editor.Fill1Click();
    EXPECT_EQ(editor.fillCaption(), QStringLiteral("Fill"));
    EXPECT_TRUE(state.fillMode);
    editor.Fill1Click();
    EXPECT_EQ(editor.fillCaption(), QStringLiteral("- Fill."));
    EXPECT_FALSE(state.fillMode);

    state.textFont = CanvasFont{QStringLiteral("Arial"), 20};
    editor.VertHorizClick();
    EXPECT_EQ(state.vertHorizCaption, QStringLiteral("&Vert. Writ."));
    EXPECT_EQ(canvas().font.escapement, 900);
    EXPECT_EQ(canvas().font.pixelSize, 20);
    editor.VertHorizClick();
    EXPECT_EQ(state.vertHorizCaption, QStringLiteral("&Horiz. Writ."));
    EXPECT_EQ(canvas().font.escapement, 0);
}

TEST_F(EditorTest, VerticalTextRunsUpwardFromTheClick)
{
    editor.VertHorizClick();
    editor.BnTextClick();
    editor.textBoxText = QStringLiteral("MMMM");
    editor.FormMouseDown(200, 200);
    int above = 0;
    int below = 0;
    for (int y = 150; y < 250; ++y)
        for (int x = 195; x < 240; ++x)
            (y <= 200 ? above : below) += !isWhite(canvas().pixel(x, y));
    EXPECT_GT(above, 0);
    EXPECT_EQ(below, 0);
}

TEST_F(EditorTest, ColourComesBackAfterAPlot)
{
    const QRgb red = qRgb(255, 0, 0);
    editor.colourChosen(red);
    EXPECT_EQ(canvas().pen.colour, red);
    EXPECT_EQ(canvas().font.colour, red);
    EXPECT_EQ(state.drawingColor, red);
    plot.plotCommand();
    editor.BnLinieClick();
    EXPECT_EQ(canvas().pen.colour, red);
    canvas().pen.colour = qRgb(0, 0, 255);
    editor.colourChosen(std::nullopt);
    EXPECT_EQ(state.drawingColor, qRgb(0, 0, 255)) << "a cancelled dialog still takes the pen colour";
}

TEST_F(EditorTest, FontChoiceWritesHorizontally)
{
    editor.VertHorizClick();
    canvas().font.colour = qRgb(0, 0, 255);
    editor.fontChosen(CanvasFont{QStringLiteral("Arial"), 22, true});
    EXPECT_EQ(canvas().font.escapement, 0);
    EXPECT_EQ(canvas().font.pixelSize, 22);
    EXPECT_TRUE(canvas().font.bold);
    EXPECT_EQ(canvas().font.colour, qRgb(0, 0, 255));
    EXPECT_EQ(state.textFont.pixelSize, 22);
    EXPECT_TRUE(state.verticalWriting) << "the switch is not touched";
}

} // namespace
