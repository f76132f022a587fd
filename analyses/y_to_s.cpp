// SPDX-License-Identifier: MIT
#include "y_to_s.h"

#include "core/complex_arithmetic.h"

namespace quadripolo {

namespace {

// Modulus, then the phase in degrees by the one-argument arctangent, shifted by 180 for a
// negative real part. A zero real part becomes 1E-100 so that the quotient is defined (±90
// degrees, or 0 when the imaginary part is 0 too).
void toPolar(Quantity magnitudeQuantity, Quantity phaseQuantity, ComplexField rectangular,
             CheckedDouble& magnitude, CheckedDouble& phase) {
    Step(magnitudeQuantity)
        .forms(magnitude, squareRoot(square(rectangular.re) + square(rectangular.im)));
    if (rectangular.re == 0.0) {
        rectangular.re = 1E-100;
    }
    Step(phaseQuantity).forms(phase, (arctangent(rectangular.im / rectangular.re) * 180.0) / kPi15);
    if (rectangular.re < 0.0) {
        Step(phaseQuantity).forms(phase, phase + 180.0);
    }
}

}  // namespace

void convertYToS(NetworkState& state) {
    ComplexStep(state, Quantity::Y11Y22)
        .first(state.y11Re, state.y11Im)
        .second(state.y22Re, state.y22Im)
        .productInto({state.y11y22Re, state.y11y22Im});
    ComplexStep(state, Quantity::DeltaY)  // Δ = y11·y22 − y12·y21
        .first(state.y12Re, state.y12Im)
        .second(state.y21Re, state.y21Im)
        .productThen([&](CheckedDouble re, CheckedDouble im) {
            state.deltaYRe = state.y11y22Re - re;
            state.deltaYIm = state.y11y22Im - im;
        });

    Step(Quantity::ConvDen)  // D = 1 + y11 + y22 + Δ
        .forms(state.convDenRe, ((state.y11Re + 1.0) + state.y22Re) + state.deltaYRe)
        .forms(state.convDenIm, (state.y22Im + state.y11Im) + state.deltaYIm);

    ComplexStep(state, Quantity::S11)
        .first(((1.0 - state.y11Re) + state.y22Re) - state.deltaYRe,
               ((-state.y11Im) + state.y22Im) - state.deltaYIm)
        .second(state.convDenRe, state.convDenIm)
        .quotientInto({state.s11Re, state.s11Im});
    ComplexStep(state, Quantity::S12)
        .first(state.y12Re * (-2.0), state.y12Im * (-2.0))
        .second(state.convDenRe, state.convDenIm)
        .quotientInto({state.s12Re, state.s12Im});
    ComplexStep(state, Quantity::S21)
        .first(state.y21Re * (-2.0), state.y21Im * (-2.0))
        .second(state.convDenRe, state.convDenIm)
        .quotientInto({state.s21Re, state.s21Im});
    ComplexStep(state, Quantity::S22)
        .first(((state.y11Re + 1.0) - state.y22Re) - state.deltaYRe,
               (state.y11Im - state.y22Im) - state.deltaYIm)
        .second(state.convDenRe, state.convDenIm)
        .quotientInto({state.s22Re, state.s22Im});

    toPolar(Quantity::S11Mag, Quantity::S11Phase, {state.s11Re, state.s11Im}, state.s11Mag,
            state.s11Phase);
    toPolar(Quantity::S12Mag, Quantity::S12Phase, {state.s12Re, state.s12Im}, state.s12Mag,
            state.s12Phase);
    toPolar(Quantity::S21Mag, Quantity::S21Phase, {state.s21Re, state.s21Im}, state.s21Mag,
            state.s21Phase);
    toPolar(Quantity::S22Mag, Quantity::S22Phase, {state.s22Re, state.s22Im}, state.s22Mag,
            state.s22Phase);
}

}  // namespace quadripolo
