#pragma once

// The program's help text: a German user guide, part of the program itself.
// Lines end with a line feed; every line that contains "[]" is a chapter
// title for the help window's list.

#include <QString>

const QString& helpText();
