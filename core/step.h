// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "checked_double.h"
#include "floating_point_fault.h"

namespace quadripolo {

// One step of a routine, named by the quantity it forms for exactly as long as it lives: a fault
// raised meanwhile carries that name, and outside every step none is named. A step made as a
// temporary lives for the statement that makes it, and a call's object is formed before its
// arguments, so the values handed to forms() are formed while the step names them:
//
//     Step(Quantity::Pl).forms(state.pl, (square(state.b2Re) + square(state.b2Im)) - ...);
//
// A second forms() in the same chain forms its value after the first has stored its own, as an
// imaginary part is formed after its real part.
class [[nodiscard]] Step {
public:
    explicit Step(Quantity quantity) noexcept;
    ~Step();
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

    Step& forms(CheckedDouble& target, CheckedDouble value) {
        target = value;
        return *this;
    }

private:
    std::optional<Quantity> outer_;
};

}  // namespace quadripolo
