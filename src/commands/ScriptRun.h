#pragma once

// Running a command script: each line calls the command function the main
// window's handler calls, with the argument where the user would have typed
// it, so a script and the window cannot disagree. A run starts from the
// program's start-up state and needs no window; `export` and a PDF `listing`
// need a QGuiApplication for their fonts.

#include "commands/GridText.h"
#include "commands/Script.h"
#include "commands/Workspace.h"

class UndoHistory;

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Where a run stopped: the command that would have made the window show a
// message, or that failed.
struct ScriptStop {
    int line = 0;
    std::string message;
};

// One run's state: a store in the start-up state, the grid's texts without a
// view, and the texts of the four range fields (leaving the Y axis box stores
// each valid one again, so a run keeps what the fields would hold).
class ScriptRun {
public:
    ScriptRun();
    ~ScriptRun();
    ScriptRun(const ScriptRun&) = delete;
    // Back to the start-up state, keeping the memory of the store and grid
    // for the next file's run.
    void reset();
    ScriptRun& operator=(const ScriptRun&) = delete;

    DataStore store;
    GridText grid;
    Workspace ws{store, grid};
    std::string yFromText, yToText, xFromText, xToText;
    // The steps of the run, kept when the script has `undo` or `redo`.
    std::unique_ptr<UndoHistory> history;

    // One command with its fields, names already replaced.
    Outcome execute(CommandId command, const std::vector<std::string>& fields);
};

// The script commands: how each takes its argument and what it runs. A
// command of the table in CommandTable.cpp with a script word and no entry
// here is unknown to scripts.
struct ScriptCommand {
    CommandId id;
    ArgumentForm form;
    std::string_view argument; // how the usage text names it ("PATH", "N PATH")
    Outcome (*run)(ScriptRun& run, const std::vector<std::string>& fields);
    int lowest = 0; // the range of a Number argument
    int highest = 0;
};
std::span<const ScriptCommand> scriptCommands();
const ScriptCommand* scriptCommandFor(CommandId id);

// Runs the lines in order; the first one whose outcome is a message or a
// failure stops the run. file may be null when the script names no file.
std::optional<ScriptStop> runScript(const Script& script, const RunFile* file, ScriptRun& run);
std::optional<ScriptStop> runScript(const Script& script, const RunFile* file);

// Whether two runs over these files would use one file with at least one of
// them writing it (paths compared as absolute, "." and ".." resolved).
bool runsShareFiles(const Script& script, const std::vector<std::string>& files);

// Many runs take and give back the same large blocks (a store's value
// arrays, a read's scratch copy, the canvas); this keeps such blocks in the
// process's heap instead of handing them back to the system after each run,
// which spares a page fault per page per run. For processes that run many.
void keepLargeBlocksForReuse();

// Runs the script once per file, each run from the start-up state, on up to
// `jobs` threads; runs that share a file they write go one after the other
// in the order of the files. report(i, stop) is called on the calling
// thread for file i, in the order of the files. With no files the script
// runs once, reported as index 0.
void runScriptOverFiles(const Script& script, const std::vector<std::string>& files, int jobs,
                        const std::function<void(size_t index, const std::optional<ScriptStop>& stop)>& report);
