// The undo history on a workspace without a window: round trips of each kind
// of command, what is no step, keystrokes merged into one step, the redo
// drop, the depth bound and the size of a step.

#include "commands/FileCommands.h"
#include "commands/GridText.h"
#include "commands/SetCommands.h"
#include "commands/SetDisplay.h"
#include "commands/SettingsCommands.h"
#include "commands/UndoHistory.h"
#include "ops/OpsTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>
#include <string>

namespace {

std::string fixture(const char* name) { return std::string(KURVIX_TEST_FILES) + "/" + name; }

// Everything undo must put back, as text: numbers exact in hexadecimal.
std::string stateOf(const DataStore& store)
{
    std::ostringstream out;
    const PlotSettings& p = store.plot;
    out << std::hexfloat << store.currentSet << '|' << store.currentFileName << '|' << p.xLabel << '|' << p.xFrom
        << '|' << p.xTo << '|' << p.heading << '|' << p.comment << '|' << p.showDateTime << p.showFileName
        << p.plotWithGrid;
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        const auto i = static_cast<size_t>(s);
        out << "\n" << store.yLabel[i] << '|' << store.yFrom[i] << '|' << store.yTo[i] << '|' << +store.drawFlags[i]
            << '|' << +store.symbolNumber[i] << '|' << +store.setColour[i] << '|' << store.minYIndex[i] << '|'
            << store.maxYIndex[i] << '|' << store.pointCount[i] << ':';
        for (int k = 1; k <= store.pointCount[i]; ++k)
            out << ' ' << store.x(s, k) << ' ' << store.y(s, k);
    }
    return out.str();
}

struct Recorded {
    DataStore store;
    GridText grid;
    Workspace ws{store, grid};
    UndoHistory history;
    Recorded()
    {
        load(store, 1, {1, 2, 3, 4, 5}, {2, 3, 1, 5, 4});
        load(store, 2, {1, 2, 3, 4, 5}, {1, 1, 1, 1, 1});
        commands::showCurrentSet(ws);
        commands::attachHistory(ws, history);
    }
};

using Command = std::function<Outcome(Workspace&)>;

TEST(UndoHistory, UndoAndRedoRoundTripEachKindOfCommand)
{
    const auto noPreparation = [](Workspace&) {};
    const struct {
        const char* label;
        std::function<void(Workspace&)> prepare;
        Command command;
    } rows[] = {
        {"Data", noPreparation, [](Workspace& ws) {
             ws.grid.setCellText(2, 1, "7");
             return commands::gridTyping(ws, commands::GridKey::Typed);
         }},
        {"Y label", noPreparation, [](Workspace& ws) { return commands::setField(ws, commands::Field::YLabel, "Druck"); }},
        {"Axis range", [](Workspace& ws) { ws.store.yTo[1] = 12; },
         [](Workspace& ws) { return commands::leaveAxisBox(ws, "-1", "9", "2", "3"); }},
        {"Grid", noPreparation, [](Workspace& ws) { return commands::setPlotSwitch(ws, commands::PlotSwitch::Grid, true); }},
        {"Symbol", noPreparation, [](Workspace& ws) { return commands::symbolUp(ws); }},
        {"Colour", noPreparation, [](Workspace& ws) { return commands::nextColour(ws); }},
        {"Display", noPreparation, [](Workspace& ws) { return commands::storeDrawFlags(ws, {false, true, true, true}); }},
        {"Calculation", noPreparation, [](Workspace& ws) { return commands::calculate(ws, "Y*-1"); }},
        {"Slope", noPreparation, [](Workspace& ws) { return commands::changeSlope(ws, "S0.5"); }},
        {"Smooth", noPreparation, [](Workspace& ws) { return commands::smooth(ws); }},
        {"Exchange", noPreparation, [](Workspace& ws) { return commands::exchangeSet(ws, "2"); }},
        {"Copy set", noPreparation, [](Workspace& ws) { return commands::copySet(ws, "3"); }},
        {"Insert set", noPreparation, [](Workspace& ws) { return commands::insertSet(ws, "2"); }},
        {"Add Curve", noPreparation, [](Workspace& ws) { return commands::addCurve(ws, "2"); }},
        {"Derivative", [](Workspace& ws) { commands::selectSet(ws, 2); },
         [](Workspace& ws) { return commands::derivative(ws); }},
        {"Integral", [](Workspace& ws) { commands::selectSet(ws, 2); },
         [](Workspace& ws) { return commands::integral(ws); }},
        {"X <=> Y", noPreparation, [](Workspace& ws) { return commands::swapXY(ws); }},
        {"Delete data", noPreparation, [](Workspace& ws) { return commands::removePoints(ws, "2", "3"); }},
        {"Open", noPreparation, [](Workspace& ws) { return commands::openFile(ws, fixture("THREE.KWT")); }},
        {"Open 2nd file", noPreparation,
         [](Workspace& ws) { return commands::openSecondFile(ws, "4", fixture("messung.csv")); }},
        {"Autoscale", noPreparation, [](Workspace& ws) { return commands::autoscale(ws); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        Recorded r;
        row.prepare(r.ws);
        const std::string before = stateOf(r.store);
        row.command(r.ws);
        const std::string after = stateOf(r.store);
        ASSERT_NE(after, before) << "the command changed nothing";
        EXPECT_EQ(r.history.undoLabel(), row.label);
        r.store.unsavedChanges = false;

        EXPECT_TRUE(commands::undo(r.ws).setShown);
        EXPECT_EQ(stateOf(r.store), before);
        EXPECT_TRUE(r.store.unsavedChanges);
        EXPECT_EQ(r.history.redoLabel(), row.label);
        commands::redo(r.ws);
        EXPECT_EQ(stateOf(r.store), after);
        commands::undo(r.ws);
        EXPECT_EQ(stateOf(r.store), before) << "a second undo after a redo";
    }
}

// No step, and the redo steps stay: refusals, choosing a set, saving.
TEST(UndoHistory, CommandsThatChangeNoDataAreNoStep)
{
    const std::string saved = std::string(KURVIX_TEST_OUTPUT) + "/undo-saved.KWT";
    const struct {
        const char* name;
        Command command;
    } rows[] = {
        {"copy onto points", [](Workspace& ws) { return commands::copySet(ws, "2"); }},
        {"formula without X or Y", [](Workspace& ws) { return commands::calculate(ws, "+2"); }},
        {"division by 0", [](Workspace& ws) { return commands::calculate(ws, "Y/0"); }},
        {"label as it is", [](Workspace& ws) { return commands::setField(ws, commands::Field::YLabel, "Y"); }},
        {"next set", [](Workspace& ws) { return commands::stepSet(ws, +1); }},
        {"set 10", [](Workspace& ws) { return commands::selectSet(ws, 10); }},
        {"save", [&saved](Workspace& ws) { return commands::saveFile(ws, saved, commands::SaveNaming::Exact); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Recorded r;
        commands::smooth(r.ws);
        commands::undo(r.ws);
        row.command(r.ws);
        EXPECT_FALSE(r.history.canUndo());
        EXPECT_TRUE(r.history.canRedo());
    }
}

TEST(UndoHistory, KeystrokesInOneFieldOrCellAreOneStep)
{
    Recorded r;
    for (const char* text : {"D", "Dr", "Dru"}) {
        r.history.typingInto(CommandId::YLabel);
        commands::setField(r.ws, commands::Field::YLabel, text);
    }
    EXPECT_EQ(r.history.undoSteps(), 1u);
    r.history.seal();
    r.history.typingInto(CommandId::YLabel);
    commands::setField(r.ws, commands::Field::YLabel, "Druck");
    EXPECT_EQ(r.history.undoSteps(), 2u) << "the field was left in between";

    // Typed and taken back: no step at all.
    r.history.typingInto(CommandId::XFrom);
    commands::setField(r.ws, commands::Field::XFrom, "05");
    commands::setField(r.ws, commands::Field::XFrom, "0");
    EXPECT_EQ(r.history.undoSteps(), 2u);

    // A cell: 1, 12, 12.5 typed over Y of row 3 (was 1).
    for (const char* text : {"1", "12", "12.5"}) {
        r.grid.setCellText(2, 3, text);
        r.history.typingInto(CommandId::GridTyping);
        commands::gridTyping(r.ws, commands::GridKey::Typed);
    }
    EXPECT_EQ(r.history.undoSteps(), 3u);
    EXPECT_EQ(r.store.y(1, 3), 12.5);
    commands::undo(r.ws);
    EXPECT_EQ(r.store.y(1, 3), 1);
    EXPECT_EQ(r.grid.cellText(2, 3), "1.000");
    commands::undo(r.ws);
    EXPECT_EQ(r.store.yLabel[1], "Dru");
    commands::undo(r.ws);
    EXPECT_EQ(r.store.yLabel[1], "Y");
}

// Undo shows the kept state as it was: an axis end that the set display
// would round and points in the order they were typed stay as they were.
TEST(UndoHistory, UndoShowsTheKeptStateWithoutWritingBack)
{
    Recorded r;
    commands::setField(r.ws, commands::Field::YFrom, "0.123");
    r.grid.setCellText(1, 1, "9");
    commands::gridTyping(r.ws, commands::GridKey::Typed);
    const Values typed = xsOf(r.store, 1);
    commands::smooth(r.ws);
    EXPECT_EQ(r.store.yFrom[1], 0.1);
    commands::undo(r.ws);
    EXPECT_EQ(r.store.yFrom[1], 0.123);
    EXPECT_EQ(xsOf(r.store, 1), typed);
    EXPECT_EQ(r.ws.display.yFrom, "0.1");
    EXPECT_EQ(r.grid.cellText(1, 1), "9.000");
}

TEST(UndoHistory, NewStepDropsRedoAndTwoHundredStepsAreKept)
{
    Recorded r;
    commands::symbolUp(r.ws);
    commands::undo(r.ws);
    commands::nextColour(r.ws);
    EXPECT_FALSE(r.history.canRedo());
    EXPECT_EQ(commands::redo(r.ws).kind, OutcomeKind::Refused);

    for (int i = 0; i < 205; ++i)
        commands::setSymbol(r.ws, std::to_string(i % 15));
    EXPECT_EQ(r.history.undoSteps(), 200u);
    while (commands::undo(r.ws).isDone()) {
    }
    EXPECT_EQ(r.store.symbolNumber[1], 4) << "the state after the fifth of 205 steps";
}

// A step keeps only what changed: one array for a Smooth of a full set, two
// for X <=> Y, almost nothing for a label, the three sets a file holds for
// a read.
TEST(UndoHistory, StepKeepsOnlyWhatChanged)
{
    Recorded r;
    Values xs(kSetCapacity), ys(kSetCapacity);
    for (int i = 0; i < kSetCapacity; ++i) {
        xs[static_cast<size_t>(i)] = i;
        ys[static_cast<size_t>(i)] = std::sin(i * 0.01);
    }
    for (int s = 1; s <= 9; ++s)
        load(r.store, s, xs, ys);
    const size_t array = kSetCapacity * sizeof(double);
    const struct {
        const char* name;
        Command command;
        size_t atMost;
    } rows[] = {
        {"smooth", [](Workspace& ws) { return commands::smooth(ws); }, array + 1024},
        {"X <=> Y", [](Workspace& ws) { return commands::swapXY(ws); }, 2 * array + 1024},
        {"label", [](Workspace& ws) { return commands::setField(ws, commands::Field::YLabel, "Druck"); }, 1024},
        {"read", [](Workspace& ws) { return commands::openFile(ws, fixture("THREE.KWT")); }, 6 * array + 4096},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const size_t before = r.history.bytes();
        row.command(r.ws);
        EXPECT_LE(r.history.bytes() - before, row.atMost);
    }
}

} // namespace
