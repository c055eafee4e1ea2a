#include "commands/SettingsCommands.h"

#include "commands/SetDisplay.h"
#include "data/Cp1252.h"
#include "data/Numbers.h"
#include "ops/Autoscale.h"

#include <algorithm>
#include <string>

namespace commands {

namespace {

std::string_view onOff(bool on) { return on ? "on" : "off"; }

uint8_t& currentOf(std::array<uint8_t, kSetSlots>& table, const DataStore& store)
{
    return table[static_cast<size_t>(store.currentSet)];
}

} // namespace

CommandId fieldCommand(Field field)
{
    switch (field) {
    case Field::XLabel: return CommandId::XLabel;
    case Field::XFrom: return CommandId::XFrom;
    case Field::XTo: return CommandId::XTo;
    case Field::Heading: return CommandId::Heading;
    case Field::Comment: return CommandId::Comment;
    case Field::YLabel: return CommandId::YLabel;
    case Field::YFrom: return CommandId::YFrom;
    case Field::YTo: return CommandId::YTo;
    }
    return CommandId::XLabel;
}

Outcome setField(Workspace& ws, Field field, std::string_view text)
{
    return run(ws, fieldCommand(field), {text}, [&] {
        DataStore& store = ws.store;
        const auto s = static_cast<size_t>(store.currentSet);
        switch (field) {
        case Field::XLabel: store.setXLabel(cp1252FromUtf8(text)); break;
        case Field::Heading: store.setHeading(cp1252FromUtf8(text)); break;
        case Field::Comment: store.setComment(cp1252FromUtf8(text)); break;
        case Field::YLabel: store.setYLabel(store.currentSet, cp1252FromUtf8(text)); break;
        case Field::XFrom: store.plot.xFrom = parseNumber(text).value; break;
        case Field::XTo: store.plot.xTo = parseNumber(text).value; break;
        case Field::YFrom: store.yFrom[s] = parseNumber(text).value; break;
        case Field::YTo: store.yTo[s] = parseNumber(text).value; break;
        }
        return Outcome::done();
    });
}

Outcome leaveAxisBox(Workspace& ws, std::string_view yFrom, std::string_view yTo, std::string_view xFrom,
                     std::string_view xTo)
{
    return run(ws, CommandId::AxisBoxLeft, {yFrom, yTo, xFrom, xTo}, [&] {
        DataStore& store = ws.store;
        const auto s = static_cast<size_t>(store.currentSet);
        const std::pair<std::string_view, double*> fields[] = {
            {yFrom, &store.yFrom[s]}, {yTo, &store.yTo[s]}, {xFrom, &store.plot.xFrom}, {xTo, &store.plot.xTo}};
        for (const auto& [text, value] : fields) {
            const ParsedNumber parsed = parseNumber(text);
            if (parsed.ok)
                *value = parsed.value;
        }
        return Outcome::done();
    });
}

DrawSwitches drawSwitchesOf(const DataStore& store)
{
    return {store.testFlag(showSymbols), store.testFlag(connectPoints), store.testFlag(drawCurve),
            store.testFlag(drawRegressionLine)};
}

Outcome storeDrawFlags(Workspace& ws, DrawSwitches switches)
{
    return run(ws, CommandId::DrawFlags,
               {onOff(switches.symbols), onOff(switches.connect), onOff(switches.curve), onOff(switches.regression)},
               [&] {
                   DataStore& store = ws.store;
                   if (store.currentSet < 0 || store.currentSet > kLastSet)
                       return Outcome::refused();
                   const std::pair<bool, uint8_t> boxes[] = {{switches.symbols, showSymbols},
                                                             {switches.connect, connectPoints},
                                                             {switches.curve, drawCurve},
                                                             {switches.regression, drawRegressionLine}};
                   for (const auto& [checked, bit] : boxes) {
                       if (checked)
                           store.setFlag(bit);
                       else
                           store.clearFlag(bit);
                   }
                   return Outcome::done();
               });
}

Outcome setDrawSwitch(Workspace& ws, DrawFlag flag, bool on)
{
    const CommandId id = flag == showSymbols ? CommandId::Symbols
        : flag == connectPoints              ? CommandId::Connect
        : flag == drawCurve                  ? CommandId::Curve
                                             : CommandId::Regression;
    return run(ws, id, {onOff(on)}, [&] {
        if (on)
            ws.store.setFlag(flag);
        else
            ws.store.clearFlag(flag);
        return Outcome::done();
    });
}

Outcome setPlotSwitch(Workspace& ws, PlotSwitch which, bool on)
{
    const CommandId id = which == PlotSwitch::DateTime ? CommandId::DateTime
        : which == PlotSwitch::FileName                ? CommandId::FileName
                                                       : CommandId::Grid;
    return run(ws, id, {onOff(on)}, [&] {
        PlotSettings& plot = ws.store.plot;
        (which == PlotSwitch::DateTime ? plot.showDateTime
         : which == PlotSwitch::FileName ? plot.showFileName
                                         : plot.plotWithGrid) = on;
        return Outcome::done();
    });
}

Outcome toggleGrid(Workspace& ws)
{
    return run(ws, CommandId::GridToggle, {}, [&] {
        ws.store.plot.plotWithGrid = !ws.store.plot.plotWithGrid;
        return Outcome::done();
    });
}

const char* gridCaption(bool gridOn)
{
    return gridOn ? "No &Grid" : "Plot with &Grid";
}

Outcome symbolDown(Workspace& ws)
{
    return run(ws, CommandId::SymbolDown, {}, [&] {
        uint8_t& n = currentOf(ws.store.symbolNumber, ws.store);
        n = n > 0 ? static_cast<uint8_t>(n - 1) : uint8_t{12};
        return Outcome::done();
    });
}

Outcome symbolUp(Workspace& ws)
{
    return run(ws, CommandId::SymbolUp, {}, [&] {
        uint8_t& n = currentOf(ws.store.symbolNumber, ws.store);
        n = n < 14 ? static_cast<uint8_t>(n + 1) : uint8_t{0};
        return Outcome::done();
    });
}

Outcome nextColour(Workspace& ws)
{
    return run(ws, CommandId::NextColour, {}, [&] {
        uint8_t& code = currentOf(ws.store.setColour, ws.store);
        code = code > 4 ? uint8_t{0} : static_cast<uint8_t>(code + 1);
        return Outcome::done();
    });
}

Outcome setSymbol(Workspace& ws, std::string_view numberText)
{
    return run(ws, CommandId::Symbol, {numberText}, [&] {
        const int n = toInteger(numberText);
        if (n < 0 || n > 14)
            return Outcome::refused();
        currentOf(ws.store.symbolNumber, ws.store) = static_cast<uint8_t>(n);
        return Outcome::done();
    });
}

Outcome setColour(Workspace& ws, std::string_view codeText)
{
    return run(ws, CommandId::Colour, {codeText}, [&] {
        const int code = toInteger(codeText);
        if (code < 0 || code > 5)
            return Outcome::refused();
        currentOf(ws.store.setColour, ws.store) = static_cast<uint8_t>(code);
        return Outcome::done();
    });
}

Outcome autoscale(Workspace& ws)
{
    return run(ws, CommandId::Autoscale, {}, [&] {
        if (!autoscaleAxes(ws.store))
            return Outcome::refused();
        showCurrentSet(ws);
        Outcome outcome;
        outcome.setShown = true;
        return outcome;
    });
}

void startUp(Workspace& ws)
{
    ws.store.resetPlotDefaults();
    ws.store.plot.showDateTime = true;
    ws.store.plot.showFileName = true;
    showCurrentSet(ws);
}

Outcome stepSet(Workspace& ws, int delta)
{
    const int target = std::clamp(ws.store.currentSet + delta, kFirstSet, kLastSet);
    return selectSet(ws, target);
}

Outcome selectSet(Workspace& ws, int n)
{
    const std::string number = std::to_string(n);
    return run(ws, CommandId::SelectSet, {number}, [&] {
        if (n < kFirstSet || n > kLastSet)
            return Outcome::refused();
        ws.store.currentSet = n;
        showCurrentSet(ws);
        Outcome outcome;
        outcome.setShown = true;
        return outcome;
    });
}

Outcome gridTyping(Workspace& ws, GridKey key)
{
    return run(ws, CommandId::GridTyping, {key == GridKey::Typed ? "typed" : ""}, [&] {
        if (key == GridKey::Typed)
            ws.store.unsavedChanges = true;
        readGridIntoSet(ws);
        return Outcome::done();
    });
}

} // namespace commands

