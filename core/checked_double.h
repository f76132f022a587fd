#pragma once

#include <cmath>
#include <concepts>
#include <iosfwd>
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
    constexpr double value() const noexcept { return value_; }

    // Negation is exact and cannot fault.
    constexpr CheckedDouble operator-() const noexcept { return CheckedDouble(-value_); }

private:
    double value_ = 0.0;
};

// Tests the result of one step; with finite operands only an overflow gives an infinity.
inline CheckedDouble checkedResult(double result) {
    if (!std::isfinite(result)) [[unlikely]] {
        raiseFault(std::isnan(result) ? FaultKind::InvalidOperation : FaultKind::Overflow);
    }
    return CheckedDouble(result);
}

template <class T>
concept Operand = std::same_as<T, CheckedDouble> || std::is_arithmetic_v<T>;

// At least one side is checked; a plain number on the other side is taken as a double.
template <class A, class B>
concept CheckedOperands = Operand<A> && Operand<B> &&
    (std::same_as<A, CheckedDouble> || std::same_as<B, CheckedDouble>);

template <class A, class B>
requires CheckedOperands<A, B> CheckedDouble operator+(A a, B b) {
    return checkedResult(static_cast<double>(a) + static_cast<double>(b));
}

template <class A, class B>
requires CheckedOperands<A, B> CheckedDouble operator-(A a, B b) {
    return checkedResult(static_cast<double>(a) - static_cast<double>(b));
}

template <class A, class B>
requires CheckedOperands<A, B> CheckedDouble operator*(A a, B b) {
    return checkedResult(static_cast<double>(a) * static_cast<double>(b));
}

// A zero divisor (of either sign) is a division by zero whatever the dividend.
template <class A, class B>
requires CheckedOperands<A, B> CheckedDouble operator/(A a, B b) {
    const double divisor = static_cast<double>(b);
    if (divisor == 0.0) [[unlikely]] {
        raiseFault(FaultKind::DivisionByZero);
    }
    return checkedResult(static_cast<double>(a) / divisor);
}

// x raised to the power 2. The product x·x is correctly rounded, as is the power function, so
// both give the same bits.
inline CheckedDouble square(CheckedDouble x) {
    return x * x;
}

inline CheckedDouble squareRoot(CheckedDouble x) {
    if (x < 0.0) [[unlikely]] {
        raiseFault(FaultKind::InvalidOperation);
    }
    return checkedResult(std::sqrt(x.value()));
}

inline CheckedDouble cosine(CheckedDouble x) {
    return checkedResult(std::cos(x.value()));
}
inline CheckedDouble sine(CheckedDouble x) {
    return checkedResult(std::sin(x.value()));
}
inline CheckedDouble arctangent(CheckedDouble x) {
    return checkedResult(std::atan(x.value()));
}

std::ostream& operator<<(std::ostream& out, CheckedDouble x);

}  // namespace quadripolo
