#pragma once

// Timing of the windowed start, switched on by the environment:
//   KURVIX_TRACE=1     print on standard error when the main window's first
//                      paint is on screen (ms after main() began) and, for each
//                      click on "Graphic ...", the ms until the end of the
//                      graphic window's next paint, with the wall-clock time
//                      of that end so a driver outside can check the figure;
//   KURVIX_TRACE=exit  the same for the main window, then end the process at
//                      once (for timing the whole start from outside).
// Without the variable every call here is a cheap no-op.

#include <string_view>

class QWidget;

namespace starttrace {

// Call first thing in main(): the origin of the start figure.
void begin();
bool enabled();

// Reports the end of window's first paint as the start figure.
void watchFirstPaint(QWidget* window, std::string_view name);
// Marks the click; the next paint of window ends the measurement.
void clickedTowards(QWidget* window, std::string_view name);

} // namespace starttrace
