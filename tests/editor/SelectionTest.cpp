#include "EditorFixture.h"

namespace {

class SelectionTest : public EditorTest {
protected:
    QImage before;
    void SetUp() override
    {
        useNoise(11);
        before = image().copy();
        editor.BnselectClick();
    }
    void select(QPoint from, QPoint to) { drag(from, {{from.x() + 3, from.y() + 3}, to}, to); }
};

TEST_F(SelectionTest, CopyTakesTheAreaWithoutItsFrame)
{
    struct Row {
        const char* name;
        QPoint from;
        QPoint to;
        QRect area;
    } rows[] = {
        {"down-right", {10, 10}, {110, 60}, {10, 10, 100, 50}},
        {"up-left, copied upright", {110, 60}, {10, 10}, {10, 10, 100, 50}},
        {"ends above and left of the image", {50, 40}, {-20, -30}, {0, 0, 50, 40}},
        {"ends beyond the image", {450, 470}, {600, 700}, {450, 470, 30, 10}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        select(row.from, row.to);
        EXPECT_TRUE(editor.selectedBoxShown());
        EXPECT_NE(image(), before) << "the frame is shown";
        EXPECT_EQ(editor.selectionArea(), row.area);
        editor.BnCopyClick();
        EXPECT_FALSE(editor.selectedBoxShown());
        ASSERT_TRUE(clipboard.picture);
        EXPECT_EQ(clipboard.picture->convertToFormat(QImage::Format_RGB32), before.copy(row.area));
        expectSame(before, row.name);
    }
}

TEST_F(SelectionTest, CancelAndANewSelectionRemoveTheFrame)
{
    select({10, 10}, {110, 60});
    select({200, 200}, {150, 120}); // the first frame goes with the new drag
    editor.BnCancelClick();
    EXPECT_FALSE(editor.selectedBoxShown());
    expectSame(before, "cancel");
    EXPECT_TRUE(state.selectMode);
}

// A tool button in between must not make Cancel paint with the tool's pen.
TEST_F(SelectionTest, CancelAfterAToolButtonRemovesTheSameFrame)
{
    select({10, 10}, {110, 60});
    editor.BnLinieClick();
    editor.BnCancelClick();
    expectSame(before, "cancel-after-tool");
}

TEST_F(SelectionTest, WipeWhitensTheAreaAndItsFrame)
{
    select({110, 60}, {10, 10});
    editor.BnClearselClick();
    EXPECT_FALSE(editor.selectedBoxShown());
    QImage expected = before.copy();
    for (int y = 10; y < 60; ++y)
        for (int x = 10; x < 110; ++x)
            expected.setPixel(x, y, qRgb(255, 255, 255));
    expectSame(expected, "wipe");
}

TEST_F(SelectionTest, CutSizeCropsAndMemoryWorksOnTheNewSize)
{
    select({10, 10}, {110, 60});
    editor.BnCutClick();
    expectSame(before.copy(10, 10, 100, 50), "cut-size");
    EXPECT_EQ(state.canvasWidth, 100);
    EXPECT_EQ(state.canvasHeight, 50);
    editor.BnHoldClick();
    plot.clear();
    editor.BnRestoreClick();
    expectSame(before.copy(10, 10, 100, 50), "cut-size-restored");
}

TEST_F(SelectionTest, EmptySelectionChangesNothing)
{
    select({30, 30}, {30, 90});
    editor.BnCopyClick();
    EXPECT_FALSE(clipboard.picture);
    select({30, 30}, {80, 30});
    editor.BnCutClick();
    expectSame(before, "empty-cut");
}

TEST_F(SelectionTest, InsertAtTheStartCornerOrTopLeft)
{
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    clipboard.picture = picture;
    select({100, 50}, {140, 90});
    editor.BnInsertClick();
    EXPECT_TRUE(editor.selectedBoxShown()) << "Insert keeps the box open";
    QImage expected = before.copy();
    for (int y = 50; y < 60; ++y)
        for (int x = 100; x < 120; ++x)
            expected.setPixel(x, y, qRgb(1, 2, 3));
    expectSame(expected, "insert");

    editor.BnCancelClick();
    expectSame(expected, "insert-cancel");
    editor.Paste1Click();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            expected.setPixel(x, y, qRgb(1, 2, 3));
    expectSame(expected, "paste");

    clipboard.picture.reset();
    editor.Paste1Click();
    expectSame(expected, "paste-nothing");
}

TEST_F(SelectionTest, SecondSelectClickGivesTheTextTool)
{
    editor.BnselectClick();
    EXPECT_FALSE(state.selectMode);
    EXPECT_EQ(state.toolState, ToolState::Text);
    EXPECT_TRUE(editor.textBoxShown());
}

TEST_F(EditorTest, CutImageLeavesWhiteAndADottedRectangle)
{
    useNoise(5);
    const QImage before = image().copy();
    editor.BnLinieClick();
    editor.Cut1Click();
    ASSERT_TRUE(clipboard.picture);
    EXPECT_EQ(*clipboard.picture, before);
    EXPECT_EQ(image().size(), before.size());
    Canvas white(480, 480);
    expectSame(white.image(), "cut-image");
    drag({10, 10}, {{40, 30}}, {40, 30});
    EXPECT_EQ(canvas().pixel(10, 10) & 0xFFFFFF, 0u);
    EXPECT_EQ(canvas().pixel(11, 10) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(canvas().pixel(12, 10) & 0xFFFFFF, 0u);
    EXPECT_EQ(canvas().pixel(10, 12) & 0xFFFFFF, 0u) << "a rectangle, not a line";
    EXPECT_EQ(state.toolState, ToolState::Line);
}

TEST_F(EditorTest, KeepAndRestore)
{
    useNoise(9);
    const QImage kept = image().copy();
    editor.BnRestoreClick();
    expectSame(kept, "restore-before-keep");

    editor.BnMemoClick();
    EXPECT_TRUE(editor.memoBoxShown());
    editor.BnHoldClick();
    EXPECT_FALSE(editor.memoBoxShown());
    editor.BnLinieClick();
    drag({0, 0}, {{300, 300}}, {300, 300});
    editor.BnselectClick();
    state.lineWidthText = QStringLiteral("3");
    editor.BnRestoreClick();
    expectSame(kept, "restore");
    EXPECT_FALSE(state.selectMode);
    EXPECT_EQ(canvas().pen.width, 3);
    plot.clear();
    editor.BnRestoreClick();
    expectSame(kept, "restore-after-clear");
}

} // namespace
