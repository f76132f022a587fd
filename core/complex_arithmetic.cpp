// SPDX-License-Identifier: MIT
#include "complex_arithmetic.h"

namespace quadripolo {

void complexMultiply(CheckedDouble& p, CheckedDouble& q, CheckedDouble& r, CheckedDouble& s,
                     CheckedDouble& re, CheckedDouble& im) {
    re = p * r - q * s;
    im = p * s + q * r;
}

void complexDivide(CheckedDouble& p, CheckedDouble& q, CheckedDouble& r, CheckedDouble& s,
                   CheckedDouble& re, CheckedDouble& im) {
    // The dividend is formed before the divisor, so a dividend that overflows is reported as
    // such even where the divisor is zero.
    const CheckedDouble dividendRe = p * r + q * s;
    re = dividendRe / (square(r) + square(s));
    const CheckedDouble dividendIm = q * r - p * s;
    im = dividendIm / (square(r) + square(s));
}

ComplexStep::ComplexStep(NetworkState& state, Quantity quantity) noexcept
    : state_(state), step_(quantity) {}

ComplexStep& ComplexStep::first(CheckedDouble re, CheckedDouble im) {
    state_.workARe = re;
    state_.workAIm = im;
    return *this;
}

ComplexStep& ComplexStep::second(CheckedDouble re, CheckedDouble im) {
    state_.workBRe = re;
    state_.workBIm = im;
    return *this;
}

void ComplexStep::product() {
    complexMultiply(state_.workARe, state_.workAIm, state_.workBRe, state_.workBIm,
                    state_.workResultRe, state_.workResultIm);
}

void ComplexStep::quotient() {
    complexDivide(state_.workARe, state_.workAIm, state_.workBRe, state_.workBIm,
                  state_.workResultRe, state_.workResultIm);
}

void ComplexStep::productInto(ComplexField result) {
    product();
    result.re = state_.workResultRe;
    result.im = state_.workResultIm;
}

void ComplexStep::quotientInto(ComplexField result) {
    quotient();
    result.re = state_.workResultRe;
    result.im = state_.workResultIm;
}

void ComplexStep::quotientTimesInto(CheckedDouble factor, ComplexField result) {
    quotient();
    result.re = factor * state_.workResultRe;
    result.im = factor * state_.workResultIm;
}

void ComplexStep::quotientOverInto(CheckedDouble divisor, ComplexField result) {
    quotient();
    result.re = state_.workResultRe / divisor;
    result.im = state_.workResultIm / divisor;
}

CheckedDouble degreesToRadians(CheckedDouble degrees) {
    return (degrees * kPi15) / 180.0;
}

namespace {

void polarToRectangular(Quantity quantity, CheckedDouble magnitude, CheckedDouble phase,
                        ComplexField rectangular) {
    Step(quantity)
        .forms(rectangular.re, magnitude * cosine(phase))
        .forms(rectangular.im, magnitude * sine(phase));
}

}  // namespace

void toRectangular(NetworkState& state) {
    polarToRectangular(Quantity::S11, state.s11Mag, state.s11Phase, {state.s11Re, state.s11Im});
    polarToRectangular(Quantity::S12, state.s12Mag, state.s12Phase, {state.s12Re, state.s12Im});
    polarToRectangular(Quantity::S21, state.s21Mag, state.s21Phase, {state.s21Re, state.s21Im});
    polarToRectangular(Quantity::S22, state.s22Mag, state.s22Phase, {state.s22Re, state.s22Im});
}

}  // namespace quadripolo
