#include "app/KurvixApplication.h"

#include "app/ErrorReport.h"

#include <QWidget>


KurvixApplication::KurvixApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KurvixApplication::notify(QObject* receiver, QEvent* event)
{
    return deliverReportingFailures(receiver, [&] { return QApplication::notify(receiver, event); });
}

bool deliverReportingFailures(QObject* receiver, const std::function<bool()>& deliver)
{
    auto* widget = qobject_cast<QWidget*>(receiver);
    bool handled = false;
    guarded(widget ? widget->window() : nullptr, [&] { handled = deliver(); });
    return handled;
}
