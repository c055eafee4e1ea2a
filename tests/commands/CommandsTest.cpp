// The command layer without a window: what each command leaves as its
// outcome, what an observer hears, and the store side of the set display.

#include "commands/FileCommands.h"
#include "commands/GridText.h"
#include "commands/SetCommands.h"
#include "commands/SetDisplay.h"
#include "commands/SettingsCommands.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "ops/OpsTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Headless {
    DataStore store;
    GridText grid;
    Workspace ws{store, grid};
    Headless()
    {
        load(store, 1, {1, 2, 3, 4, 5}, {2, 1, 4, 3, 5});
        load(store, 2, {1, 2, 3, 4, 5}, {1, 1, 1, 1, 1});
    }
};

TEST(Commands, OutcomeOfEachCommand)
{
    using Command = std::function<Outcome(Workspace&)>;
    const struct {
        const char* name;
        Command command;
        OutcomeKind kind;
        bool setShown;
    } rows[] = {
        {"copy into an empty set", [](Workspace& ws) { return commands::copySet(ws, "3"); }, OutcomeKind::Done, false},
        {"copy onto points", [](Workspace& ws) { return commands::copySet(ws, "2"); }, OutcomeKind::Refused, false},
        {"insert from no set", [](Workspace& ws) { return commands::insertSet(ws, "0"); }, OutcomeKind::Refused, true},
        {"exchange with itself", [](Workspace& ws) { return commands::exchangeSet(ws, "1"); }, OutcomeKind::Refused, true},
        {"add a set of other length", [](Workspace& ws) { return commands::addCurve(ws, "3"); }, OutcomeKind::Refused, true},
        {"add a curve", [](Workspace& ws) { return commands::addCurve(ws, "2"); }, OutcomeKind::Done, true},
        {"formula without X or Y", [](Workspace& ws) { return commands::calculate(ws, "+2"); }, OutcomeKind::Refused, false},
        {"formula", [](Workspace& ws) { return commands::calculate(ws, "Y*2"); }, OutcomeKind::Done, true},
        {"logarithm", [](Workspace& ws) { return commands::calculate(ws, "XL"); }, OutcomeKind::Done, true},
        {"division by 0", [](Workspace& ws) { return commands::calculate(ws, "Y/0"); }, OutcomeKind::Refused, true},
        {"slope", [](Workspace& ws) { return commands::changeSlope(ws, "S0.5"); }, OutcomeKind::Done, true},
        {"slope without S", [](Workspace& ws) { return commands::changeSlope(ws, "2"); }, OutcomeKind::Refused, false},
        {"filter too short", [](Workspace& ws) { return commands::filter(ws, "9"); }, OutcomeKind::Message, false},
        {"smooth", [](Workspace& ws) { return commands::smooth(ws); }, OutcomeKind::Done, true},
        {"derivative", [](Workspace& ws) { return commands::derivative(ws); }, OutcomeKind::Refused, false},
        {"remove behind the end", [](Workspace& ws) { return commands::removePoints(ws, "9", "9"); }, OutcomeKind::Refused, true},
        {"thin by 1", [](Workspace& ws) { return commands::thinPoints(ws, "1"); }, OutcomeKind::Refused, true},
        {"thin by 2", [](Workspace& ws) { return commands::thinPoints(ws, "2"); }, OutcomeKind::Done, true},
        {"set 10", [](Workspace& ws) { return commands::selectSet(ws, 10); }, OutcomeKind::Refused, false},
        {"symbol 15", [](Workspace& ws) { return commands::setSymbol(ws, "15"); }, OutcomeKind::Refused, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Headless h;
        const Outcome outcome = row.command(h.ws);
        EXPECT_EQ(outcome.kind, row.kind);
        EXPECT_EQ(outcome.setShown, row.setShown);
    }
    Headless h;
    h.store.y(1, 1) = 0;
    const Outcome log = commands::calculate(h.ws, "YL");
    EXPECT_EQ(log.kind, OutcomeKind::Message);
    EXPECT_EQ(log.message, Messages::LogarithmQuery);
    EXPECT_THROW(commands::copySet(h.ws, "drei"), ConversionError);
}

// The observer hears every command with its arguments as given, a failure
// as a Failed outcome before the exception goes on.
TEST(Commands, ObserverHearsEachCommand)
{
    struct Recorder : CommandObserver {
        std::vector<std::string> heard;
        void commandStarting(CommandId, std::span<const std::string_view>, const DataStore&) override {}
        void commandFinished(CommandId id, std::span<const std::string_view> args, const Outcome& outcome,
                             const DataStore&) override
        {
            std::string line(commandInfo(id).scriptWord);
            for (std::string_view a : args)
                line += " " + std::string(a);
            heard.push_back(line + (outcome.kind == OutcomeKind::Failed ? " failed" : ""));
        }
    } recorder;
    Headless h;
    h.ws.observers.push_back(&recorder);
    commands::removePoints(h.ws, "2", "3");
    commands::setField(h.ws, commands::Field::YFrom, "-1,5");
    EXPECT_THROW(commands::thinPoints(h.ws, "0"), KurvixError);
    EXPECT_EQ(recorder.heard, (std::vector<std::string>{"remove 2 3", "yfrom -1,5", "thin 0 failed"}));
}

// The set display writes the shown axis ends back; the description of a
// kept state writes nothing.
TEST(Commands, SetDisplayWritesShownEndsBack)
{
    Headless h;
    h.store.yFrom[1] = 0.123;
    h.store.yTo[1] = 10;
    const SetDisplay kept = commands::describeCurrentSet(h.store);
    EXPECT_EQ(kept.yFrom, "0.1");
    EXPECT_EQ(h.store.yFrom[1], 0.123);
    commands::showCurrentSet(h.ws);
    EXPECT_EQ(h.ws.display.yFrom, "0.1");
    EXPECT_EQ(h.store.yFrom[1], 0.1);
    EXPECT_EQ(h.ws.display.minY, "min. value 1.000");
    EXPECT_EQ(h.grid.cellText(0, 0), "[5]");
    EXPECT_EQ(h.grid.cellText(2, 2), "1.000");
}

} // namespace
