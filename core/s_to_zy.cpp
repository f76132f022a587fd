// SPDX-License-Identifier: MIT
// S to z and y against the real resistance Ro. Each sum is formed left to right exactly as
// written, on real and imaginary parts separately.
#include "s_to_zy.h"

#include "complex_arithmetic.h"

namespace quadripolo {

namespace {

void convertSToZ(NetworkState& state) {
    form(state, state.zDenLeftRe, state.zDenLeftIm,  // (1 − S11)(1 − S22)
         product({1.0 - state.s11Re, -state.s11Im}, {1.0 - state.s22Re, -state.s22Im}));
    form(state, state.s12s21Re, state.s12s21Im,
         product({state.s12Re, state.s12Im}, {state.s21Re, state.s21Im}));
    // Dz = (1 − S11)(1 − S22) − S12·S21
    form(state.convDenRe, state.zDenLeftRe - state.s12s21Re);
    form(state.convDenIm, state.zDenLeftIm - state.s12s21Im);

    // The diagonal numerators: S12·S21 + the product of their factors.
    const auto addedToS12S21 = [&state](Interim re, Interim im) {
        return ComplexInterim{state.s12s21Re + re, state.s12s21Im + im};
    };
    form(state, state.z11NumRe, state.z11NumIm,  // S12·S21 + (1 + S11)(1 − S22)
         product({state.s11Re + 1.0, state.s11Im}, {1.0 - state.s22Re, -state.s22Im})
             .then(addedToS12S21));
    // z = Ro × (dividend / Dz).
    const ComplexInterim dz{state.convDenRe, state.convDenIm};
    form(state, state.z11Re, state.z11Im,
         quotient({state.z11NumRe, state.z11NumIm}, dz).times(state.ro));
    form(state, state.z12Re, state.z12Im,
         quotient({state.s12Re + state.s12Re, state.s12Im + state.s12Im}, dz).times(state.ro));
    form(state, state.z21Re, state.z21Im,
         quotient({state.s21Re + state.s21Re, state.s21Im + state.s21Im}, dz).times(state.ro));
    form(state, state.z22NumRe, state.z22NumIm,  // S12·S21 + (1 − S11)(1 + S22)
         product({1.0 - state.s11Re, -state.s11Im}, {state.s22Re + 1.0, state.s22Im})
             .then(addedToS12S21));
    form(state, state.z22Re, state.z22Im,
         quotient({state.z22NumRe, state.z22NumIm}, dz).times(state.ro));
}

// y straight from S, not by inverting z; both agree wherever both exist.
void convertSToY(NetworkState& state) {
    form(state, state.s11s22Re, state.s11s22Im,
         product({state.s11Re, state.s11Im}, {state.s22Re, state.s22Im}));
    form(state, state.deltaSRe, state.deltaSIm,  // ΔS = S11·S22 − S12·S21
         product({state.s12Re, state.s12Im}, {state.s21Re, state.s21Im})
             .then([&state](Interim re, Interim im) {
                 return ComplexInterim{(-re) + state.s11s22Re, (-im) + state.s11s22Im};
             }));
    // Dy = 1 + S11 + S22 + ΔS
    form(state.yDenRe, state.s11Re + 1.0 + state.s22Re + state.deltaSRe);
    form(state.yDenIm, state.s22Im + state.s11Im + state.deltaSIm);

    // y = (dividend / Dy) / Ro.
    const ComplexInterim dy{state.yDenRe, state.yDenIm};
    form(state, state.y11Re, state.y11Im,
         quotient({1.0 - state.s11Re + state.s22Re - state.deltaSRe,
                   -state.s11Im + state.s22Im - state.deltaSIm},
                  dy)
             .over(state.ro));
    form(state, state.y12Re, state.y12Im,
         quotient({state.s12Re * (-2.0), state.s12Im * (-2.0)}, dy).over(state.ro));
    form(state, state.y21Re, state.y21Im,
         quotient({state.s21Re * (-2.0), state.s21Im * (-2.0)}, dy).over(state.ro));
    form(state, state.y22Re, state.y22Im,
         quotient({state.s11Re + 1.0 - state.s22Re - state.deltaSRe,
                   state.s11Im - state.s22Im - state.deltaSIm},
                  dy)
             .over(state.ro));
}

}  // namespace

void convertSToZY(NetworkState& state) {
    toRectangular(state);
    convertSToZ(state);
    solveByZ(state);
    convertSToY(state);
}

}  // namespace quadripolo
