#include "app/ErrorReport.h"

#include "data/Errors.h"

#include <QMessageBox>

namespace {
std::function<void(const std::string&)>& sink()
{
    static std::function<void(const std::string&)> s;
    return s;
}
} // namespace

void setFailureSink(std::function<void(const std::string&)> s) { sink() = std::move(s); }

void reportFailure(QWidget* parent, const std::string& message)
{
    if (sink()) {
        sink()(message);
        return;
    }
    QMessageBox::critical(parent, QStringLiteral("Kurvix"), QString::fromStdString(message));
}

bool guarded(QWidget* parent, const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const std::exception& failure) {
        reportFailure(parent, failure.what());
    }
    return false;
}
