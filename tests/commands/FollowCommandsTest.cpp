// Following a file and pasting text as commands: what a fresh File / "&Open"
// gives after every update, which commands of the user end following, and
// undo of both.

#include "commands/FileCommands.h"
#include "commands/FollowCommands.h"
#include "commands/GridText.h"
#include "commands/SetCommands.h"
#include "commands/SetDisplay.h"
#include "commands/SettingsCommands.h"
#include "commands/TextCommands.h"
#include "commands/UndoHistory.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "ops/Autoscale.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <functional>
#include <sstream>

namespace {

// Everything a read and the set display leave in the store, numbers exact.
std::string stateOf(const DataStore& store)
{
    std::ostringstream out;
    const PlotSettings& p = store.plot;
    out << std::hexfloat << store.currentSet << '|' << store.currentFileName << '|' << store.unsavedChanges << '|'
        << p.xLabel << '|' << p.xFrom << '|' << p.xTo << '|' << p.heading << '|' << store.regression.a << '|'
        << store.regression.b;
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        const auto i = static_cast<size_t>(s);
        out << "\n" << store.yLabel[i] << '|' << store.yFrom[i] << '|' << store.yTo[i] << '|' << store.minYIndex[i]
            << '|' << store.maxYIndex[i] << '|' << store.pointCount[i] << ':';
        for (int k = 1; k <= store.pointCount[i]; ++k)
            out << ' ' << store.x(s, k) << ' ' << store.y(s, k);
    }
    return out.str();
}

struct Bench {
    DataStore store;
    GridText grid;
    Workspace ws{store, grid};
    UndoHistory history;
    Following following;
    std::string stopMessage = "(none)";

    Bench()
    {
        commands::startUp(ws);
        commands::attachHistory(ws, history);
        commands::attachFollowing(ws, following);
        following.setStoppedHandler([this](const std::string& message) { stopMessage = message; });
    }
};

class FollowCommands : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::string path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }

    void append(const std::string& bytes)
    {
        std::ofstream(followed, std::ios::binary | std::ios::app) << bytes;
        written += bytes;
    }

    // A fresh File / "&Open" of the complete lines written so far, in a
    // workspace of its own.
    std::string freshOpen(FollowScaling scaling = FollowScaling::KeepRanges)
    {
        const std::string prefix = path("b/messung.csv");
        std::ofstream(prefix, std::ios::binary | std::ios::trunc) << written.substr(0, written.find_last_of('\n') + 1);
        Bench fresh;
        commands::openFile(fresh.ws, prefix);
        if (scaling == FollowScaling::Autoscale)
            commands::autoscale(fresh.ws);
        fresh.store.unsavedChanges = false;
        return stateOf(fresh.store);
    }

    void startFollowing(FollowScaling scaling = FollowScaling::KeepRanges)
    {
        written.clear();
        QFile::remove(QString::fromStdString(path("a/messung.csv")));
        QDir(dir.path()).mkdir(QStringLiteral("a"));
        QDir(dir.path()).mkdir(QStringLiteral("b"));
        followed = path("a/messung.csv");
        append("Zeit;Wert\r\n3;30\r\n1;10\r\n");
        const Outcome started = commands::followFile(bench->ws, bench->following, followed, scaling);
        ASSERT_TRUE(started.setShown);
        ASSERT_TRUE(bench->following.active());
        EXPECT_EQ(stateOf(bench->store), freshOpen(scaling));
    }

    QTemporaryDir dir;
    std::unique_ptr<Bench> bench = std::make_unique<Bench>();
    std::string followed;
    std::string written;
};

TEST_F(FollowCommands, EveryUpdateGivesWhatAFreshOpenGives)
{
    for (const FollowScaling scaling : {FollowScaling::KeepRanges, FollowScaling::Autoscale}) {
        bench = std::make_unique<Bench>();
        startFollowing(scaling);
        EXPECT_EQ(commands::followUpdate(bench->ws, bench->following, scaling).kind, OutcomeKind::Refused) << "nothing new";
        append("2;2");
        EXPECT_EQ(commands::followUpdate(bench->ws, bench->following, scaling).kind, OutcomeKind::Refused) << "no line end yet";
        append("0\r\n7;-4\r\n5");
        bench->store.unsavedChanges = true;
        EXPECT_TRUE(commands::followUpdate(bench->ws, bench->following, scaling).setShown);
        EXPECT_EQ(stateOf(bench->store), freshOpen(scaling));
    }
}

TEST_F(FollowCommands, DataChangesOfTheUserEndFollowingOtherCommandsDoNot)
{
    struct Row {
        const char* what;
        std::function<Outcome(Workspace&)> command;
        bool ends;
        bool says;
    };
    const std::string other = path("other.csv");
    std::ofstream(other) << "1;1\n";
    const Row rows[] = {
        {"label", [](Workspace& ws) { return commands::setField(ws, commands::Field::YLabel, "U"); }, false, false},
        {"range", [](Workspace& ws) { return commands::setField(ws, commands::Field::XTo, "50"); }, false, false},
        {"set", [](Workspace& ws) { return commands::selectSet(ws, 2); }, false, false},
        {"autoscale", [](Workspace& ws) { return commands::autoscale(ws); }, false, false},
        {"refused", [](Workspace& ws) { return commands::filter(ws, "99"); }, false, false},
        {"calculate", [](Workspace& ws) { return commands::calculate(ws, "Y*2"); }, true, true},
        {"paste", [](Workspace& ws) { return commands::pasteData(ws, "4;4\n"); }, true, true},
        {"undo", [](Workspace& ws) { return commands::undo(ws); }, true, true},
        {"open", [other](Workspace& ws) { return commands::openFile(ws, other); }, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        bench = std::make_unique<Bench>();
        startFollowing();
        append("4;40\r\n5;50\r\n6;60\r\n");
        commands::followUpdate(bench->ws, bench->following, FollowScaling::KeepRanges);
        bench->stopMessage = "(none)";
        commands::selectSet(bench->ws, 1);
        row.command(bench->ws);
        EXPECT_EQ(bench->following.active(), !row.ends);
        const std::string said = Messages::message(Messages::FollowingStopped, {"messung.csv"});
        EXPECT_EQ(bench->stopMessage, row.ends ? (row.says ? said : "") : "(none)");
    }
}

TEST_F(FollowCommands, UndoTakesBackTheReadAndItsUpdatesAsOneStep)
{
    commands::setField(bench->ws, commands::Field::Heading, "vorher");
    bench->history.seal();
    const std::string before = stateOf(bench->store);
    const size_t steps = bench->history.undoSteps();
    startFollowing();
    for (const char* lines : {"4;40\r\n", "5;50\r\n6;60\r\n"}) {
        append(lines);
        commands::followUpdate(bench->ws, bench->following, FollowScaling::KeepRanges);
    }
    EXPECT_EQ(bench->history.undoSteps(), steps + 1);
    EXPECT_EQ(bench->history.undoLabel(), "Follow file");
    commands::undo(bench->ws);
    bench->store.unsavedChanges = false;
    EXPECT_EQ(stateOf(bench->store), before);
}

TEST_F(FollowCommands, FailedUpdateEndsFollowingAndKeepsTheData)
{
    startFollowing();
    const std::string shown = stateOf(bench->store);
    append("8\r\nacht\r\n");
    EXPECT_THROW(commands::followUpdate(bench->ws, bench->following, FollowScaling::KeepRanges), InputError);
    EXPECT_FALSE(bench->following.active());
    EXPECT_EQ(stateOf(bench->store), shown);
}

TEST(PasteData, ReplacesThePointsOfTheSetsItFillsAsOneStep)
{
    Bench b;
    commands::selectSet(b.ws, 2);
    commands::setField(b.ws, commands::Field::YLabel, "Spannung");
    commands::setField(b.ws, commands::Field::YTo, "5");
    b.history.seal();
    const std::string before = stateOf(b.store);

    EXPECT_EQ(commands::pasteData(b.ws, "Wort").kind, OutcomeKind::Message);
    EXPECT_EQ(stateOf(b.store), before) << "no data, no change";
    EXPECT_THROW(commands::pasteData(b.ws, "1\nzwei\n"), InputError);
    EXPECT_EQ(stateOf(b.store), before) << "a failed line changes nothing";

    const Outcome pasted = commands::pasteData(b.ws, "X\tY\n3,5\t-1,25\n1,0\t2,5\n");
    EXPECT_TRUE(pasted.setShown);
    EXPECT_EQ(b.store.pointCount[2], 2);
    EXPECT_EQ(b.store.x(2, 1), 1.0) << "sorted";
    EXPECT_EQ(b.store.y(2, 2), -1.25);
    EXPECT_EQ(b.store.yLabel[2], "Spannung");
    EXPECT_EQ(b.store.yTo[2], 5);
    EXPECT_TRUE(b.store.unsavedChanges);
    EXPECT_EQ(b.history.undoLabel(), "Paste data");
    commands::undo(b.ws);
    b.store.unsavedChanges = false;
    EXPECT_EQ(stateOf(b.store), before);
}

} // namespace
