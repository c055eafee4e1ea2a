#pragma once

// The standard dialogs as the windows run them.

#include <QString>

#include <string>

class QFileDialog;
class QWidget;

// Runs a file dialog and returns the chosen path, empty when cancelled. No
// pop-up of the dialog (the completion list of a typed name) outlives it.
QString runFileDialog(QFileDialog& dialog);

// A message of the program's own that refuses a command: a question box with
// the single button No, whose answer is not needed.
void showMessage(QWidget* parent, const std::string& message);

// A notice of the program's own about a command that was done: an
// information box with the single button OK.
void showNotice(QWidget* parent, const std::string& message);
