#pragma once

// Results of the set operations are computed into scratch space and checked
// before they are committed: floating point does not trap, so an overflow or
// an invalid operation is caught here and reported instead of storing an
// infinite or undefined value.

#include "data/Errors.h"
#include "data/Messages.h"

#include <cmath>
#include <string>

[[noreturn]] inline void throwFloatFailure(double value)
{
    throw FloatError(std::string(std::isnan(value) ? Messages::InvalidFloatOperation : Messages::FloatOverflow));
}

// Throws FloatError ("Gleitkommaüberlauf" for an infinite value,
// "Ungültige Gleitkommaoperation" for NaN) unless value is finite.
inline void requireFinite(double value)
{
    if (!std::isfinite(value)) [[unlikely]]
        throwFloatFailure(value);
}
