// SPDX-License-Identifier: MIT
#pragma once

#include <limits>
#include <optional>
#include <span>

#include "floating_point_fault.h"

namespace quadripolo {

// The values of the record and how a value gets into one.
//
// Arithmetic on the record's values gives an Interim: the double and the first fault met on the
// way to it. An Interim is no double, and a value reaches a field of the record only by being
// formed into it, which raises that fault named by the field's own quantity before anything is
// stored:
// - a computed value through form(field, value), named by the field's quantity;
// - a typed value through formReading, named by the quantity the field is read as, which only the
//   reading of a window's fields can call (it alone makes the ReadingKey);
// - a complex product or quotient through the work operands, by form(state, re, im, operation)
//   (core/complex_arithmetic.h), named by the pair's quantity.
// The fields exist only in the record, and cannot be copied out of it. So the name of a fault
// comes from the field being formed, and cannot be forgotten or mistaken.
//
//     form(state.pl, (square(state.b2Re) + square(state.b2Im)) -
//                        (square(state.a2Re) + square(state.a2Im)));

struct NetworkState;
class Window;
struct InputField;

template <Quantity Q, Quantity WhenRead = Q>
class Field;

// What only the reading of a window's fields holds: the key to storing a typed value, and to
// making an Interim of a double known only at run time.
class ReadingKey {
    ReadingKey() = default;
    friend bool readFields(NetworkState& state, Window& window, std::span<const InputField> fields);
};

// A value on its way into a field: the result of each IEEE step in the order written, with the
// first fault among them. With finite operands only an overflow gives an infinity, and only 0/0
// or the square root of a negative number a NaN; both are refused before they are formed, so a
// result that is not finite has overflowed.
class [[nodiscard]] Interim {
public:
    // A constant of the program (1.0, 180.0, the 15-digit pi), which must be finite: any other
    // does not compile. A double computed at run time has no way in: it went round the checks.
    consteval Interim(double constant) : value_(constant) {  // NOLINT: a literal reads as one
        if (!(constant >= -std::numeric_limits<double>::max() &&
              constant <= std::numeric_limits<double>::max())) {
            throw "a constant of the program must be finite";
        }
    }

    // A value as a user typed it. The field check refuses any text beyond the doubles; one that
    // is not finite all the same has overflowed.
    Interim(double typed, ReadingKey) noexcept : Interim(typedValue(typed)) {}

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
    friend void formReading(Field<Q, R>& target, Interim value, ReadingKey key);
    friend class WorkOperands;
    // The record's values read as operands; each was checked when it was stored.
    template <Quantity Q, Quantity R>
    friend class Field;
    friend class TypedValue;
    friend class Work;

    static Interim typedValue(double value) noexcept;

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
// Interim in arithmetic and as a double only when asked. Only the record holds one.
template <Quantity Q, Quantity WhenRead>
class Field {
public:
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    operator Interim() const noexcept { return Interim::typedValue(value_); }  // NOLINT: operand
    explicit operator double() const noexcept { return value_; }

private:
    friend struct NetworkState;
    Field() = default;

    template <Quantity FQ, Quantity FR>
    friend void form(Field<FQ, FR>& target, Interim value);
    template <Quantity FQ, Quantity FR>
    friend void formReading(Field<FQ, FR>& target, Interim value, ReadingKey key);

    double value_ = 0.0;
};

// Stores `value`, or raises its first fault named by the field's quantity, nothing stored.
template <Quantity Q, Quantity R>
void form(Field<Q, R>& target, Interim value) {
    target.value_ = value.valueOrRaise(Q);
}

// The same for a value read from a window's field, named as the field is named when read.
template <Quantity Q, Quantity R>
void formReading(Field<Q, R>& target, Interim value, ReadingKey) {
    target.value_ = value.valueOrRaise(R);
}

// A value of the record that is only ever typed, never computed: it cannot fault.
class TypedValue {
public:
    TypedValue(const TypedValue&) = delete;
    TypedValue& operator=(const TypedValue&) = delete;

    operator Interim() const noexcept { return Interim::typedValue(value_); }  // NOLINT: operand
    explicit operator double() const noexcept { return value_; }

private:
    friend struct NetworkState;
    TypedValue() = default;

    friend void formReading(TypedValue& target, double typed, ReadingKey) noexcept {
        target.value_ = typed;
    }

    double value_ = 0.0;
};

// One of the record's work operands, through which every complex product and quotient is
// formed (core/complex_arithmetic.h); a fault there is named by the quantity the operation forms.
class Work {
public:
    Work(const Work&) = delete;
    Work& operator=(const Work&) = delete;

    operator Interim() const noexcept { return Interim::typedValue(value_); }  // NOLINT: operand
    explicit operator double() const noexcept { return value_; }

private:
    friend struct NetworkState;
    friend class WorkOperands;
    Work() = default;

    double value_ = 0.0;
};

}  // namespace quadripolo
