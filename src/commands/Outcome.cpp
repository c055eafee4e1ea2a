#include "commands/Outcome.h"

#include "data/Errors.h"
#include "data/Messages.h"

#include <new>

Outcome attempt(const std::function<Outcome()>& command)
{
    try {
        return command();
    } catch (const KurvixError& failure) {
        return Outcome::failed(failure.what());
    } catch (const std::bad_alloc&) {
        return Outcome::failed(std::string(Messages::OutOfMemory));
    }
}
