#pragma once

// Command scripts: every main-window command as a line of text.
//
// A script is one command a line (LF, CR LF or CR end a line); blanks and
// tabs around a line are ignored; an empty line or one starting with "#" is
// a comment. A line is a command word (any case), then, where the command
// takes one, one blank or tab and its argument: the rest of the line, trailing
// blanks removed. Commands of several fields split the argument at blanks or
// tabs, the last field taking the rest. In arguments $FILE, $NAME and $DIR
// stand for the file of the run, its name without folder and last extension,
// and its folder; $$ is one "$", any other "$" stands for itself.

#include "commands/CommandTable.h"

#include <string>
#include <string_view>
#include <vector>

// How a command takes its argument; parseScript checks it before anything runs.
enum class ArgumentForm {
    None,     // no argument
    Text,     // the rest of the line; may be empty (the field emptied)
    Required, // the rest of the line, not empty
    OnOff,    // "on" or "off", any case
    Number,   // a whole number within the command's range
    TwoFields, // two fields, the second taking the rest of the line
    Point,    // one to three fields: I, then X and Y (missing ones empty)
};

struct ScriptLine {
    int number = 0; // line of the file, from 1
    CommandId command{};
    // The argument as its fields, $ names not yet replaced. OnOff arguments
    // are "on" or "off".
    std::vector<std::string> fields;
};

struct ScriptProblem {
    int line = 0;
    std::string text;
};

struct Script {
    std::vector<ScriptLine> lines;
    // Some argument names the file of the run ($FILE, $NAME or $DIR).
    bool namesFile = false;
};

// The bytes of a script file as UTF-8: kept when they are valid UTF-8 (a
// leading byte-order mark dropped), otherwise read as Windows-1252.
std::string scriptText(std::string_view bytes);

// The lines of a script. Every line whose word is unknown or whose argument
// is missing or malformed is named in `problems` and left out.
Script parseScript(std::string_view text, std::vector<ScriptProblem>& problems);

// The file of one run of a script and the names a script takes from it.
struct RunFile {
    std::string path; // as given on the command line

    // Without folder and without its last extension ("a/b.c.txt" gives
    // "b.c"); a name that starts with its only point keeps it.
    std::string name() const;
    // The folder, "." when the path names none.
    std::string dir() const;
};

// Replaces $FILE, $NAME, $DIR and $$ in an argument; file may be null only
// when the text names none of the three.
std::string expandNames(std::string_view text, const RunFile* file);
// Whether the text uses $FILE, $NAME or $DIR.
bool namesRunFile(std::string_view text);
// A text as an argument that reads back as itself: every "$" doubled.
std::string escapeNames(std::string_view text);
