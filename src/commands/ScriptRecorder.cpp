#include "commands/ScriptRecorder.h"

#include "commands/Script.h"

#include <charconv>
#include <cstring>

namespace {

bool isField(CommandId id)
{
    switch (id) {
    case CommandId::XLabel:
    case CommandId::XFrom:
    case CommandId::XTo:
    case CommandId::Heading:
    case CommandId::Comment:
    case CommandId::YLabel:
    case CommandId::YFrom:
    case CommandId::YTo: return true;
    default: return false;
    }
}

// The shortest text that reads back as exactly this value.
std::string exactText(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::string onOff(bool on) { return on ? "on" : "off"; }

std::string word(CommandId id) { return std::string(commandInfo(id).scriptWord); }

} // namespace

ScriptRecorder::ScriptRecorder(LineSink sink) : sink_(std::move(sink)) {}

void ScriptRecorder::write(const std::string& line)
{
    sink_(line);
}

void ScriptRecorder::writeCommand(CommandId id, std::span<const std::string_view> arguments)
{
    if (commandInfo(id).scriptWord.empty()) {
        // Data that came from the clipboard or a followed file have no
        // script line; the script says where they came in.
        if (id == CommandId::PasteData || id == CommandId::Follow)
            write("# " + std::string(commandInfo(id).undoLabel) + " here: its data are not in this script");
        return;
    }
    std::string line = word(id);
    for (std::string_view argument : arguments)
        line += ' ' + escapeNames(argument);
    // An emptied field: the word alone.
    if (!arguments.empty() && arguments.back().empty())
        line.pop_back();
    if (!arguments.empty() && !arguments.back().empty()
        && (arguments.back().back() == ' ' || arguments.back().back() == '\t'))
        write("# the text below ends in blanks, which a script line drops");
    write(line);
}

void ScriptRecorder::fieldLeft()
{
    writeFields();
}

void ScriptRecorder::gridLeft(const DataStore& store)
{
    writeGrid(store);
}

void ScriptRecorder::finish(const DataStore& store)
{
    writeFields();
    writeGrid(store);
}

void ScriptRecorder::writeFields()
{
    for (const auto& [id, text] : fields_) {
        const std::string_view argument[] = {text};
        writeCommand(id, argument);
    }
    fields_.clear();
}

// The grid's rows replayed as `point` lines that leave the script's grid
// holding the set's points in rows 1..n and nothing below, whatever rows the
// user typed into: each position whose point changed is typed, and the rows
// left over at the end are emptied from the last one up.
void ScriptRecorder::writeGrid(const DataStore& store)
{
    if (!typing_)
        return;
    typing_ = false;
    if (store.currentSet != typingSet_)
        return;
    const int s = typingSet_;
    const int n = store.pointCount[static_cast<size_t>(s)];
    const int before = static_cast<int>(xsBefore_.size());
    for (int i = 1; i <= n; ++i) {
        const double x = store.x(s, i);
        const double y = store.y(s, i);
        if (i > before || !sameBits(x, xsBefore_[static_cast<size_t>(i - 1)])
            || !sameBits(y, ysBefore_[static_cast<size_t>(i - 1)]))
            write("point " + std::to_string(i) + ' ' + exactText(x) + ' ' + exactText(y));
    }
    for (int i = before; i > n; --i)
        write("point " + std::to_string(i));
}

void ScriptRecorder::commandStarting(CommandId id, std::span<const std::string_view>, const DataStore& store)
{
    if (id != CommandId::GridTyping)
        writeGrid(store);
    const bool sameField = isField(id) && !fields_.empty() && fields_.back().first == id;
    if (!sameField)
        writeFields();

    const int s = store.currentSet;
    if (id == CommandId::GridTyping && !typing_ && s >= kFirstSet && s <= kLastSet) {
        typing_ = true;
        typingSet_ = s;
        const int n = store.pointCount[static_cast<size_t>(s)];
        xsBefore_.assign(store.xs(s), store.xs(s) + n);
        ysBefore_.assign(store.ys(s), store.ys(s) + n);
    }
    if (id == CommandId::DrawFlags && s >= 0 && s <= kLastSet)
        flagsBefore_ = store.drawFlags[static_cast<size_t>(s)];
}

void ScriptRecorder::commandFinished(CommandId id, std::span<const std::string_view> arguments, const Outcome& outcome,
                                     const DataStore& store)
{
    if (outcome.kind == OutcomeKind::Failed)
        return;
    const int s = store.currentSet;
    if (!outcome.isDone()) {
        if (outcome.setShown)
            write("set " + std::to_string(s));
        return;
    }
    const auto si = static_cast<size_t>(s);
    switch (id) {
    case CommandId::GridTyping:
    case CommandId::AxisBoxLeft:
        // Grid typing is written when it ends; leaving the Y axis box is part
        // of replaying each of its fields.
        return;
    case CommandId::DrawFlags: {
        const std::pair<CommandId, uint8_t> switches[] = {{CommandId::Symbols, showSymbols},
                                                          {CommandId::Connect, connectPoints},
                                                          {CommandId::Curve, drawCurve},
                                                          {CommandId::Regression, drawRegressionLine}};
        for (const auto& [command, bit] : switches)
            if ((flagsBefore_ & bit) != (store.drawFlags[si] & bit))
                write(word(command) + ' ' + onOff(store.hasFlag(s, bit)));
        return;
    }
    case CommandId::SymbolDown:
    case CommandId::SymbolUp:
        write(word(CommandId::Symbol) + ' ' + std::to_string(store.symbolNumber[si]));
        return;
    case CommandId::NextColour:
        write(word(CommandId::Colour) + ' ' + std::to_string(store.setColour[si]));
        return;
    case CommandId::GridToggle:
        write(word(CommandId::Grid) + ' ' + onOff(store.plot.plotWithGrid));
        return;
    case CommandId::Open:
    case CommandId::OpenSecond:
        if (!fileNamed_ && !arguments.empty()) {
            fileNamed_ = true;
            write("# $FILE was " + std::string(arguments.back()));
            std::string line = word(id);
            for (size_t i = 0; i + 1 < arguments.size(); ++i)
                line += ' ' + escapeNames(arguments[i]);
            write(line + " $FILE");
            return;
        }
        break;
    case CommandId::Save: {
        // The file the save created, which the window's save names itself.
        const std::string_view written[] = {outcome.writtenPath};
        writeCommand(id, written);
        return;
    }
    default:
        if (isField(id)) {
            if (fields_.empty() || fields_.back().first != id)
                fields_.emplace_back(id, std::string());
            fields_.back().second.assign(arguments.empty() ? std::string_view() : arguments.front());
            return;
        }
        break;
    }
    writeCommand(id, arguments);
}
