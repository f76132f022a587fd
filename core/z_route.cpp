// SPDX-License-Identifier: MIT
// The analysis with z parameters lives in core, not in analyses: it is a stage of convertSToZY,
// which runs it between z and y on every call, for either of its two commands.
#include "complex_arithmetic.h"
#include "s_to_zy.h"

namespace quadripolo {

namespace {

// The impedance seen at one port with `load` on the other: z − z12·z21 / (load + zOther), so
// Zi = z11 − Q with Q = z12·z21 / (ZL + z22), and Zout = z22 − U with U = z12·z21 / (Ze + z11).
// The quotient has no field of its own: a fault in it is named by the impedance it leads to.
template <Quantity Q>
void formPortImpedance(NetworkState& state, ComplexInterim z, ComplexInterim load,
                       ComplexInterim zOther, Field<Q>& re, Field<Q>& im) {
    form(state, re, im,
         quotient({state.z12z21Re, state.z12z21Im}, {load.re + zOther.re, load.im + zOther.im})
             .then([z](Interim quotientRe, Interim quotientIm) {
                 return ComplexInterim{z.re - quotientRe, z.im - quotientIm};
             }));
}

}  // namespace

void solveByZ(NetworkState& state) {
    form(state, state.z12z21Re, state.z12z21Im,
         product({state.z12Re, state.z12Im}, {state.z21Re, state.z21Im}));

    formPortImpedance(state, {state.z11Re, state.z11Im}, {state.zlRe, state.zlIm},
                      {state.z22Re, state.z22Im}, state.ziByZRe, state.ziByZIm);

    form(state, state.v1ByZRe, state.v1ByZIm,  // V1 = E·Zi / (Ze + Zi)
         quotient({state.eRms * state.ziByZRe, state.eRms * state.ziByZIm},
                  {state.zeRe + state.ziByZRe, state.zeIm + state.ziByZIm}));

    form(state, state.v2ByZNumRe, state.v2ByZNumIm,  // N = (E·ZL)·z21
         product({state.eRms * state.zlRe, state.eRms * state.zlIm}, {state.z21Re, state.z21Im}));
    form(state, state.v2ByZDenRe, state.v2ByZDenIm,  // M = (ZL + z22)·(Ze + Zi)
         product({state.zlRe + state.z22Re, state.zlIm + state.z22Im},
                 {state.zeRe + state.ziByZRe, state.zeIm + state.ziByZIm}));
    form(state, state.v2ByZRe, state.v2ByZIm,
         quotient({state.v2ByZNumRe, state.v2ByZNumIm}, {state.v2ByZDenRe, state.v2ByZDenIm}));

    form(state, state.i2ByZRe, state.i2ByZIm,  // I2 = −(V2 / ZL): the load carries −I2
         quotient({state.v2ByZRe, state.v2ByZIm}, {state.zlRe, state.zlIm})
             .then([](Interim re, Interim im) { return ComplexInterim{-re, -im}; }));

    form(state.plByZ, (square(state.i2ByZRe) + square(state.i2ByZIm)) * state.zlRe);

    form(state, state.i1ByZRe, state.i1ByZIm,
         quotient({state.v1ByZRe, state.v1ByZIm}, {state.ziByZRe, state.ziByZIm}));

    // With the input resistance of this same solution.
    form(state.pinByZ, (square(state.i1ByZIm) + square(state.i1ByZRe)) * state.ziByZRe);

    formPortImpedance(state, {state.z22Re, state.z22Im}, {state.zeRe, state.zeIm},
                      {state.z11Re, state.z11Im}, state.zoutByZRe, state.zoutByZIm);
}

}  // namespace quadripolo
