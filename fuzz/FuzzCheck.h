#pragma once

// What the fuzz targets share: a broken invariant ends the run like a crash,
// so libFuzzer keeps the input that broke it.

#include "data/Errors.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzcheck {

[[noreturn]] inline void broken(const std::string& what)
{
    std::fprintf(stderr, "INVARIANT BROKEN: %s\n", what.c_str());
    std::abort();
}

inline void require(bool condition, const std::string& what)
{
    if (!condition)
        broken(what);
}

// A problem text from the store checks must be empty.
inline void requireNone(const std::string& problem, const char* context)
{
    if (!problem.empty())
        broken(std::string(context) + ": " + problem);
}

// Runs a reader: true when it succeeded, false when it refused the input
// with the program's own failure. Anything else thrown is a fault.
template <typename Read>
bool attempt(Read&& read)
{
    try {
        read();
        return true;
    } catch (const KurvixError&) {
        return false;
    } catch (const std::exception& e) {
        broken(std::string("foreign exception: ") + e.what());
    }
}

} // namespace fuzzcheck
