#pragma once

// The whole-set commands of the main window, each with its argument text
// exactly as the user types it into the input box or the removal box. Each
// ends, where the window's command always did, with the store side of the
// set display (Outcome::setShown). A text that is no whole number throws
// ConversionError before anything changes.

#include "commands/Workspace.h"

#include <functional>
#include <string_view>

namespace commands {

// "Copy set ": the current set into the typed set when that one is empty;
// the current set stays shown as it was (no set display).
Outcome copySet(Workspace& ws, std::string_view setText);
// "Insert set": the typed set's points appended behind the current set's.
Outcome insertSet(Workspace& ws, std::string_view setText);
// "Exchange": the current set with the typed set, which becomes current.
Outcome exchangeSet(Workspace& ws, std::string_view setText);
// "Add Curve": the typed set's Y values added position by position.
Outcome addCurve(Workspace& ws, std::string_view setText);

// "X,Y+-*/...": a one-line formula on all X or all Y. A formula naming
// neither or both (and no slope) is refused without a display; a logarithm
// of a value <= 0 is refused with the logarithm question and the set shown;
// a slope formula sets statusText to the read position of its number.
Outcome calculate(Workspace& ws, std::string_view formula);
// "Slope": the whole text of the box ("S-0.02"), run as calculate does.
Outcome changeSlope(Workspace& ws, std::string_view text);
// The caption of the slope box: the current slope, computed first.
std::string slopeCaption(DataStore& store);

// "Filter": the window entry as typed. Too short a set is refused with the
// text the input box then shows.
Outcome filter(Workspace& ws, std::string_view windowText);
// "Smooth": the Y values smoothed, the set shown; then showPlot (the window
// shows the graphic window; a script passes nothing) and the set shown again.
Outcome smooth(Workspace& ws, const std::function<void()>& showPlot = {});
// "Derivative", "Integral": into the next set; the current set stays shown.
Outcome derivative(Workspace& ws);
Outcome integral(Workspace& ws);
// "X <=>Y".
Outcome swapXY(Workspace& ws);

// "Delete data": positions from..to, or every point but each factor-th.
Outcome removePoints(Workspace& ws, std::string_view fromText, std::string_view toText);
Outcome thinPoints(Workspace& ws, std::string_view factorText);

} // namespace commands
