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
void portImpedance(NetworkState& state, Quantity impedance, ComplexField z, ComplexField load,
                   ComplexField zOther, ComplexField result) {
    ComplexStep(state, impedance)
        .first(state.z12z21Re, state.z12z21Im)
        .second(load.re + zOther.re, load.im + zOther.im)
        .quotientThen([&](CheckedDouble re, CheckedDouble im) {
            result.re = z.re - re;
            result.im = z.im - im;
        });
}

}  // namespace

void solveByZ(NetworkState& state) {
    ComplexStep(state, Quantity::Z12Z21)
        .first(state.z12Re, state.z12Im)
        .second(state.z21Re, state.z21Im)
        .productInto({state.z12z21Re, state.z12z21Im});

    portImpedance(state, Quantity::ZiByZ, {state.z11Re, state.z11Im}, {state.zlRe, state.zlIm},
                  {state.z22Re, state.z22Im}, {state.ziByZRe, state.ziByZIm});

    ComplexStep(state, Quantity::V1ByZ)  // V1 = E·Zi / (Ze + Zi)
        .first(state.eRms * state.ziByZRe, state.eRms * state.ziByZIm)
        .second(state.zeRe + state.ziByZRe, state.zeIm + state.ziByZIm)
        .quotientInto({state.v1ByZRe, state.v1ByZIm});

    ComplexStep(state, Quantity::V2ByZNum)  // N = (E·ZL)·z21
        .first(state.eRms * state.zlRe, state.eRms * state.zlIm)
        .second(state.z21Re, state.z21Im)
        .productInto({state.v2ByZNumRe, state.v2ByZNumIm});
    ComplexStep(state, Quantity::V2ByZDen)  // M = (ZL + z22)·(Ze + Zi)
        .first(state.zlRe + state.z22Re, state.zlIm + state.z22Im)
        .second(state.zeRe + state.ziByZRe, state.zeIm + state.ziByZIm)
        .productInto({state.v2ByZDenRe, state.v2ByZDenIm});
    ComplexStep(state, Quantity::V2ByZ)
        .first(state.v2ByZNumRe, state.v2ByZNumIm)
        .second(state.v2ByZDenRe, state.v2ByZDenIm)
        .quotientInto({state.v2ByZRe, state.v2ByZIm});

    ComplexStep(state, Quantity::I2ByZ)  // I2 = −(V2 / ZL): the load carries −I2
        .first(state.v2ByZRe, state.v2ByZIm)
        .second(state.zlRe, state.zlIm)
        .quotientThen([&](CheckedDouble re, CheckedDouble im) {
            state.i2ByZRe = -re;
            state.i2ByZIm = -im;
        });

    Step(Quantity::PlByZ)
        .forms(state.plByZ, (square(state.i2ByZRe) + square(state.i2ByZIm)) * state.zlRe);

    ComplexStep(state, Quantity::I1ByZ)
        .first(state.v1ByZRe, state.v1ByZIm)
        .second(state.ziByZRe, state.ziByZIm)
        .quotientInto({state.i1ByZRe, state.i1ByZIm});

    Step(Quantity::PinByZ)  // with the input resistance of this same solution
        .forms(state.pinByZ, (square(state.i1ByZIm) + square(state.i1ByZRe)) * state.ziByZRe);

    portImpedance(state, Quantity::ZoutByZ, {state.z22Re, state.z22Im}, {state.zeRe, state.zeIm},
                  {state.z11Re, state.z11Im}, {state.zoutByZRe, state.zoutByZIm});
}

}  // namespace quadripolo
