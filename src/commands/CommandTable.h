#pragma once

// Every command of the main window by name: the word a script line starts
// with, the caption the user knows it by and the name an undo step carries.
// Commands only the window gives (the steppers, the grid's keystrokes) have
// no script word.

#include <optional>
#include <span>
#include <string_view>

enum class CommandId {
    Open, OpenSecond, Save,
    SelectSet,
    XLabel, XFrom, XTo, Heading, Comment, YLabel, YFrom, YTo, AxisBoxLeft,
    DrawFlags, Symbols, Connect, Curve, Regression,
    Symbol, SymbolDown, SymbolUp, Colour, NextColour,
    DateTime, FileName, Grid, GridToggle,
    Calculate, Slope, Copy, Insert, Exchange, AddCurve, Filter,
    Smooth, Derivative, Integral, Swap, Remove, Thin,
    Point, GridTyping,
    Export, Listing,
    Undo, Redo, Autoscale,
    Follow, PasteData,
};

struct CommandInfo {
    CommandId id;
    std::string_view scriptWord; // empty: the window's own
    std::string_view caption;    // the caption of its button, menu item or field
    std::string_view undoLabel;  // what "Undo ..." names
};

const CommandInfo& commandInfo(CommandId id);
std::span<const CommandInfo> allCommands();
// The command a script word names, case-insensitive.
std::optional<CommandId> commandForWord(std::string_view word);
