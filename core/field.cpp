// SPDX-License-Identifier: MIT
// Built with -fno-builtin-pow: the compiler would otherwise turn pow(x, 2) into x·x.
#include "field.h"

#include <cmath>

namespace quadripolo {

Interim Interim::typedValue(double value) noexcept {
    return Interim(value, std::isfinite(value) ? std::nullopt : std::optional(FaultKind::Overflow));
}

Interim Interim::stepResult(double result, Interim a, Interim b) noexcept {
    if (a.fault_) {
        return a;
    }
    return stepResult(result, b);
}

Interim Interim::stepResult(double result, Interim x) noexcept {
    if (x.fault_) {
        return x;
    }
    return typedValue(result);
}

Interim operator-(Interim x) noexcept {
    return Interim(-x.value_, x.fault_);
}

Interim operator+(Interim a, Interim b) noexcept {
    return Interim::stepResult(a.value_ + b.value_, a, b);
}

Interim operator-(Interim a, Interim b) noexcept {
    return Interim::stepResult(a.value_ - b.value_, a, b);
}

Interim operator*(Interim a, Interim b) noexcept {
    return Interim::stepResult(a.value_ * b.value_, a, b);
}

Interim operator/(Interim a, Interim b) noexcept {
    if (!a.fault_ && !b.fault_ && b.value_ == 0.0) [[unlikely]] {
        return Interim(0.0, FaultKind::DivisionByZero);
    }
    return Interim::stepResult(a.value_ / b.value_, a, b);
}

Interim square(Interim x) noexcept {
    return Interim::stepResult(std::pow(x.value_, 2.0), x);
}

Interim squareRoot(Interim x) noexcept {
    if (!x.fault_ && x.value_ < 0.0) [[unlikely]] {
        return Interim(0.0, FaultKind::InvalidOperation);
    }
    return Interim::stepResult(std::sqrt(x.value_), x);
}

Interim cosine(Interim x) noexcept {
    return Interim::stepResult(std::cos(x.value_), x);
}

Interim sine(Interim x) noexcept {
    return Interim::stepResult(std::sin(x.value_), x);
}

Interim arctangent(Interim x) noexcept {
    return Interim::stepResult(std::atan(x.value_), x);
}

}  // namespace quadripolo
