// SPDX-License-Identifier: MIT
#include "terminated_solution.h"

#include "core/complex_arithmetic.h"

namespace quadripolo {

namespace {

// A reflected wave, b1 = S11·a1 + S12·a2 or b2 = S21·a1 + S22·a2: each product kept in its
// field, then their sum.
void reflectedWave(NetworkState& state, Quantity wave, ComplexField sOfA1, ComplexField sOfA2,
                   ComplexField productWithA1, ComplexField productWithA2, ComplexField result) {
    ComplexStep(state, wave)
        .first(sOfA1.re, sOfA1.im)
        .second(state.a1Re, state.a1Im)
        .productInto(productWithA1);
    ComplexStep(state, wave)
        .first(sOfA2.re, sOfA2.im)
        .second(state.a2Re, state.a2Im)
        .productThen([&](CheckedDouble re, CheckedDouble im) {
            productWithA2.re = re;
            productWithA2.im = im;
            result.re = productWithA1.re + productWithA2.re;
            result.im = productWithA1.im + productWithA2.im;
        });
}

// The chain common to both passes, once a2OverA1 is set: Γin, Zi, V1 and the four waves.
void solveFromA2OverA1(NetworkState& state) {
    ComplexStep(state, Quantity::S12A2OverA1)
        .first(state.s12Re, state.s12Im)
        .second(state.a2OverA1Re, state.a2OverA1Im)
        .productInto({state.s12A2OverA1Re, state.s12A2OverA1Im});

    ComplexStep(state, Quantity::Zi)  // zn = (1 + Γin) / (1 − Γin), Zi = Ro·zn
        .first((state.s11Re + 1.0) + state.s12A2OverA1Re, state.s12A2OverA1Im + state.s11Im)
        .second((1.0 - state.s11Re) - state.s12A2OverA1Re, (-state.s11Im) - state.s12A2OverA1Im)
        .quotientTimesInto(state.ro, {state.ziRe, state.ziIm});

    ComplexStep(state, Quantity::GammaIn)  // formed again from Zi; this value is the one used next
        .first(state.ziRe - state.ro, state.ziIm)
        .second(state.ziRe + state.ro, state.ziIm)
        .quotientInto({state.gammaInRe, state.gammaInIm});

    ComplexStep(state, Quantity::V1)
        .first(state.eRms * state.ziRe, state.eRms * state.ziIm)
        .second(state.zeRe + state.ziRe, state.zeIm + state.ziIm)
        .quotientInto({state.v1Re, state.v1Im});

    ComplexStep(state, Quantity::A1)  // V1 = √Ro·a1·(1 + Γin)
        .first(state.v1Re, state.v1Im)
        .second(squareRoot(state.ro) * (state.gammaInRe + 1.0),
                squareRoot(state.ro) * state.gammaInIm)
        .quotientInto({state.a1Re, state.a1Im});

    ComplexStep(state, Quantity::A2)
        .first(state.a1Re, state.a1Im)
        .second(state.a2OverA1Re, state.a2OverA1Im)
        .productInto({state.a2Re, state.a2Im});

    reflectedWave(state, Quantity::B1, {state.s11Re, state.s11Im}, {state.s12Re, state.s12Im},
                  {state.s11A1Re, state.s11A1Im}, {state.s12A2Re, state.s12A2Im},
                  {state.b1Re, state.b1Im});
    reflectedWave(state, Quantity::B2, {state.s21Re, state.s21Im}, {state.s22Re, state.s22Im},
                  {state.s21A1Re, state.s21A1Im}, {state.s22A2Re, state.s22A2Im},
                  {state.b2Re, state.b2Im});
}

// a2 / a1 = S21·ΓL / (1 − S22·ΓL), from the two products as they stand.
void solveForLoadReflection(NetworkState& state) {
    ComplexStep(state, Quantity::A2OverA1)
        .first(state.s21GammaLRe, state.s21GammaLIm)
        .second(1.0 - state.s22GammaLRe, -state.s22GammaLIm)
        .quotientInto({state.a2OverA1Re, state.a2OverA1Im});
    solveFromA2OverA1(state);
}

}  // namespace

void solveOpenOutput(NetworkState& state) {
    toRectangular(state);

    // An open output reflects fully: ΓL = 1, so S21·ΓL and S22·ΓL are S21 and S22.
    state.s22GammaLRe = state.s22Re;
    state.s22GammaLIm = state.s22Im;
    state.s21GammaLRe = state.s21Re;
    state.s21GammaLIm = state.s21Im;
    solveForLoadReflection(state);

    Step(Quantity::V2Open)
        .forms(state.v2OpenRe, squareRoot(state.ro) * (state.b2Re + state.a2Re))
        .forms(state.v2OpenIm, squareRoot(state.ro) * (state.b2Im + state.a2Im));
}

void solveLoaded(NetworkState& state) {
    toRectangular(state);

    ComplexStep(state, Quantity::GammaL)
        .first(state.zlRe - state.ro, state.zlIm)
        .second(state.ro + state.zlRe, state.zlIm)
        .quotientInto({state.gammaLRe, state.gammaLIm});
    ComplexStep(state, Quantity::S21GammaL)
        .first(state.s21Re, state.s21Im)
        .second(state.gammaLRe, state.gammaLIm)
        .productInto({state.s21GammaLRe, state.s21GammaLIm});
    ComplexStep(state, Quantity::S22GammaL)
        .first(state.s22Re, state.s22Im)
        .second(state.gammaLRe, state.gammaLIm)
        .productInto({state.s22GammaLRe, state.s22GammaLIm});
    solveForLoadReflection(state);

    Step(Quantity::Pl)
        .forms(state.pl, (square(state.b2Re) + square(state.b2Im)) -
                             (square(state.a2Re) + square(state.a2Im)));
    Step(Quantity::Pin)
        .forms(state.pin, (square(state.a1Re) + square(state.a1Im)) -
                              (square(state.b1Re) + square(state.b1Im)));

    Step(Quantity::V2)
        .forms(state.v2Re, squareRoot(state.ro) * (state.b2Re + state.a2Re))
        .forms(state.v2Im, squareRoot(state.ro) * (state.b2Im + state.a2Im));

    // The output seen as V2open behind Zout, closed on ZL: Zout = ZL·(V2open − V2)/V2. A short
    // circuit makes that 0 × (a quotient of rounding noise, V2 being 0); there Zout is the open
    // voltage over the short-circuit current, V2open/(−I2), formed once the currents are known.
    const bool shortCircuitLoad = state.zlRe == 0.0 && state.zlIm == 0.0;
    if (!shortCircuitLoad) {
        ComplexStep(state, Quantity::ZoutPerZl)
            .first(state.v2OpenRe - state.v2Re, state.v2OpenIm - state.v2Im)
            .second(state.v2Re, state.v2Im)
            .quotientInto({state.zoutPerZlRe, state.zoutPerZlIm});
        ComplexStep(state, Quantity::Zout)
            .first(state.zoutPerZlRe, state.zoutPerZlIm)
            .second(state.zlRe, state.zlIm)
            .productInto({state.zoutRe, state.zoutIm});
    }

    // The currents multiply by the reciprocal of √Ro, formed first.
    Step(Quantity::I1)
        .forms(state.i1Re, (state.a1Re - state.b1Re) * (1.0 / squareRoot(state.ro)))
        .forms(state.i1Im, (state.a1Im - state.b1Im) * (1.0 / squareRoot(state.ro)));
    Step(Quantity::I2)
        .forms(state.i2Re, (state.a2Re - state.b2Re) * (1.0 / squareRoot(state.ro)))
        .forms(state.i2Im, (state.a2Im - state.b2Im) * (1.0 / squareRoot(state.ro)));

    if (shortCircuitLoad) {
        ComplexStep(state, Quantity::Zout)
            .first(state.v2OpenRe, state.v2OpenIm)
            .second(-state.i2Re, -state.i2Im)
            .quotientInto({state.zoutRe, state.zoutIm});
    }
}

}  // namespace quadripolo
