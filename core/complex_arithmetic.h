// SPDX-License-Identifier: MIT
#pragma once

#include "checked_double.h"
#include "network_state.h"
#include "step.h"

namespace quadripolo {

// (p + jq) · (r + js): re = p·r − q·s is stored before im = p·s + q·r is formed, so the result
// must not share storage with an operand.
void complexMultiply(CheckedDouble& p, CheckedDouble& q, CheckedDouble& r, CheckedDouble& s,
                     CheckedDouble& re, CheckedDouble& im);

// (p + jq) / (r + js), formed as written, without rescaling: re = (p·r + q·s) / (r² + s²) is
// stored before im = (q·r − p·s) / (r² + s²), the divisor formed again. r² + s² may overflow or
// underflow where the quotient itself would be representable, and then the step faults.
void complexDivide(CheckedDouble& p, CheckedDouble& q, CheckedDouble& r, CheckedDouble& s,
                   CheckedDouble& re, CheckedDouble& im);

// A complex value of the record held in two fields, real part then imaginary part: the place a
// complex step stores its result, and what the helpers of the routines take.
struct ComplexField {
    CheckedDouble& re;
    CheckedDouble& im;
};

// One complex product or quotient through the record's work operands, written in the order in
// which it is formed, and named by the quantity it forms for the whole statement: the first
// operand is formed and stored into workARe, workAIm, the second into workBRe, workBIm, the
// routine leaves workResultRe, workResultIm, and the last link stores what the step forms from
// them. A fault on the way names the quantity, and what was stored before it stays.
//
//     ComplexStep(state, Quantity::GammaIn)
//         .first(state.ziRe - state.ro, state.ziIm)
//         .second(state.ziRe + state.ro, state.ziIm)
//         .quotientInto({state.gammaInRe, state.gammaInIm});
class ComplexStep {
public:
    ComplexStep(NetworkState& state, Quantity quantity) noexcept;

    ComplexStep& first(CheckedDouble re, CheckedDouble im);
    ComplexStep& second(CheckedDouble re, CheckedDouble im);

    // The result copied into `result`.
    void productInto(ComplexField result);
    void quotientInto(ComplexField result);
    // result.re = factor × the quotient's real part, then result.im = factor × its imaginary.
    void quotientTimesInto(CheckedDouble factor, ComplexField result);
    // result.re = the quotient's real part / divisor, then result.im = its imaginary / divisor.
    void quotientOverInto(CheckedDouble divisor, ComplexField result);
    // finish(real part, imaginary part): the statements that complete the quantity from the
    // result, still named by it.
    template <class Finish>
    void productThen(Finish finish) {
        product();
        finish(state_.workResultRe, state_.workResultIm);
    }
    template <class Finish>
    void quotientThen(Finish finish) {
        quotient();
        finish(state_.workResultRe, state_.workResultIm);
    }

private:
    void product();
    void quotient();

    NetworkState& state_;
    Step step_;
};

// The 15-digit literal with which angles are converted; its double lies 7 units in the last
// place below the double nearest to pi, and every stored phase depends on it.
inline constexpr double kPi15 = 3.14159265358979;

// (degrees × 3.14159265358979) / 180: the product first, then the quotient.
CheckedDouble degreesToRadians(CheckedDouble degrees);

// S11, S12, S21, S22 in that order: Re = modulus × cos(phase), then Im = modulus × sin(phase),
// the phase in radians.
void toRectangular(NetworkState& state);

}  // namespace quadripolo
