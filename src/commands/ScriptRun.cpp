#include "commands/ScriptRun.h"

#include "commands/ExportCommands.h"
#include "commands/FileCommands.h"
#include "commands/ListingCommands.h"
#include "commands/SetCommands.h"
#include "commands/SettingsCommands.h"
#include "commands/UndoHistory.h"
#include "data/Cp1252.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "data/Numbers.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <filesystem>
#include <malloc.h>
#include <mutex>
#include <thread>
#include <unordered_map>

using Fields = std::vector<std::string>;

namespace {

bool on(const Fields& f) { return f[0] == "on"; }

// A field of the axis boxes typed and the box left: the X axis box has no
// leave handler, leaving the Y axis box stores the four range texts again.
Outcome typeField(ScriptRun& r, commands::Field field, const Fields& f)
{
    using commands::Field;
    Outcome outcome = commands::setField(r.ws, field, f[0]);
    std::string* text = field == Field::XFrom ? &r.xFromText
        : field == Field::XTo                 ? &r.xToText
        : field == Field::YFrom               ? &r.yFromText
        : field == Field::YTo                 ? &r.yToText
                                              : nullptr;
    if (text)
        *text = f[0];
    if (field == Field::YLabel || field == Field::YFrom || field == Field::YTo)
        outcome = commands::leaveAxisBox(r.ws, r.yFromText, r.yToText, r.xFromText, r.xToText);
    return outcome;
}

// The stepper, pressed until set n is shown; at set n already it only
// refreshes the display, as it does at either end. Each press stores the
// drawing boxes first, which in a script always show the store.
Outcome stepTo(ScriptRun& r, const Fields& f)
{
    const int target = toInteger(f[0]);
    Outcome outcome;
    do {
        commands::storeDrawFlags(r.ws, commands::drawSwitchesOf(r.store));
        outcome = target == r.store.currentSet ? commands::selectSet(r.ws, target)
                                               : commands::stepSet(r.ws, target > r.store.currentSet ? 1 : -1);
    } while (outcome.isDone() && r.store.currentSet != target);
    return outcome;
}

// The characters whose key release in the grid marks the data as changed.
bool typesNumber(std::string_view text)
{
    return text.find_first_of("0123456789,-.") != std::string_view::npos;
}

// X and Y typed into row I of the grid, replacing both cells (empty texts
// empty them), then the read of the whole grid a key release makes. Rows
// run from 1 to one after the last point.
Outcome typePoint(ScriptRun& r, const Fields& f)
{
    const int row = toInteger(f[0]);
    const int n = r.store.curCount();
    if (row < 1 || row > n + 1)
        throw KurvixError(Messages::message(
            Messages::NoSuchGridRow, {f[0], std::to_string(r.store.currentSet), std::to_string(n), std::to_string(n + 1)}));
    r.grid.setCellText(1, row, cp1252FromUtf8(f[1]));
    r.grid.setCellText(2, row, cp1252FromUtf8(f[2]));
    return commands::gridTyping(r.ws, typesNumber(f[1]) || typesNumber(f[2]) ? commands::GridKey::Typed
                                                                             : commands::GridKey::Other);
}

template <commands::Field field>
Outcome fieldCommand(ScriptRun& r, const Fields& f)
{
    return typeField(r, field, f);
}

template <DrawFlag flag>
Outcome drawSwitch(ScriptRun& r, const Fields& f)
{
    return commands::setDrawSwitch(r.ws, flag, on(f));
}

template <commands::PlotSwitch which>
Outcome plotSwitch(ScriptRun& r, const Fields& f)
{
    return commands::setPlotSwitch(r.ws, which, on(f));
}

using commands::Field;
using commands::PlotSwitch;

// The script words are those of the command table (CommandTable.cpp).
const ScriptCommand kScriptCommands[] = {
    {CommandId::Open, ArgumentForm::Required, "PATH",
     [](ScriptRun& r, const Fields& f) { return commands::openFile(r.ws, f[0]); }},
    {CommandId::OpenSecond, ArgumentForm::TwoFields, "N PATH",
     [](ScriptRun& r, const Fields& f) { return commands::openSecondFile(r.ws, f[0], f[1]); }},
    {CommandId::SelectSet, ArgumentForm::Number, "N", stepTo, kFirstSet, kLastSet},
    {CommandId::XLabel, ArgumentForm::Text, "TEXT", fieldCommand<Field::XLabel>},
    {CommandId::XFrom, ArgumentForm::Text, "TEXT", fieldCommand<Field::XFrom>},
    {CommandId::XTo, ArgumentForm::Text, "TEXT", fieldCommand<Field::XTo>},
    {CommandId::Heading, ArgumentForm::Text, "TEXT", fieldCommand<Field::Heading>},
    {CommandId::Comment, ArgumentForm::Text, "TEXT", fieldCommand<Field::Comment>},
    {CommandId::YLabel, ArgumentForm::Text, "TEXT", fieldCommand<Field::YLabel>},
    {CommandId::YFrom, ArgumentForm::Text, "TEXT", fieldCommand<Field::YFrom>},
    {CommandId::YTo, ArgumentForm::Text, "TEXT", fieldCommand<Field::YTo>},
    {CommandId::Symbols, ArgumentForm::OnOff, "on|off", drawSwitch<showSymbols>},
    {CommandId::Connect, ArgumentForm::OnOff, "on|off", drawSwitch<connectPoints>},
    {CommandId::Curve, ArgumentForm::OnOff, "on|off", drawSwitch<drawCurve>},
    {CommandId::Regression, ArgumentForm::OnOff, "on|off", drawSwitch<drawRegressionLine>},
    {CommandId::Symbol, ArgumentForm::Number, "N",
     [](ScriptRun& r, const Fields& f) { return commands::setSymbol(r.ws, f[0]); }, 0, 14},
    {CommandId::Colour, ArgumentForm::Number, "N",
     [](ScriptRun& r, const Fields& f) { return commands::setColour(r.ws, f[0]); }, 0, 5},
    {CommandId::DateTime, ArgumentForm::OnOff, "on|off", plotSwitch<PlotSwitch::DateTime>},
    {CommandId::FileName, ArgumentForm::OnOff, "on|off", plotSwitch<PlotSwitch::FileName>},
    {CommandId::Grid, ArgumentForm::OnOff, "on|off", plotSwitch<PlotSwitch::Grid>},
    {CommandId::Calculate, ArgumentForm::Required, "TEXT",
     [](ScriptRun& r, const Fields& f) { return commands::calculate(r.ws, f[0]); }},
    // Opening the slope box computes the current slope for its caption.
    {CommandId::Slope, ArgumentForm::Required, "TEXT",
     [](ScriptRun& r, const Fields& f) {
         commands::slopeCaption(r.store);
         return commands::changeSlope(r.ws, f[0]);
     }},
    {CommandId::Copy, ArgumentForm::Required, "TEXT",
     [](ScriptRun& r, const Fields& f) { return commands::copySet(r.ws, f[0]); }},
    {CommandId::Insert, ArgumentForm::Required, "TEXT",
     [](ScriptRun& r, const Fields& f) { return commands::insertSet(r.ws, f[0]); }},
    {CommandId::Exchange, ArgumentForm::Required, "TEXT",
     [](ScriptRun& r, const Fields& f) { return commands::exchangeSet(r.ws, f[0]); }},
    {CommandId::AddCurve, ArgumentForm::Required, "TEXT",
     [](ScriptRun& r, const Fields& f) { return commands::addCurve(r.ws, f[0]); }},
    {CommandId::Filter, ArgumentForm::Required, "TEXT",
     [](ScriptRun& r, const Fields& f) { return commands::filter(r.ws, f[0]); }},
    {CommandId::Smooth, ArgumentForm::None, "", [](ScriptRun& r, const Fields&) { return commands::smooth(r.ws); }},
    {CommandId::Derivative, ArgumentForm::None, "",
     [](ScriptRun& r, const Fields&) { return commands::derivative(r.ws); }},
    {CommandId::Integral, ArgumentForm::None, "", [](ScriptRun& r, const Fields&) { return commands::integral(r.ws); }},
    {CommandId::Swap, ArgumentForm::None, "", [](ScriptRun& r, const Fields&) { return commands::swapXY(r.ws); }},
    {CommandId::Remove, ArgumentForm::TwoFields, "FROM TO",
     [](ScriptRun& r, const Fields& f) { return commands::removePoints(r.ws, f[0], f[1]); }},
    {CommandId::Thin, ArgumentForm::Required, "F",
     [](ScriptRun& r, const Fields& f) { return commands::thinPoints(r.ws, f[0]); }},
    {CommandId::Point, ArgumentForm::Point, "I [X Y]", typePoint},
    {CommandId::Save, ArgumentForm::Required, "PATH",
     [](ScriptRun& r, const Fields& f) { return commands::saveFile(r.ws, f[0], commands::SaveNaming::Exact); }},
    {CommandId::Export, ArgumentForm::Required, "PATH",
     [](ScriptRun& r, const Fields& f) { return commands::exportPlot(r.ws, f[0]); }},
    {CommandId::Listing, ArgumentForm::Required, "PATH",
     [](ScriptRun& r, const Fields& f) {
         return commands::writeListing(r.ws, f[0], commands::listingKindOf(f[0]), QDateTime::currentDateTime());
     }},
    {CommandId::Autoscale, ArgumentForm::None, "", [](ScriptRun& r, const Fields&) { return commands::autoscale(r.ws); }},
    {CommandId::Undo, ArgumentForm::None, "", [](ScriptRun& r, const Fields&) { return commands::undo(r.ws); }},
    {CommandId::Redo, ArgumentForm::None, "", [](ScriptRun& r, const Fields&) { return commands::redo(r.ws); }},
};

} // namespace

ScriptRun::ScriptRun()
{
    reset();
}

ScriptRun::~ScriptRun() = default;

void ScriptRun::reset()
{
    // A new run has no steps to take back.
    ws.observers.clear();
    ws.history = nullptr;
    history.reset();
    static const DataStore startState;
    store = startState; // copy assignment keeps the value arrays' memory
    // A grid of no rows, as a new one: the start-up display below gives it
    // its header and empty rows.
    grid.setGridRowCount(1);
    commands::startUp(ws);
    yFromText = ws.display.yFrom;
    yToText = ws.display.yTo;
    xFromText = ws.display.xFrom;
    xToText = ws.display.xTo;
}

Outcome ScriptRun::execute(CommandId command, const std::vector<std::string>& fields)
{
    Outcome outcome = scriptCommandFor(command)->run(*this, fields);
    // The set display put its texts into the range fields.
    if (outcome.setShown) {
        yFromText = ws.display.yFrom;
        yToText = ws.display.yTo;
        xFromText = ws.display.xFrom;
        xToText = ws.display.xTo;
    }
    return outcome;
}

std::span<const ScriptCommand> scriptCommands()
{
    return kScriptCommands;
}

const ScriptCommand* scriptCommandFor(CommandId id)
{
    for (const ScriptCommand& c : kScriptCommands)
        if (c.id == id)
            return &c;
    return nullptr;
}

std::optional<ScriptStop> runScript(const Script& script, const RunFile* file, ScriptRun& run)
{
    // Keeping steps costs a copy of the store per command: only a script
    // that takes steps back pays it.
    const bool takesBack = std::any_of(script.lines.begin(), script.lines.end(), [](const ScriptLine& line) {
        return line.command == CommandId::Undo || line.command == CommandId::Redo;
    });
    if (takesBack && !run.history) {
        run.history = std::make_unique<UndoHistory>();
        commands::attachHistory(run.ws, *run.history);
    }
    Fields fields;
    for (const ScriptLine& line : script.lines) {
        fields.clear();
        for (const std::string& field : line.fields)
            fields.push_back(expandNames(field, file));
        const Outcome outcome = attempt([&] { return run.execute(line.command, fields); });
        if (outcome.stopsRun())
            return ScriptStop{line.number, outcome.message};
    }
    return std::nullopt;
}

std::optional<ScriptStop> runScript(const Script& script, const RunFile* file)
{
    ScriptRun run;
    return runScript(script, file, run);
}

namespace {

// The field of a line that names a file the command reads or writes.
enum class FileUse { None, Reads, Writes };
std::pair<FileUse, size_t> fileFieldOf(CommandId id)
{
    switch (id) {
    case CommandId::Open: return {FileUse::Reads, 0};
    case CommandId::OpenSecond: return {FileUse::Reads, 1};
    case CommandId::Save:
    case CommandId::Export:
    case CommandId::Listing: return {FileUse::Writes, 0};
    default: return {FileUse::None, 0};
    }
}

std::string comparablePath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? std::filesystem::path(path) : absolute).lexically_normal().string();
}

} // namespace

bool runsShareFiles(const Script& script, const std::vector<std::string>& files)
{
    struct Use {
        size_t run;
        bool severalRuns = false;
        bool written = false;
    };
    std::unordered_map<std::string, Use> uses;
    for (size_t i = 0; i < files.size(); ++i) {
        const RunFile file{files[i]};
        for (const ScriptLine& line : script.lines) {
            const auto [use, field] = fileFieldOf(line.command);
            if (use == FileUse::None || field >= line.fields.size())
                continue;
            const auto [entry, first] = uses.try_emplace(comparablePath(expandNames(line.fields[field], &file)), Use{i});
            entry->second.severalRuns = entry->second.severalRuns || entry->second.run != i;
            entry->second.written = entry->second.written || use == FileUse::Writes;
        }
    }
    return std::any_of(uses.begin(), uses.end(), [](const auto& u) { return u.second.severalRuns && u.second.written; });
}

void keepLargeBlocksForReuse()
{
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
}

void runScriptOverFiles(const Script& script, const std::vector<std::string>& files, int jobs,
                        const std::function<void(size_t index, const std::optional<ScriptStop>& stop)>& report)
{
    if (files.empty()) {
        report(0, runScript(script, nullptr));
        return;
    }
    size_t workers = static_cast<size_t>(std::max(jobs, 1));
    workers = std::min(workers, files.size());
    if (workers > 1 && runsShareFiles(script, files))
        workers = 1;
    if (workers == 1) {
        ScriptRun run;
        for (size_t i = 0; i < files.size(); ++i) {
            const RunFile file{files[i]};
            if (i > 0)
                run.reset();
            report(i, runScript(script, &file, run));
        }
        return;
    }

    // Each thread takes the next file and runs it on a store of its own; the
    // results are reported here in the order of the files, whichever thread
    // finished first. Painting and fonts on a QImage are safe in any thread.
    struct Result {
        bool finished = false;
        std::optional<ScriptStop> stop;
        std::exception_ptr error; // a programming error, rethrown here
    };
    std::vector<Result> results(files.size());
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<size_t> next{0};
    auto work = [&] {
        std::optional<ScriptRun> run;
        for (size_t i = next++; i < files.size(); i = next++) {
            Result result;
            try {
                const RunFile file{files[i]};
                if (run)
                    run->reset();
                else
                    run.emplace();
                result.stop = runScript(script, &file, *run);
            } catch (...) {
                result.error = std::current_exception();
            }
            result.finished = true;
            {
                const std::lock_guard lock(mutex);
                results[i] = std::move(result);
            }
            finished.notify_all();
        }
    };
    std::vector<std::thread> threads;
    for (size_t t = 0; t < workers; ++t)
        threads.emplace_back(work);

    std::exception_ptr error;
    for (size_t i = 0; i < files.size() && !error; ++i) {
        Result result;
        {
            std::unique_lock lock(mutex);
            finished.wait(lock, [&] { return results[i].finished; });
            result = std::move(results[i]);
        }
        if (result.error) {
            error = result.error;
            next = files.size();
        } else {
            report(i, result.stop);
        }
    }
    for (std::thread& thread : threads)
        thread.join();
    if (error)
        std::rethrow_exception(error);
}
