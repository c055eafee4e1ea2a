#pragma once

// Floating-point steps that must fail the way the program reports them rather
// than produce NaN or infinity: C++ arithmetic does not trap, so the operands
// are checked before the operation.

#include "data/Errors.h"
#include "data/Messages.h"

#include <cmath>
#include <limits>
#include <string>

namespace FloatMath {

[[noreturn]] inline void failInvalid()
{
    throw FloatError(std::string(Messages::InvalidFloatOperation));
}

[[noreturn]] inline void failDivisionByZero()
{
    throw FloatError(std::string(Messages::FloatDivisionByZero));
}

// a / b; 0 / 0 (or NaN / 0) is an invalid operation, any other a / 0 a
// division by zero.
inline double divide(double a, double b)
{
    if (b == 0.0) {
        if (a == 0.0 || std::isnan(a))
            failInvalid();
        failDivisionByZero();
    }
    return a / b;
}

// Cuts v toward zero into a pixel coordinate. NaN, infinity and values beyond
// the integer range cannot be converted and are an invalid operation.
inline int truncToInt(double v)
{
    if (!(v > -2147483648.0 && v < 2147483648.0))
        failInvalid();
    return static_cast<int>(v);
}

} // namespace FloatMath
