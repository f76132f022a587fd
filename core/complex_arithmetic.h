// SPDX-License-Identifier: MIT
#pragma once

#include "checked_double.h"
#include "floating_point_fault.h"
#include "network_state.h"

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
// which it is formed: the quantity is named, the first operand formed and stored into workARe,
// workAIm, the second into workBRe, workBIm, then the routine leaves workResultRe,
// workResultIm. A fault on the way names the quantity, and what was stored before it stays.
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

    // The result stays in workResultRe, workResultIm for the statements that finish the step.
    void product();
    void quotient();
    // The same, then the result is copied into `result`.
    void productInto(ComplexField result);
    void quotientInto(ComplexField result);
    // The quotient, then result.re = factor × its real part, result.im = factor × its imaginary.
    void quotientTimesInto(CheckedDouble factor, ComplexField result);
    // The quotient, then result.re = its real part / divisor, result.im = its imaginary / divisor.
    void quotientOverInto(CheckedDouble divisor, ComplexField result);

private:
    NetworkState& state_;
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
