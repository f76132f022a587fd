// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <concepts>
#include <type_traits>

#include "floating_point_fault.h"

namespace quadripolo {

// An IEEE double whose every arithmetic step is tested: a step whose result overflows, divides
// by zero or is no number raises FloatingPointFault at that step, before anything is stored.
// It has the size and the bits of a double and reads as one.
class CheckedDouble {
public:
    constexpr CheckedDouble() noexcept = default;
    constexpr CheckedDouble(double value) noexcept : value_(value) {}  // NOLINT: reads as a double
    constexpr operator double() const noexcept { return value_; }      // NOLINT: reads as a double

    // Negation is exact and cannot fault.
    constexpr CheckedDouble operator-() const noexcept { return CheckedDouble(-value_); }

private:
    double value_ = 0.0;
};

// Tests the result of one step. With finite operands only an overflow gives an infinity, and
// only 0/0 or the square root of a negative number a NaN; both are refused before they are
// formed, so a result that is not finite has overflowed.
inline CheckedDouble checkedResult(double result) {
    if (!std::isfinite(result)) [[unlikely]] {
        raiseFault(FaultKind::Overflow);
    }
    return CheckedDouble(result);
}

// At least one side is checked; a plain number on the other side is taken as a double.
template <class A, class B>
concept CheckedOperands = (std::same_as<A, CheckedDouble> || std::is_arithmetic_v<A>) &&
                          (std::same_as<B, CheckedDouble> || std::is_arithmetic_v<B>) &&
                          (std::same_as<A, CheckedDouble> || std::same_as<B, CheckedDouble>);

template <class A, class B>
    requires CheckedOperands<A, B>
CheckedDouble operator+(A a, B b) {
    return checkedResult(static_cast<double>(a) + static_cast<double>(b));
}

template <class A, class B>
    requires CheckedOperands<A, B>
CheckedDouble operator-(A a, B b) {
    return checkedResult(static_cast<double>(a) - static_cast<double>(b));
}

template <class A, class B>
    requires CheckedOperands<A, B>
CheckedDouble operator*(A a, B b) {
    return checkedResult(static_cast<double>(a) * static_cast<double>(b));
}

// A zero divisor (of either sign) is a division by zero whatever the dividend, 0 included.
template <class A, class B>
    requires CheckedOperands<A, B>
CheckedDouble operator/(A a, B b) {
    const double divisor = static_cast<double>(b);
    if (divisor == 0.0) [[unlikely]] {
        raiseFault(FaultKind::DivisionByZero);
    }
    return checkedResult(static_cast<double>(a) / divisor);
}

// x raised to the power 2 by the platform's power function. It is not x·x: the two differ in
// the last bit for some values (1.1019384605399423, for one), and the results must be those of
// the power function.
CheckedDouble square(CheckedDouble x);

CheckedDouble squareRoot(CheckedDouble x);
CheckedDouble cosine(CheckedDouble x);
CheckedDouble sine(CheckedDouble x);
CheckedDouble arctangent(CheckedDouble x);

}  // namespace quadripolo
