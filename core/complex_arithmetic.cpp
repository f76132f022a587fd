// SPDX-License-Identifier: MIT
#include "complex_arithmetic.h"

namespace quadripolo {

void WorkOperands::form(Work& target, Interim value, Quantity quantity) {
    target.value_ = value.valueOrRaise(quantity);
}

// Both parts are formed before either is stored.
void WorkOperands::form(Work& re, Work& im, const ComplexInterim& value, Quantity quantity) {
    const double formedRe = value.re.valueOrRaise(quantity);
    const double formedIm = value.im.valueOrRaise(quantity);
    re.value_ = formedRe;
    im.value_ = formedIm;
}

void WorkOperands::formResult(NetworkState& state, ComplexRoutine routine,
                              const ComplexInterim& first, const ComplexInterim& second,
                              Quantity quantity) {
    form(state.workARe, state.workAIm, first, quantity);
    form(state.workBRe, state.workBIm, second, quantity);
    const Interim p = state.workARe;
    const Interim q = state.workAIm;
    const Interim r = state.workBRe;
    const Interim s = state.workBIm;
    switch (routine) {
        case ComplexRoutine::Product:
            form(state.workResultRe, p * r - q * s, quantity);
            form(state.workResultIm, p * s + q * r, quantity);
            return;
        case ComplexRoutine::Quotient:
            // The dividend is formed before the divisor, so a dividend that overflows is
            // reported as such even where the divisor is zero.
            form(state.workResultRe, (p * r + q * s) / (square(r) + square(s)), quantity);
            form(state.workResultIm, (q * r - p * s) / (square(r) + square(s)), quantity);
            return;
    }
}

Interim degreesToRadians(Interim degrees) {
    return (degrees * kPi15) / 180.0;
}

namespace {

template <Quantity Q>
void polarToRectangular(Interim magnitude, Interim phase, Field<Q>& re, Field<Q>& im) {
    form(re, magnitude * cosine(phase));
    form(im, magnitude * sine(phase));
}

}  // namespace

void toRectangular(NetworkState& state) {
    polarToRectangular(state.s11Mag, state.s11Phase, state.s11Re, state.s11Im);
    polarToRectangular(state.s12Mag, state.s12Phase, state.s12Re, state.s12Im);
    polarToRectangular(state.s21Mag, state.s21Phase, state.s21Re, state.s21Im);
    polarToRectangular(state.s22Mag, state.s22Phase, state.s22Re, state.s22Im);
}

}  // namespace quadripolo
