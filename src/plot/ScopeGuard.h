#pragma once

// Runs a function when the scope ends, also when it ends by an exception, so
// a failure inside a drawing routine still gives back the state it borrowed
// (the pen width, the current set).

#include <utility>

template <class Function>
class ScopeGuard {
public:
    explicit ScopeGuard(Function f) : f_(std::move(f)) {}
    ~ScopeGuard() { f_(); }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

private:
    Function f_;
};
