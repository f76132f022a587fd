// SPDX-License-Identifier: MIT
// S to z and y against the real resistance Ro. Each sum is formed left to right exactly as
// written, on real and imaginary parts separately.
#include "s_to_zy.h"

#include "complex_arithmetic.h"

namespace quadripolo {

namespace {

// The last link of a diagonal z parameter's numerator: S12·S21 + the product of its factors.
auto addedToS12S21(NetworkState& state, ComplexField numerator) {
    return [&state, numerator](CheckedDouble re, CheckedDouble im) {
        numerator.re = state.s12s21Re + re;
        numerator.im = state.s12s21Im + im;
    };
}

void convertSToZ(NetworkState& state) {
    ComplexStep(state, Quantity::ZDenLeft)  // (1 − S11)(1 − S22)
        .first(1.0 - state.s11Re, -state.s11Im)
        .second(1.0 - state.s22Re, -state.s22Im)
        .productInto({state.zDenLeftRe, state.zDenLeftIm});
    ComplexStep(state, Quantity::S12S21)
        .first(state.s12Re, state.s12Im)
        .second(state.s21Re, state.s21Im)
        .productInto({state.s12s21Re, state.s12s21Im});
    Step(Quantity::ConvDen)  // Dz = (1 − S11)(1 − S22) − S12·S21
        .forms(state.convDenRe, state.zDenLeftRe - state.s12s21Re)
        .forms(state.convDenIm, state.zDenLeftIm - state.s12s21Im);

    ComplexStep(state, Quantity::Z11Num)  // S12·S21 + (1 + S11)(1 − S22)
        .first(state.s11Re + 1.0, state.s11Im)
        .second(1.0 - state.s22Re, -state.s22Im)
        .productThen(addedToS12S21(state, {state.z11NumRe, state.z11NumIm}));
    // z = Ro × (dividend / Dz).
    ComplexStep(state, Quantity::Z11)
        .first(state.z11NumRe, state.z11NumIm)
        .second(state.convDenRe, state.convDenIm)
        .quotientTimesInto(state.ro, {state.z11Re, state.z11Im});
    ComplexStep(state, Quantity::Z12)
        .first(state.s12Re + state.s12Re, state.s12Im + state.s12Im)
        .second(state.convDenRe, state.convDenIm)
        .quotientTimesInto(state.ro, {state.z12Re, state.z12Im});
    ComplexStep(state, Quantity::Z21)
        .first(state.s21Re + state.s21Re, state.s21Im + state.s21Im)
        .second(state.convDenRe, state.convDenIm)
        .quotientTimesInto(state.ro, {state.z21Re, state.z21Im});
    ComplexStep(state, Quantity::Z22Num)  // S12·S21 + (1 − S11)(1 + S22)
        .first(1.0 - state.s11Re, -state.s11Im)
        .second(state.s22Re + 1.0, state.s22Im)
        .productThen(addedToS12S21(state, {state.z22NumRe, state.z22NumIm}));
    ComplexStep(state, Quantity::Z22)
        .first(state.z22NumRe, state.z22NumIm)
        .second(state.convDenRe, state.convDenIm)
        .quotientTimesInto(state.ro, {state.z22Re, state.z22Im});
}

// y straight from S, not by inverting z; both agree wherever both exist.
void convertSToY(NetworkState& state) {
    ComplexStep(state, Quantity::S11S22)
        .first(state.s11Re, state.s11Im)
        .second(state.s22Re, state.s22Im)
        .productInto({state.s11s22Re, state.s11s22Im});
    ComplexStep(state, Quantity::DeltaS)  // ΔS = S11·S22 − S12·S21
        .first(state.s12Re, state.s12Im)
        .second(state.s21Re, state.s21Im)
        .productThen([&](CheckedDouble re, CheckedDouble im) {
            state.deltaSRe = (-re) + state.s11s22Re;
            state.deltaSIm = (-im) + state.s11s22Im;
        });
    Step(Quantity::YDen)  // Dy = 1 + S11 + S22 + ΔS
        .forms(state.yDenRe, state.s11Re + 1.0 + state.s22Re + state.deltaSRe)
        .forms(state.yDenIm, state.s22Im + state.s11Im + state.deltaSIm);

    // y = (dividend / Dy) / Ro.
    ComplexStep(state, Quantity::Y11)
        .first(1.0 - state.s11Re + state.s22Re - state.deltaSRe,
               -state.s11Im + state.s22Im - state.deltaSIm)
        .second(state.yDenRe, state.yDenIm)
        .quotientOverInto(state.ro, {state.y11Re, state.y11Im});
    ComplexStep(state, Quantity::Y12)
        .first(state.s12Re * (-2.0), state.s12Im * (-2.0))
        .second(state.yDenRe, state.yDenIm)
        .quotientOverInto(state.ro, {state.y12Re, state.y12Im});
    ComplexStep(state, Quantity::Y21)
        .first(state.s21Re * (-2.0), state.s21Im * (-2.0))
        .second(state.yDenRe, state.yDenIm)
        .quotientOverInto(state.ro, {state.y21Re, state.y21Im});
    ComplexStep(state, Quantity::Y22)
        .first(state.s11Re + 1.0 - state.s22Re - state.deltaSRe,
               state.s11Im - state.s22Im - state.deltaSIm)
        .second(state.yDenRe, state.yDenIm)
        .quotientOverInto(state.ro, {state.y22Re, state.y22Im});
}

}  // namespace

void convertSToZY(NetworkState& state) {
    toRectangular(state);
    convertSToZ(state);
    solveByZ(state);
    convertSToY(state);
}

}  // namespace quadripolo
