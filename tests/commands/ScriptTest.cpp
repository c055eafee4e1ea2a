// Command scripts without a window: how lines are read, how the names of the
// run's file are replaced, where a run stops, which runs may go side by side,
// and that work recorded on a workspace replays to the same store.

#include "commands/FileCommands.h"
#include "commands/SameStore.h"
#include "commands/Script.h"
#include "commands/ScriptRecorder.h"
#include "commands/ScriptRun.h"
#include "commands/SetCommands.h"
#include "commands/SettingsCommands.h"
#include "data/Messages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

// "line:word|field|field" for each parsed line, "line!problem" for each problem.
std::vector<std::string> described(const std::string& text)
{
    std::vector<ScriptProblem> problems;
    const Script script = parseScript(text, problems);
    std::vector<std::string> out;
    for (const ScriptLine& line : script.lines) {
        std::string d = std::to_string(line.number) + ':' + std::string(commandInfo(line.command).scriptWord);
        for (const std::string& field : line.fields)
            d += '|' + field;
        out.push_back(d);
    }
    for (const ScriptProblem& problem : problems)
        out.push_back(std::to_string(problem.line) + '!' + problem.text);
    return out;
}

using Lines = std::vector<std::string>;

TEST(Script, ReadsLinesWordsAndArguments)
{
    const struct {
        const char* text;
        Lines expected;
    } rows[] = {
        {"# a comment\n\n  smooth \t\n", {"3:smooth"}},
        // CR LF, CR and LF end lines; one blank or tab ends the word, so an
        // argument keeps its leading blanks and loses its trailing ones.
        {"HEADING  Two words  \r\nComment\tx\rxlabel\nylabel Volt", {"1:heading| Two words", "2:comment|x", "3:xlabel|", "4:ylabel|Volt"}},
        {"open2 3   /a b/c.txt", {"1:open2|3|/a b/c.txt"}},
        {"point 4\npoint 4 1,5\npoint 4 1 2 3", {"1:point|4||", "2:point|4|1,5|", "3:point|4|1|2 3"}},
        {"symbols ON\nset 9\nsymbol 14\ncolour 0", {"1:symbols|on", "2:set|9", "3:symbol|14", "4:colour|0"}},
        {"frobnicate 1", {"1!unknown command frobnicate"}},
        {"remove 3", {"1!missing argument: remove FROM TO"}},
        {"open", {"1!missing argument: open PATH"}},
        {"smooth now", {"1!smooth takes no argument"}},
        {"grid maybe", {"1!grid on|off expected, not \"maybe\""}},
        {"set 10\ncolour 6", {"1!set N expected, 1 to 9, not \"10\"", "2!colour N expected, 0 to 5, not \"6\""}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(described(row.text), row.expected) << row.text;
}

TEST(Script, TextIsUtf8OrWindows1252)
{
    const std::pair<std::string, std::string> rows[] = {
        {"\xEF\xBB\xBFopen a", "open a"},
        {"heading M\xC3\xBC", "heading M\xC3\xBC"},
        {"heading M\xFC", "heading M\xC3\xBC"},
        {"heading \x80 \xC3", "heading \xE2\x82\xAC \xC3\x83"},
    };
    for (const auto& [bytes, text] : rows)
        EXPECT_EQ(scriptText(bytes), text) << bytes;
}

TEST(Script, NamesOfTheRunsFile)
{
    const struct {
        const char* path;
        const char* text;
        const char* expanded;
    } rows[] = {
        {"data/run1.txt", "$FILE", "data/run1.txt"},
        {"data/run1.txt", "$DIR/$NAME.kwt", "data/run1.kwt"},
        {"run.tar.gz", "$NAME", "run.tar"},
        {"run", "$DIR/$NAME", "./run"},
        {"/x.txt", "$DIR", "/"},
        {"a/.hidden", "$NAME", ".hidden"},
        {"a.txt", "$$FILE costs $5 $X $", "$FILE costs $5 $X $"},
        {"a.txt", "$FILEX $file", "a.txtX $file"},
    };
    for (const auto& row : rows) {
        const RunFile file{row.path};
        EXPECT_EQ(expandNames(row.text, &file), row.expanded) << row.path << " " << row.text;
    }
    // Escaped text reads back as itself, whatever "$" it holds.
    const RunFile file{"a/b.txt"};
    for (const char* text : {"$", "$$", "$FILE", "x$NAMEy", "$$$DIR$", "plain"}) {
        EXPECT_EQ(expandNames(escapeNames(text), &file), text);
        EXPECT_FALSE(namesRunFile(escapeNames(text))) << text;
    }
}

class ScriptRunTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static Script parsed(const std::string& text)
    {
        std::vector<ScriptProblem> problems;
        Script script = parseScript(text, problems);
        EXPECT_TRUE(problems.empty()) << text;
        return script;
    }
};

TEST_F(ScriptRunTest, StopsAtTheFirstCommandThatShowsAMessage)
{
    write("three.txt", "1 1.23456\n2 0\n3 5\n");
    const struct {
        const char* script;
        int line; // 0: the run goes through
        std::string message;
    } rows[] = {
        // Silent refusals of the window stay silent.
        {"copy 1\nslope 2\nsmooth", 0, {}},
        {"heading x\nfilter 9", 2, "No data to filter"},
        {"calc YL", 1, std::string(Messages::LogarithmQuery)},
        {"copy drei", 1, "'drei' ist kein gültiger Integerwert"},
        {"point 5 1 2", 1, Messages::message(Messages::NoSuchGridRow, {"5", "1", "3", "4"})},
        {"open nowhere.txt", 1, "nowhere.txt"},
    };
    for (const auto& row : rows) {
        ScriptRun run;
        const RunFile file{path("three.txt")};
        const Script script = parsed(std::string("open $FILE\n") + row.script);
        const auto stop = runScript(script, &file, run);
        if (row.line == 0) {
            EXPECT_FALSE(stop) << row.script;
            continue;
        }
        ASSERT_TRUE(stop) << row.script;
        EXPECT_EQ(stop->line, row.line + 1) << row.script;
        EXPECT_NE(stop->message.find(row.message), std::string::npos) << stop->message;
    }
}

// `point` types into the grid, which is read whole: every other row comes
// back as the grid shows it. `set` steps through the sets between, whose
// shown axis ends are written back as shown.
TEST_F(ScriptRunTest, PointsAndSetsAsTheWindowHasThem)
{
    write("two.kwt", "h\r\nc\r\nX\r\n0\r\n10\r\n"
                     "Y\r\n0\r\n10\r\n2.0103\r\n1.23456\r\n1\r\n2\r\n2\r\n"
                     "Y\r\n0.123\r\n10\r\n0.0203\r\n");
    ScriptRun run;
    const RunFile file{path("two.kwt")};
    ASSERT_FALSE(runScript(parsed("open $FILE\npoint 3 7 8\npoint 2\nset 3"), &file, run));
    EXPECT_EQ(run.store.pointCount[1], 2);
    EXPECT_EQ(run.store.x(1, 1), 1.235);
    EXPECT_EQ(run.store.x(1, 2), 7);
    EXPECT_EQ(run.store.yFrom[2], 0.1);
    EXPECT_EQ(run.store.currentSet, 3);
    EXPECT_TRUE(run.store.unsavedChanges);
}

// Autoscale, and steps taken back and forward, as Edit / "&Undo" and
// "&Redo" take them in the window.
TEST_F(ScriptRunTest, AutoscaleUndoAndRedo)
{
    write("three.txt", "1 2\n2 5\n3 3\n");
    const struct {
        const char* script;
        double yTo, x2;
    } rows[] = {
        {"autoscale", 7, 2},
        {"autoscale\nundo", 0, 2},
        {"calc X*2\nautoscale\nundo\nundo", 0, 2},
        {"calc X*2\nundo\nredo", 0, 4},
        {"undo\nredo", 0, 2},
    };
    for (const auto& row : rows) {
        ScriptRun run;
        const RunFile file{path("three.txt")};
        ASSERT_FALSE(runScript(parsed(std::string("open $FILE\n") + row.script), &file, run)) << row.script;
        EXPECT_EQ(run.store.yTo[1], row.yTo) << row.script;
        EXPECT_EQ(run.store.x(1, 2), row.x2) << row.script;
    }
}

TEST_F(ScriptRunTest, RunsThatShareAWrittenFileGoOneByOne)
{
    const struct {
        const char* script;
        std::vector<std::string> files;
        bool shared;
    } rows[] = {
        {"open $FILE\nsave $DIR/$NAME.kwt", {"a/x.txt", "a/y.txt"}, false},
        {"open $FILE\nsave out.kwt", {"a/x.txt", "a/y.txt"}, true},
        {"open $FILE\nexport $NAME.png", {"a/x.txt", "b/x.txt"}, true},
        {"open $FILE\nsave ./$NAME.kwt\nopen2 2 a/../y.kwt", {"x.txt", "y.txt"}, true},
        {"open $FILE\nopen2 2 common.kwt\nlisting $FILE.lst", {"x.txt", "y.txt"}, false},
        {"open $FILE\nsave out.kwt", {"x.txt"}, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(runsShareFiles(parsed(row.script), row.files), row.shared) << row.script;
}

TEST_F(ScriptRunTest, ResultsAndTheirOrderDoNotDependOnThreads)
{
    std::vector<std::string> files;
    for (int i = 0; i < 6; ++i) {
        const std::string name = "in" + std::to_string(i) + ".txt";
        // Files 1 and 4 are too short for the filter.
        write(name, i == 1 || i == 4 ? "1 1\n2 2\n" : "1 1\n2 4\n3 2\n4 9\n5 1\n6 " + std::to_string(i) + "\n");
        files.push_back(path(name));
    }
    const Script script = parsed("open $FILE\nsmooth\nfilter 2\nsave $DIR/$NAME-$$.kwt");
    std::vector<std::string> outputs[2];
    std::vector<std::string> reports[2];
    for (int pass = 0; pass < 2; ++pass) {
        runScriptOverFiles(script, files, pass == 0 ? 1 : 3, [&](size_t i, const std::optional<ScriptStop>& stop) {
            reports[pass].push_back(std::to_string(i) + (stop ? ":" + std::to_string(stop->line) + stop->message : ""));
        });
        for (int i = 0; i < 6; ++i) {
            const std::string out = "in" + std::to_string(i) + "-$.kwt";
            outputs[pass].push_back(read(out));
            std::remove(path(out).c_str());
        }
    }
    EXPECT_EQ(reports[0], (Lines{"0", "1:3No data to filter", "2", "3", "4:3No data to filter", "5"}));
    EXPECT_EQ(reports[1], reports[0]);
    EXPECT_EQ(outputs[1], outputs[0]);
    EXPECT_TRUE(outputs[0][1].empty());
    EXPECT_FALSE(outputs[0][5].empty());
}

// Work done on a workspace while a recorder listens replays, from the
// recorded lines alone, to the same store: typing gathered per field and per
// grid session (rows typed below gaps, a row emptied), the switches stored
// with the boxes, the steppers, a refusal that still showed the set.
TEST_F(ScriptRunTest, RecordedWorkReplaysToTheSameStore)
{
    write("m.txt", "5 50\n1 10\n3 30\n2 20\n4 40\n");
    std::vector<std::string> lines;
    ScriptRecorder recorder([&](const std::string& line) { lines.push_back(line); });
    ScriptRun work;
    work.ws.observers.push_back(&recorder);
    Workspace& ws = work.ws;
    using commands::Field;

    commands::openFile(ws, path("m.txt"));
    for (const char* typed : {"-", "-0", "-0.", "-0.5"})
        commands::setField(ws, Field::YFrom, typed);
    commands::setField(ws, Field::Heading, "Costs in $ and $NAME");
    recorder.fieldLeft();
    commands::leaveAxisBox(ws, "-0.5", ws.display.yTo, ws.display.xFrom, ws.display.xTo);
    // A row typed three rows below the data, then row 2 emptied; the set is
    // out of order until a refusal shows it.
    work.grid.setCellText(1, 8, "0.5");
    commands::gridTyping(ws, commands::GridKey::Typed);
    work.grid.setCellText(2, 8, "90");
    commands::gridTyping(ws, commands::GridKey::Typed);
    work.grid.setCellText(1, 2, "");
    commands::gridTyping(ws, commands::GridKey::Other);
    commands::storeDrawFlags(ws, {false, true, true, false});
    commands::symbolUp(ws);
    commands::nextColour(ws);
    commands::toggleGrid(ws);
    commands::calculate(ws, "Y/0");
    commands::derivative(ws);
    commands::calculate(ws, "X+1");
    commands::stepSet(ws, +1);
    commands::setField(ws, Field::YLabel, "slope");
    commands::stepSet(ws, -1);
    work.grid.setCellText(1, 1, "0.25");
    commands::gridTyping(ws, commands::GridKey::Typed);
    work.grid.setCellText(2, 5, "");
    commands::gridTyping(ws, commands::GridKey::Other);
    commands::saveFile(ws, path("m.kwt"), commands::SaveNaming::Exact);
    recorder.finish(work.store);
    const std::string saved = read("m.kwt");

    std::string script;
    for (const std::string& line : lines)
        script += line + '\n';
    ASSERT_EQ(lines.at(0), "# $FILE was " + path("m.txt"));
    ASSERT_EQ(lines.at(1), "open $FILE");
    ScriptRun replay;
    const RunFile file{path("m.txt")};
    ASSERT_FALSE(runScript(parsed(script), &file, replay)) << script;
    EXPECT_EQ(storeDifference(replay.store, work.store), "") << script;
    EXPECT_EQ(read("m.kwt"), saved);
    EXPECT_NE(script.find("heading Costs in $$ and $$NAME\n"), std::string::npos) << script;
}

} // namespace
