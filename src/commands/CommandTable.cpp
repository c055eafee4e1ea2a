#include "commands/CommandTable.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array kCommands{
    CommandInfo{CommandId::Open, "open", "&Open", "Open"},
    CommandInfo{CommandId::OpenSecond, "open2", "Open 2nd file", "Open 2nd file"},
    CommandInfo{CommandId::Save, "save", "Save ", "Save"},
    CommandInfo{CommandId::SelectSet, "set", "Set", "Set"},
    CommandInfo{CommandId::XLabel, "xlabel", "X Axis ", "X label"},
    CommandInfo{CommandId::XFrom, "xfrom", "from", "X from"},
    CommandInfo{CommandId::XTo, "xto", "to", "X to"},
    CommandInfo{CommandId::Heading, "heading", "Heading", "Heading"},
    CommandInfo{CommandId::Comment, "comment", "Comment", "Comment"},
    CommandInfo{CommandId::YLabel, "ylabel", "Y Axis ", "Y label"},
    CommandInfo{CommandId::YFrom, "yfrom", "from", "Y from"},
    CommandInfo{CommandId::YTo, "yto", "to", "Y to"},
    CommandInfo{CommandId::AxisBoxLeft, "", "Y Axis ", "Axis range"},
    CommandInfo{CommandId::DrawFlags, "", "Display", "Display"},
    CommandInfo{CommandId::Symbols, "symbols", "Symbols  #", "Symbols"},
    CommandInfo{CommandId::Connect, "connect", "Connect points", "Connect points"},
    CommandInfo{CommandId::Curve, "curve", "Draw curve", "Draw curve"},
    CommandInfo{CommandId::Regression, "regression", "Draw regression line", "Regression line"},
    CommandInfo{CommandId::Symbol, "symbol", "Symbols  #", "Symbol"},
    CommandInfo{CommandId::SymbolDown, "", "- <", "Symbol"},
    CommandInfo{CommandId::SymbolUp, "", "> +", "Symbol"},
    CommandInfo{CommandId::Colour, "colour", "Color", "Colour"},
    CommandInfo{CommandId::NextColour, "", "Color", "Colour"},
    CommandInfo{CommandId::DateTime, "datetime", "Show  Date and Time", "Date and time"},
    CommandInfo{CommandId::FileName, "filename", "Show Filename", "Filename"},
    CommandInfo{CommandId::Grid, "grid", "Plot with &Grid ", "Grid"},
    CommandInfo{CommandId::GridToggle, "", "Plot with &Grid ", "Grid"},
    CommandInfo{CommandId::Calculate, "calc", "X,Y+-*/...", "Calculation"},
    CommandInfo{CommandId::Slope, "slope", "Slope", "Slope"},
    CommandInfo{CommandId::Copy, "copy", "Copy set ", "Copy set"},
    CommandInfo{CommandId::Insert, "insert", "Insert set", "Insert set"},
    CommandInfo{CommandId::Exchange, "exchange", "Exchange", "Exchange"},
    CommandInfo{CommandId::AddCurve, "add", "Add Curve", "Add Curve"},
    CommandInfo{CommandId::Filter, "filter", "Filter", "Filter"},
    CommandInfo{CommandId::Smooth, "smooth", "Smooth", "Smooth"},
    CommandInfo{CommandId::Derivative, "derivative", "Derivative", "Derivative"},
    CommandInfo{CommandId::Integral, "integral", "Integral", "Integral"},
    CommandInfo{CommandId::Swap, "swap", "X <=>Y", "X <=> Y"},
    CommandInfo{CommandId::Remove, "remove", "Delete data", "Delete data"},
    CommandInfo{CommandId::Thin, "thin", "Delete data", "Delete data"},
    CommandInfo{CommandId::Point, "point", "Data", "Data"},
    CommandInfo{CommandId::GridTyping, "", "Data", "Data"},
    CommandInfo{CommandId::Export, "export", "Save as ...", "Export"},
    CommandInfo{CommandId::Undo, "undo", "&Undo", "Undo"},
    CommandInfo{CommandId::Redo, "redo", "&Redo", "Redo"},
    CommandInfo{CommandId::Autoscale, "autoscale", "&Autoscale axes", "Autoscale"},
    CommandInfo{CommandId::Listing, "listing", "&Print data", "Listing"},
    CommandInfo{CommandId::Follow, "", "&Follow file...", "Follow file"},
    CommandInfo{CommandId::PasteData, "", "Paste data", "Paste data"},
};

bool sameWord(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

const CommandInfo& commandInfo(CommandId id)
{
    return *std::find_if(kCommands.begin(), kCommands.end(), [id](const CommandInfo& c) { return c.id == id; });
}

std::span<const CommandInfo> allCommands()
{
    return kCommands;
}

std::optional<CommandId> commandForWord(std::string_view word)
{
    for (const CommandInfo& c : kCommands)
        if (!c.scriptWord.empty() && sameWord(c.scriptWord, word))
            return c.id;
    return std::nullopt;
}
