// SPDX-License-Identifier: MIT
#pragma once

#include <exception>

namespace quadripolo {

// The three floating-point faults that end a computation.
enum class FaultKind {
    Overflow,          // a result beyond the largest double
    DivisionByZero,    // a divisor that is zero or underflowed to zero, whatever the dividend
    InvalidOperation,  // a result that is no number, such as the square root of a negative value
};

// Every quantity whose forming can fault, each the type of the record's fields that hold it (by
// its stem: Zi for ziRe and ziIm, core/network_state.h), so that a fault is named by the field
// being formed.
enum class Quantity {
    // Reading the fields: a phase in radians, a typed admittance times Ro.
    S11Phase,
    S12Phase,
    S21Phase,
    S22Phase,
    Y11Re,
    Y11Im,
    Y12Re,
    Y12Im,
    Y21Re,
    Y21Im,
    Y22Re,
    Y22Im,
    // S in rectangular and in polar form.
    S11,
    S12,
    S21,
    S22,
    S11Mag,
    S12Mag,
    S21Mag,
    S22Mag,
    // z and y from S.
    ZDenLeft,
    S12S21,
    ConvDen,
    Z11Num,
    Z22Num,
    Z11,
    Z12,
    Z21,
    Z22,
    S11S22,
    DeltaS,
    YDen,
    Y11,
    Y12,
    Y21,
    Y22,
    // The terminated two-port solved from z.
    Z12Z21,
    ZiByZ,
    V1ByZ,
    V2ByZNum,
    V2ByZDen,
    V2ByZ,
    I2ByZ,
    PlByZ,
    I1ByZ,
    PinByZ,
    ZoutByZ,
    // The terminated two-port solved from S.
    GammaL,
    S21GammaL,
    S22GammaL,
    A2OverA1,
    S12A2OverA1,
    Zi,
    GammaIn,
    V1,
    A1,
    A2,
    B1,
    B2,
    V2Open,
    Pl,
    Pin,
    V2,
    ZoutPerZl,
    Zout,
    I1,
    I2,
    // S from y.
    Y11Y22,
    DeltaY,
};

// Raised by the step that faults. It travels up untouched to the one place where a click's
// command is run, which tells the user.
class FloatingPointFault : public std::exception {
public:
    FloatingPointFault(FaultKind kind, Quantity quantity) noexcept
        : kind_(kind), quantity_(quantity) {}

    FaultKind kind() const noexcept { return kind_; }
    Quantity quantity() const noexcept { return quantity_; }

private:
    FaultKind kind_;
    Quantity quantity_;
};

}  // namespace quadripolo
