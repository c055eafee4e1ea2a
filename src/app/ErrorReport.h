#pragma once

// The application's standard error report: a failure stops the command where
// it happened, one message box shows its text, and the program goes on.
// Every event handler runs its work through guarded(); an exception must not
// unwind through Qt's signal and slot code.

#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <type_traits>

// Shows the failure's message in a message box (no box when the platform is
// headless and the message sink is set, as in tests).
void reportFailure(QWidget* parent, const std::string& message);

// Test hook: when set, failures go here instead of a message box.
void setFailureSink(std::function<void(const std::string&)> sink);

// Runs work; a failure of the program's own family (data/Errors.h) or memory
// running out is reported and swallowed. Returns false when the work failed.
// Other exceptions are programming errors and are not turned into a message.
bool guarded(QWidget* parent, const std::function<void()>& work);

// Connects a signal to a window's handler, which runs through guarded(): a
// member function without arguments, or a function of the signal's
// arguments.
template <typename Sender, typename SignalOwner, typename... Args, typename Window, typename Handler>
QMetaObject::Connection connectGuarded(Sender* sender, void (SignalOwner::*signal)(Args...), Window* window,
                                       Handler handler)
{
    return QObject::connect(sender, signal, window, [window, handler](Args... args) {
        guarded(window, [&] {
            if constexpr (std::is_member_function_pointer_v<Handler>) {
                ((void)args, ...);
                (window->*handler)();
            } else {
                handler(args...);
            }
        });
    });
}
