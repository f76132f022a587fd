// SPDX-License-Identifier: MIT
#include "terminated_solution.h"

#include "core/complex_arithmetic.h"

namespace quadripolo {

namespace {

// A reflected wave, b1 = S11·a1 + S12·a2 or b2 = S21·a1 + S22·a2: each product kept in its
// field, then their sum.
template <Quantity Q>
void formReflectedWave(NetworkState& state, ComplexInterim sOfA1, ComplexInterim sOfA2,
                       Field<Q>& productWithA1Re, Field<Q>& productWithA1Im,
                       Field<Q>& productWithA2Re, Field<Q>& productWithA2Im, Field<Q>& re,
                       Field<Q>& im) {
    form(state, productWithA1Re, productWithA1Im, product(sOfA1, {state.a1Re, state.a1Im}));
    form(state, productWithA2Re, productWithA2Im, product(sOfA2, {state.a2Re, state.a2Im}));
    form(re, productWithA1Re + productWithA2Re);
    form(im, productWithA1Im + productWithA2Im);
}

// The chain common to both passes, once a2OverA1 is set: Γin, Zi, V1 and the four waves.
void solveFromA2OverA1(NetworkState& state) {
    form(state, state.s12A2OverA1Re, state.s12A2OverA1Im,
         product({state.s12Re, state.s12Im}, {state.a2OverA1Re, state.a2OverA1Im}));

    form(state, state.ziRe, state.ziIm,  // zn = (1 + Γin) / (1 − Γin), Zi = Ro·zn
         quotient({(state.s11Re + 1.0) + state.s12A2OverA1Re, state.s12A2OverA1Im + state.s11Im},
                  {(1.0 - state.s11Re) - state.s12A2OverA1Re, (-state.s11Im) - state.s12A2OverA1Im})
             .times(state.ro));

    form(state, state.gammaInRe, state.gammaInIm,  // formed again from Zi; this one is used next
         quotient({state.ziRe - state.ro, state.ziIm}, {state.ziRe + state.ro, state.ziIm}));

    form(state, state.v1Re, state.v1Im,
         quotient({state.eRms * state.ziRe, state.eRms * state.ziIm},
                  {state.zeRe + state.ziRe, state.zeIm + state.ziIm}));

    form(state, state.a1Re, state.a1Im,  // V1 = √Ro·a1·(1 + Γin)
         quotient({state.v1Re, state.v1Im}, {squareRoot(state.ro) * (state.gammaInRe + 1.0),
                                             squareRoot(state.ro) * state.gammaInIm}));

    form(state, state.a2Re, state.a2Im,
         product({state.a1Re, state.a1Im}, {state.a2OverA1Re, state.a2OverA1Im}));

    formReflectedWave(state, {state.s11Re, state.s11Im}, {state.s12Re, state.s12Im}, state.s11A1Re,
                      state.s11A1Im, state.s12A2Re, state.s12A2Im, state.b1Re, state.b1Im);
    formReflectedWave(state, {state.s21Re, state.s21Im}, {state.s22Re, state.s22Im}, state.s21A1Re,
                      state.s21A1Im, state.s22A2Re, state.s22A2Im, state.b2Re, state.b2Im);
}

// a2 / a1 = S21·ΓL / (1 − S22·ΓL), from the two products as they stand.
void solveForLoadReflection(NetworkState& state) {
    form(state, state.a2OverA1Re, state.a2OverA1Im,
         quotient({state.s21GammaLRe, state.s21GammaLIm},
                  {1.0 - state.s22GammaLRe, -state.s22GammaLIm}));
    solveFromA2OverA1(state);
}

// V2 = √Ro·(b2 + a2), real part then imaginary part.
template <Quantity Q>
void formPortVoltage(NetworkState& state, Field<Q>& re, Field<Q>& im) {
    form(re, squareRoot(state.ro) * (state.b2Re + state.a2Re));
    form(im, squareRoot(state.ro) * (state.b2Im + state.a2Im));
}

}  // namespace

void solveOpenOutput(NetworkState& state) {
    toRectangular(state);

    // An open output reflects fully: ΓL = 1, so S21·ΓL and S22·ΓL are S21 and S22.
    form(state.s22GammaLRe, state.s22Re);
    form(state.s22GammaLIm, state.s22Im);
    form(state.s21GammaLRe, state.s21Re);
    form(state.s21GammaLIm, state.s21Im);
    solveForLoadReflection(state);

    formPortVoltage(state, state.v2OpenRe, state.v2OpenIm);
}

void solveLoaded(NetworkState& state) {
    toRectangular(state);

    form(state, state.gammaLRe, state.gammaLIm,
         quotient({state.zlRe - state.ro, state.zlIm}, {state.ro + state.zlRe, state.zlIm}));
    form(state, state.s21GammaLRe, state.s21GammaLIm,
         product({state.s21Re, state.s21Im}, {state.gammaLRe, state.gammaLIm}));
    form(state, state.s22GammaLRe, state.s22GammaLIm,
         product({state.s22Re, state.s22Im}, {state.gammaLRe, state.gammaLIm}));
    solveForLoadReflection(state);

    form(state.pl,
         (square(state.b2Re) + square(state.b2Im)) - (square(state.a2Re) + square(state.a2Im)));
    form(state.pin,
         (square(state.a1Re) + square(state.a1Im)) - (square(state.b1Re) + square(state.b1Im)));

    formPortVoltage(state, state.v2Re, state.v2Im);

    // The output seen as V2open behind Zout, closed on ZL: Zout = ZL·(V2open − V2)/V2. A short
    // circuit makes that 0 × (a quotient of rounding noise, V2 being 0); there Zout is the open
    // voltage over the short-circuit current, V2open/(−I2), formed once the currents are known.
    const bool shortCircuitLoad = double(state.zlRe) == 0.0 && double(state.zlIm) == 0.0;
    if (!shortCircuitLoad) {
        form(state, state.zoutPerZlRe, state.zoutPerZlIm,
             quotient({state.v2OpenRe - state.v2Re, state.v2OpenIm - state.v2Im},
                      {state.v2Re, state.v2Im}));
        form(state, state.zoutRe, state.zoutIm,
             product({state.zoutPerZlRe, state.zoutPerZlIm}, {state.zlRe, state.zlIm}));
    }

    // The currents multiply by the reciprocal of √Ro, formed first.
    form(state.i1Re, (state.a1Re - state.b1Re) * (1.0 / squareRoot(state.ro)));
    form(state.i1Im, (state.a1Im - state.b1Im) * (1.0 / squareRoot(state.ro)));
    form(state.i2Re, (state.a2Re - state.b2Re) * (1.0 / squareRoot(state.ro)));
    form(state.i2Im, (state.a2Im - state.b2Im) * (1.0 / squareRoot(state.ro)));

    if (shortCircuitLoad) {
        form(state, state.zoutRe, state.zoutIm,
             quotient({state.v2OpenRe, state.v2OpenIm}, {-state.i2Re, -state.i2Im}));
    }
}

}  // namespace quadripolo
