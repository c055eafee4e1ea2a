// The main window's Edit menu and autoscale: captions naming the step, the
// undo keys acting on the data while an edit field or a grid cell has the
// focus, one step per field left and per cell edited.

#include "TForm1Fixture.h"

#include "commands/UndoHistory.h"
#include "ops/OpsTestSupport.h"

#include <QAction>

namespace {

class TForm1UndoTest : public TForm1Test {
protected:
    void SetUp() override
    {
        TForm1Test::SetUp();
        load(store, 1, {1, 2, 3, 4, 5}, {2, 9, 1, 7, 3});
        form->showCurrentSet();
    }

    QAction* item(const char* name) { return child<QAction>(name); }

    // A key chord sent to whatever has the focus, as the user would press it.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QApplication::processEvents();
    }
};

TEST_F(TForm1UndoTest, EditMenuNamesTheStep)
{
    EXPECT_FALSE(item("Undo1")->isEnabled());
    EXPECT_FALSE(item("Redo1")->isEnabled());
    click("Bnglaett");
    EXPECT_EQ(item("Undo1")->text(), "&Undo Smooth");
    EXPECT_TRUE(item("Undo1")->isEnabled());

    // The switches behind undo show what the store holds again.
    item("Grid1")->trigger();
    click("CBDatumzeit");
    item("Undo1")->trigger();
    EXPECT_TRUE(child<QCheckBox>("CBDatumzeit")->isChecked());
    EXPECT_EQ(item("Undo1")->text(), "&Undo Grid");
    EXPECT_EQ(item("Redo1")->text(), "&Redo Date and time");
    item("Undo1")->trigger();
    EXPECT_EQ(item("Grid1")->text(), "Plot with &Grid");
    item("Undo1")->trigger();
    EXPECT_EQ(store.y(1, 2), 9);
    EXPECT_FALSE(item("Undo1")->isEnabled());
    EXPECT_EQ(item("Redo1")->text(), "&Redo Smooth");
}

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z undo the data, not the field's text, while
// an edit field has the focus.
TEST_F(TForm1UndoTest, UndoKeysActOnTheDataInAnEditField)
{
    showActive();
    click("Bnglaett");
    const Values smoothed = ysOf(store, 1);
    auto* heading = child<QLineEdit>("EdTitel");
    heading->setFocus();
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ysOf(store, 1), (Values{2, 9, 1, 7, 3}));
    EXPECT_EQ(heading->text(), "");
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(ysOf(store, 1), smoothed);
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ysOf(store, 1), smoothed);
    // With nothing left to redo the keys do nothing at all.
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form->history().undoSteps(), 1u);
    EXPECT_EQ(heading->text(), "");
}

TEST_F(TForm1UndoTest, OneStepPerFieldLeft)
{
    showActive();
    auto* label = child<QLineEdit>("EdXachse");
    label->setFocus();
    label->selectAll();
    QTest::keyClicks(label, "Zeit");
    child<QLineEdit>("EdTitel")->setFocus();
    QTest::keyClicks(child<QLineEdit>("EdTitel"), "Lauf 1");
    EXPECT_EQ(form->history().undoSteps(), 2u);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(store.plot.heading, "");
    EXPECT_EQ(store.plot.xLabel, "Zeit");
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(store.plot.xLabel, "X");
    EXPECT_EQ(label->text(), "X");
}

// All keystrokes in one cell are one step; undo in the open cell editor
// takes back the whole cell. The grid shows kept values rounded, and the
// releases of the undo keys in the grid neither store them so nor drop the
// redo steps.
TEST_F(TForm1UndoTest, OneStepPerGridCell)
{
    store.y(1, 2) = 9.123456;
    form->showCurrentSet();
    showActive();
    typeIntoGrid("12\n34\n", 2);
    EXPECT_EQ(store.x(1, 2), 12);
    EXPECT_EQ(store.y(1, 2), 34);
    EXPECT_EQ(form->history().undoSteps(), 2u);
    typeIntoGrid("4.5", 2, 2);
    EXPECT_EQ(store.y(1, 2), 4.5);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(store.y(1, 2), 34);
    EXPECT_EQ(cell(2, 2), "34.00");
    EXPECT_TRUE(form->history().canRedo());
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), form->grid());
    EXPECT_EQ(store.x(1, 2), 2);
    EXPECT_EQ(store.y(1, 2), 9.123456);
    EXPECT_EQ(form->history().redoSteps(), 3u);
}

TEST_F(TForm1UndoTest, AutoscaleFromTheMenuAndItsKeys)
{
    item("Autoscale1")->trigger();
    EXPECT_EQ(text("EdXvon"), "1.0");
    EXPECT_EQ(text("Edxbis"), "6.0");
    EXPECT_EQ(text("EdYvon"), "0");
    EXPECT_EQ(text("EdYBis"), "10");
    EXPECT_EQ(item("Undo1")->text(), "&Undo Autoscale");

    // The key works from inside a field too.
    showActive();
    store.y(1, 2) = 12;
    child<QLineEdit>("EdYvon")->setFocus();
    press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(store.yTo[1], 25);
    EXPECT_EQ(text("EdYBis"), "25");
}

} // namespace
