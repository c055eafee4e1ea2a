#pragma once

// What a command did, as a value: the caller decides what the user sees (a
// window shows a message box or repaints, a script stops its run). Failures
// that stop a command half-way still travel as the program's exceptions
// (data/Errors.h); attempt() turns them into a Failed outcome where a caller
// wants one value for everything.

#include <functional>
#include <string>

enum class OutcomeKind {
    Done,       // the command did its work
    Refused,    // nothing to do, nothing said (a set number outside 1..9, too few points)
    Message,    // refused or finished with a message the user must see
    Failed,     // stopped by a failure; message holds its text
};

struct Outcome {
    OutcomeKind kind = OutcomeKind::Done;
    std::string message;
    // The store side of the set display ran (sorting, regression, the shown
    // axis ends written back): the window repaints the current set.
    bool setShown = false;
    // Smooth: the window shows the plot between its two set displays.
    bool plotShown = false;
    // The text for the main window's message label, when the command sets
    // one (the read position of a slope change).
    std::string statusText;
    // After a file read: the name the image open dialog proposes.
    std::string imageOpenName;
    // After a save: the file written, named as it was created.
    std::string writtenPath;

    static Outcome done() { return {}; }
    static Outcome refused() { return of(OutcomeKind::Refused, {}); }
    static Outcome withMessage(std::string text) { return of(OutcomeKind::Message, std::move(text)); }
    static Outcome failed(std::string text) { return of(OutcomeKind::Failed, std::move(text)); }

    bool isDone() const { return kind == OutcomeKind::Done; }
    // The window showed the user a message: a script's run stops here.
    bool stopsRun() const { return kind == OutcomeKind::Message || kind == OutcomeKind::Failed; }

private:
    static Outcome of(OutcomeKind kind, std::string text)
    {
        Outcome outcome;
        outcome.kind = kind;
        outcome.message = std::move(text);
        return outcome;
    }
};

// Runs command and returns its outcome; a failure of the program's own family
// (or memory running out) becomes a Failed outcome with its message.
Outcome attempt(const std::function<Outcome()>& command);
