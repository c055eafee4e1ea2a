#pragma once

// The application object of the windowed program. Every handler reports its
// own failures through guarded(); this is the last place that catches one
// that still reaches the event loop, so no failure ends the program.

#include <QApplication>

#include <functional>

class KurvixApplication : public QApplication {
public:
    KurvixApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs the delivery of an event to receiver; a failure of the program's own
// family (as guarded() takes them) is shown in a message box over the
// receiver's window and the event counts as unhandled.
bool deliverReportingFailures(QObject* receiver, const std::function<bool()>& deliver);
