// SPDX-License-Identifier: MIT
#include "y_to_s.h"

#include "core/complex_arithmetic.h"

namespace quadripolo {

namespace {

// Modulus, then the phase in degrees by the one-argument arctangent, shifted by 180 for a
// negative real part. A zero real part becomes 1E-100 so that the quotient is defined (±90
// degrees, or 0 when the imaginary part is 0 too).
template <Quantity S, Quantity Magnitude, Quantity Phase>
void formPolar(Field<S>& re, Field<S>& im, Field<Magnitude>& magnitude, Field<Phase>& phase) {
    form(magnitude, squareRoot(square(re) + square(im)));
    if (double(re) == 0.0) {
        form(re, 1E-100);
    }
    form(phase, (arctangent(im / re) * 180.0) / kPi15);
    if (double(re) < 0.0) {
        form(phase, phase + 180.0);
    }
}

}  // namespace

void convertYToS(NetworkState& state) {
    form(state, state.y11y22Re, state.y11y22Im,
         product({state.y11Re, state.y11Im}, {state.y22Re, state.y22Im}));
    form(state, state.deltaYRe, state.deltaYIm,  // Δ = y11·y22 − y12·y21
         product({state.y12Re, state.y12Im}, {state.y21Re, state.y21Im})
             .then([&state](Interim re, Interim im) {
                 return ComplexInterim{state.y11y22Re - re, state.y11y22Im - im};
             }));

    // D = 1 + y11 + y22 + Δ
    form(state.convDenRe, ((state.y11Re + 1.0) + state.y22Re) + state.deltaYRe);
    form(state.convDenIm, (state.y22Im + state.y11Im) + state.deltaYIm);

    const ComplexInterim d{state.convDenRe, state.convDenIm};
    form(state, state.s11Re, state.s11Im,
         quotient({((1.0 - state.y11Re) + state.y22Re) - state.deltaYRe,
                   ((-state.y11Im) + state.y22Im) - state.deltaYIm},
                  d));
    form(state, state.s12Re, state.s12Im,
         quotient({state.y12Re * (-2.0), state.y12Im * (-2.0)}, d));
    form(state, state.s21Re, state.s21Im,
         quotient({state.y21Re * (-2.0), state.y21Im * (-2.0)}, d));
    form(state, state.s22Re, state.s22Im,
         quotient({((state.y11Re + 1.0) - state.y22Re) - state.deltaYRe,
                   (state.y11Im - state.y22Im) - state.deltaYIm},
                  d));

    formPolar(state.s11Re, state.s11Im, state.s11Mag, state.s11Phase);
    formPolar(state.s12Re, state.s12Im, state.s12Mag, state.s12Phase);
    formPolar(state.s21Re, state.s21Im, state.s21Mag, state.s21Phase);
    formPolar(state.s22Re, state.s22Im, state.s22Mag, state.s22Phase);
}

}  // namespace quadripolo
