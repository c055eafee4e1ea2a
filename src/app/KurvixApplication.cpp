#include "app/KurvixApplication.h"

#include "app/ErrorReport.h"

#include <QWidget>

#include <exception>

KurvixApplication::KurvixApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KurvixApplication::notify(QObject* receiver, QEvent* event)
{
    return deliverReportingFailures(receiver, [&] { return QApplication::notify(receiver, event); });
}

bool deliverReportingFailures(QObject* receiver, const std::function<bool()>& deliver)
{
    try {
        return deliver();
    } catch (const std::exception& failure) {
        auto* widget = qobject_cast<QWidget*>(receiver);
        reportFailure(widget ? widget->window() : nullptr, failure.what());
    }
    return false;
}
