#pragma once

// The application's standard error report: a failure stops the command where
// it happened, one message box shows its text, and the program goes on.
// Every event handler runs its work through guarded(); an exception must not
// unwind through Qt's signal and slot code.

#include <QString>
#include <QWidget>

#include <exception>
#include <functional>
#include <string>

// Shows the failure's message in a message box (no box when the platform is
// headless and the message sink is set, as in tests).
void reportFailure(QWidget* parent, const std::string& message);

// Test hook: when set, failures go here instead of a message box.
void setFailureSink(std::function<void(const std::string&)> sink);

// Runs work; a KurvixError or any other std::exception is reported and
// swallowed. Returns false when the work failed.
bool guarded(QWidget* parent, const std::function<void()>& work);
