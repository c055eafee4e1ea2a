#pragma once

// The settings of the main window's left and middle columns, the drawing
// switches, the steppers and the choice of the current set, as commands of
// the store. Texts are UTF-8 as the fields hold them.

#include "commands/Workspace.h"

#include <string_view>

namespace commands {

// The edit fields of the X and Y axis boxes.
enum class Field { XLabel, XFrom, XTo, Heading, Comment, YLabel, YFrom, YTo };

// The command a field's changes run as (its undo label).
CommandId fieldCommand(Field field);

// A field's text into its store field, as on every change of the field:
// labels, heading and comment cut to their limits; range fields take the
// value parseNumber yields, valid or not (0 while a number is half typed).
Outcome setField(Workspace& ws, Field field, std::string_view text);

// Leaving the Y axis box: each of the four range texts that is a valid
// number is stored again; the others leave their fields as they are.
Outcome leaveAxisBox(Workspace& ws, std::string_view yFrom, std::string_view yTo, std::string_view xFrom,
                     std::string_view xTo);

// The four drawing check boxes of the current set, as they are checked.
struct DrawSwitches {
    bool symbols = false;
    bool connect = false;
    bool curve = false;
    bool regression = false;
};
DrawSwitches drawSwitchesOf(const DataStore& store);
// storeDrawFlags: bits 0 to 3 of the current set's drawFlags from the boxes.
Outcome storeDrawFlags(Workspace& ws, DrawSwitches switches);
// One switch of the current set, stored at once.
Outcome setDrawSwitch(Workspace& ws, DrawFlag flag, bool on);

// "Show  Date and Time", "Show Filename", "Plot with &Grid ".
enum class PlotSwitch { DateTime, FileName, Grid };
Outcome setPlotSwitch(Workspace& ws, PlotSwitch which, bool on);
// The grid menu item: plotWithGrid toggled.
Outcome toggleGrid(Workspace& ws);
// The caption the grid menu item shows after a toggle.
const char* gridCaption(bool gridOn);

// "- <" (0 goes to 12), "> +" (14 goes to 0), the colour panel (above 4
// goes to 0), and the numbers as those would leave them.
Outcome symbolDown(Workspace& ws);
Outcome symbolUp(Workspace& ws);
Outcome nextColour(Workspace& ws);
Outcome setSymbol(Workspace& ws, std::string_view numberText);
Outcome setColour(Workspace& ws, std::string_view codeText);

// Options / "&Autoscale axes": the axis ranges from the data as
// autoscaleAxes (ops/Autoscale.h) chooses them, then the set display.
// Refused, changing nothing, when no set holds a point.
Outcome autoscale(Workspace& ws);

// The program's start-up state after the store's own: the plot defaults,
// date/time and file name shown, set 1 displayed.
void startUp(Workspace& ws);

// The set stepper: one set down or up, never past 1 or 9, then the display.
Outcome stepSet(Workspace& ws, int delta);
// Set n (1..9) current, then the display; other numbers are refused.
Outcome selectSet(Workspace& ws, int n);

// A key released in the grid: the grid's rows into the current set; when
// the key typed a number character the data count as changed.
enum class GridKey { Typed, Other };
Outcome gridTyping(Workspace& ws, GridKey key);

} // namespace commands
