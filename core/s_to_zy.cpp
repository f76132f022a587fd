// SPDX-License-Identifier: MIT
// S to z and y against the real resistance Ro. Each sum is formed left to right exactly as
// written, on real and imaginary parts separately.
#include "s_to_zy.h"

#include "complex_arithmetic.h"

namespace quadripolo {

namespace {

// A diagonal z parameter, once the product of its two factors stands in the work result:
// numerator = S12·S21 + that product, kept in its field, then z = Ro × (numerator / Dz).
void diagonalZ(NetworkState& state, Quantity z, ComplexField numerator, ComplexField result) {
    numerator.re = state.s12s21Re + state.workResultRe;
    numerator.im = state.s12s21Im + state.workResultIm;
    ComplexStep(state, z)
        .first(numerator.re, numerator.im)
        .second(state.convDenRe, state.convDenIm)
        .quotientTimesInto(state.ro, result);
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
    forming(Quantity::ConvDen);  // Dz = (1 − S11)(1 − S22) − S12·S21
    state.convDenRe = state.zDenLeftRe - state.s12s21Re;
    state.convDenIm = state.zDenLeftIm - state.s12s21Im;

    ComplexStep(state, Quantity::Z11Num)  // (1 + S11)(1 − S22)
        .first(state.s11Re + 1.0, state.s11Im)
        .second(1.0 - state.s22Re, -state.s22Im)
        .product();
    diagonalZ(state, Quantity::Z11, {state.z11NumRe, state.z11NumIm}, {state.z11Re, state.z11Im});
    // The off-diagonal ones: z12 = Ro × (2·S12 / Dz), z21 likewise.
    ComplexStep(state, Quantity::Z12)
        .first(state.s12Re + state.s12Re, state.s12Im + state.s12Im)
        .second(state.convDenRe, state.convDenIm)
        .quotientTimesInto(state.ro, {state.z12Re, state.z12Im});
    ComplexStep(state, Quantity::Z21)
        .first(state.s21Re + state.s21Re, state.s21Im + state.s21Im)
        .second(state.convDenRe, state.convDenIm)
        .quotientTimesInto(state.ro, {state.z21Re, state.z21Im});

    ComplexStep(state, Quantity::Z22Num)  // (1 − S11)(1 + S22)
        .first(1.0 - state.s11Re, -state.s11Im)
        .second(state.s22Re + 1.0, state.s22Im)
        .product();
    diagonalZ(state, Quantity::Z22, {state.z22NumRe, state.z22NumIm}, {state.z22Re, state.z22Im});
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
        .product();
    state.deltaSRe = (-state.workResultRe) + state.s11s22Re;
    state.deltaSIm = (-state.workResultIm) + state.s11s22Im;

    forming(Quantity::YDen);  // Dy = 1 + S11 + S22 + ΔS
    state.yDenRe = state.s11Re + 1.0 + state.s22Re + state.deltaSRe;
    state.yDenIm = state.s22Im + state.s11Im + state.deltaSIm;

    // y = (numerator / Dy) / Ro.
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
