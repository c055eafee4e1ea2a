#include "app/ErrorReport.h"

#include "data/Errors.h"
#include "data/Messages.h"
#include "data/VectorState.h"

#include <QMessageBox>

#include <new>

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
    // Every handler starts here: the one place where the windows clear what
    // the toolkit left in the vector registers (see data/VectorState.h).
    clearUpperVectorState();
    try {
        work();
        return true;
    } catch (const KurvixError& failure) {
        reportFailure(parent, failure.what());
    } catch (const std::bad_alloc&) {
        reportFailure(parent, std::string(Messages::OutOfMemory));
    }
    return false;
}
