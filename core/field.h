// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "floating_point_fault.h"

namespace quadripolo {

// The values of the record and how a computed value gets into one.
//
// Arithmetic on the record's values gives an Interim: the double and the first fault met on the
// way to it. An Interim is no double, and a computed value reaches the record only through
// form(field, value), which raises that fault named by the field's own quantity before anything
// is stored. So the name of a fault comes from the field being formed, and cannot be forgotten
// or mistaken.
//
//     form(state.pl, (square(state.b2Re) + square(state.b2Im)) -
//                        (square(state.a2Re) + square(state.a2Im)));

template <Quantity Q, Quantity WhenRead = Q>
class Field;

// A value on its way into a field: the result of each IEEE step in the order written, with the
// first fault among them. With finite operands only an overflow gives an infinity, and only 0/0
// or the square root of a negative number a NaN; both are refused before they are formed, so a
// result that is not finite has overflowed.
class [[nodiscard]] Interim {
public:
    // A constant of the program (1.0, 180.0, the 15-digit pi). A double computed at run time
    // has no way in: it went round the checks.
    consteval Interim(double constant) : value_(constant) {}  // NOLINT: a literal reads as one

    // A value as a user typed it or as the record holds it. The field check refuses any text
    // beyond the doubles; one that is not finite all the same has overflowed.
    static Interim typed(double value) noexcept;

    // Negation is exact and cannot fault.
    friend Interim operator-(Interim x) noexcept;
    friend Interim operator+(Interim a, Interim b) noexcept;
    friend Interim operator-(Interim a, Interim b) noexcept;
    friend Interim operator*(Interim a, Interim b) noexcept;
    // A zero divisor (of either sign) is a division by zero whatever the dividend, 0 included.
    friend Interim operator/(Interim a, Interim b) noexcept;

    // x raised to the power 2 by the platform's power function. It is not x·x: the two differ
    // in the last bit for some values (1.1019384605399423, for one), and the results must be
    // those of the power function.
    friend Interim square(Interim x) noexcept;
    friend Interim squareRoot(Interim x) noexcept;
    friend Interim cosine(Interim x) noexcept;
    friend Interim sine(Interim x) noexcept;
    friend Interim arctangent(Interim x) noexcept;

private:
    // Only storing into the record raises a fault, with the name of the quantity being formed.
    template <Quantity Q, Quantity R>
    friend void form(Field<Q, R>& target, Interim value);
    template <Quantity Q, Quantity R>
    friend void formReading(Field<Q, R>& target, Interim value);
    friend class WorkOperands;

    double valueOrRaise(Quantity quantity) const {
        if (fault_) [[unlikely]] {
            throw FloatingPointFault(*fault_, quantity);
        }
        return value_;
    }

    Interim(double value, std::optional<FaultKind> fault) noexcept : value_(value), fault_(fault) {}
    // The step's result from operands that carry no fault, or the first operand's fault.
    static Interim stepResult(double result, Interim a, Interim b) noexcept;
    static Interim stepResult(double result, Interim x) noexcept;

    double value_;
    std::optional<FaultKind> fault_;
};

// Declared here too, so that a field or a constant finds them as well as an Interim does.
Interim operator-(Interim x) noexcept;
Interim operator+(Interim a, Interim b) noexcept;
Interim operator-(Interim a, Interim b) noexcept;
Interim operator*(Interim a, Interim b) noexcept;
Interim operator/(Interim a, Interim b) noexcept;
Interim square(Interim x) noexcept;
Interim squareRoot(Interim x) noexcept;
Interim cosine(Interim x) noexcept;
Interim sine(Interim x) noexcept;
Interim arctangent(Interim x) noexcept;

// A double of the record formed as quantity Q; read from a window, it is formed as quantity
// WhenRead (an admittance is named apart when it is read and normalised by Ro). It reads as an
// Interim in arithmetic and as a double only when asked.
template <Quantity Q, Quantity WhenRead>
class Field {
public:
    operator Interim() const noexcept { return Interim::typed(value_); }  // NOLINT: an operand
    explicit operator double() const noexcept { return value_; }

private:
    template <Quantity FQ, Quantity FR>
    friend void form(Field<FQ, FR>& target, Interim value);
    template <Quantity FQ, Quantity FR>
    friend void formReading(Field<FQ, FR>& target, Interim value);

    double value_ = 0.0;
};

// Stores `value`, or raises its first fault named by the field's quantity, nothing stored.
template <Quantity Q, Quantity R>
void form(Field<Q, R>& target, Interim value) {
    target.value_ = value.valueOrRaise(Q);
}

// The same for a value read from a window's field, named as the field is named when read.
template <Quantity Q, Quantity R>
void formReading(Field<Q, R>& target, Interim value) {
    target.value_ = value.valueOrRaise(R);
}

// A value of the record that is only ever typed, never computed: it cannot fault.
class TypedValue {
public:
    operator Interim() const noexcept { return Interim::typed(value_); }  // NOLINT: an operand
    explicit operator double() const noexcept { return value_; }

private:
    friend void formReading(TypedValue& target, double typed) noexcept { target.value_ = typed; }

    double value_ = 0.0;
};

// One of the record's work operands, through which every complex product and quotient is
// formed (core/complex_arithmetic.h); a fault there is named by the quantity the operation forms.
class Work {
public:
    operator Interim() const noexcept { return Interim::typed(value_); }  // NOLINT: an operand
    explicit operator double() const noexcept { return value_; }

private:
    friend class WorkOperands;

    double value_ = 0.0;
};

}  // namespace quadripolo
