// Command scripts from any bytes. The parser's lines, written back as text,
// parse to themselves; the lines that touch no file run on a fresh run's
// store, which stays sane; and every step the run took is undone back to the
// start-up state and redone to the end of the run, exactly.

#include "FuzzCheck.h"
#include "support/StoreChecks.h"

#include "commands/Script.h"
#include "commands/ScriptRun.h"
#include "commands/UndoHistory.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace {

std::string lineText(const ScriptLine& line)
{
    std::string text(commandInfo(line.command).scriptWord);
    for (size_t k = 0; k < line.fields.size(); ++k)
        text += " " + line.fields[k];
    return text;
}

void checkRewrite(const Script& script)
{
    std::string text;
    for (const ScriptLine& line : script.lines)
        text += lineText(line) + "\n";
    std::vector<ScriptProblem> problems;
    const Script again = parseScript(text, problems);
    fuzzcheck::require(problems.empty(), "a parsed line written back is refused: " + (problems.empty() ? "" : problems[0].text));
    fuzzcheck::require(again.lines.size() == script.lines.size() && again.namesFile == script.namesFile,
                       "written back to other lines");
    for (size_t i = 0; i < again.lines.size(); ++i)
        fuzzcheck::require(again.lines[i].command == script.lines[i].command
                               && again.lines[i].fields == script.lines[i].fields,
                           "line written back parses otherwise: " + lineText(script.lines[i]));
}

bool touchesFiles(CommandId id)
{
    return id == CommandId::Open || id == CommandId::OpenSecond || id == CommandId::Save || id == CommandId::Export
        || id == CommandId::Listing;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = scriptText(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<ScriptProblem> problems;
    const Script parsed = parseScript(text, problems);
    int last = 0;
    for (const ScriptLine& line : parsed.lines) {
        fuzzcheck::require(line.number > last, "script lines out of order");
        last = line.number;
    }
    checkRewrite(parsed);

    Script script;
    for (const ScriptLine& line : parsed.lines)
        if (!touchesFiles(line.command))
            script.lines.push_back(line);
    // Each line is at most one step: fewer lines than the history keeps
    // leave its oldest step, the start-up state, in place.
    const bool undoAll = script.lines.size() < UndoHistory::kDefaultDepth;

    static ScriptRun run;
    run.reset();
    run.history = std::make_unique<UndoHistory>();
    commands::attachHistory(run.ws, *run.history);
    static DataStore start;
    start = run.store;
    const RunFile file{"fuzz.kwt"};
    (void)runScript(script, &file, run);
    fuzzcheck::requireNone(storecheck::invariantBreaks(run.store), "after a script");
    if (!undoAll)
        return 0;

    static DataStore end;
    end = run.store;
    const size_t steps = run.history->undoSteps();
    for (size_t k = 0; k < steps; ++k)
        fuzzcheck::require(commands::undo(run.ws).isDone(), "an undo step was refused");
    fuzzcheck::require(!run.history->canUndo(), "steps left after undoing all");
    fuzzcheck::requireNone(storecheck::stepDifference(run.store, start), "undone to another state than the start");
    for (size_t k = 0; k < steps; ++k)
        fuzzcheck::require(commands::redo(run.ws).isDone(), "a redo step was refused");
    fuzzcheck::requireNone(storecheck::stepDifference(run.store, end), "redone to another state than the end");
    return 0;
}
