// SPDX-License-Identifier: MIT
// The analysis with z parameters lives in core, not in analyses: it is a stage of convertSToZY,
// which runs it between z and y on every call, for either of its two commands.
#include "complex_arithmetic.h"
#include "s_to_zy.h"

namespace quadripolo {

namespace {

// The impedance seen at one port with `load` on the other: z − z12·z21 / (load + zOther), so
// Zi = z11 − Q with Q = z12·z21 / (ZL + z22), and Zout = z22 − U with U = z12·z21 / (Ze + z11).
struct PortImpedance {
    Quantity quantity;
    ComplexField z;
    ComplexField load;
    ComplexField zOther;
    ComplexField result;
};

void portImpedance(NetworkState& state, const PortImpedance& port) {
    ComplexStep(state, port.quantity)
        .first(state.z12z21Re, state.z12z21Im)
        .second(port.load.re + port.zOther.re, port.load.im + port.zOther.im)
        .quotient();
    port.result.re = port.z.re - state.workResultRe;
    port.result.im = port.z.im - state.workResultIm;
}

}  // namespace

// The quotients Q, R and U have no fields of their own; a fault in one is named by the quantity
// it leads to.
void solveByZ(NetworkState& state) {
    ComplexStep(state, Quantity::Z12Z21)
        .first(state.z12Re, state.z12Im)
        .second(state.z21Re, state.z21Im)
        .productInto({state.z12z21Re, state.z12z21Im});

    portImpedance(state, {.quantity = Quantity::ZiByZ,
                          .z = {state.z11Re, state.z11Im},
                          .load = {state.zlRe, state.zlIm},
                          .zOther = {state.z22Re, state.z22Im},
                          .result = {state.ziByZRe, state.ziByZIm}});

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
        .quotient();
    state.i2ByZRe = -state.workResultRe;
    state.i2ByZIm = -state.workResultIm;

    forming(Quantity::PlByZ);
    state.plByZ = (square(state.i2ByZRe) + square(state.i2ByZIm)) * state.zlRe;

    ComplexStep(state, Quantity::I1ByZ)
        .first(state.v1ByZRe, state.v1ByZIm)
        .second(state.ziByZRe, state.ziByZIm)
        .quotientInto({state.i1ByZRe, state.i1ByZIm});

    forming(Quantity::PinByZ);  // with the input resistance of this same solution
    state.pinByZ = (square(state.i1ByZIm) + square(state.i1ByZRe)) * state.ziByZRe;

    portImpedance(state, {.quantity = Quantity::ZoutByZ,
                          .z = {state.z22Re, state.z22Im},
                          .load = {state.zeRe, state.zeIm},
                          .zOther = {state.z11Re, state.z11Im},
                          .result = {state.zoutByZRe, state.zoutByZIm}});
}

}  // namespace quadripolo
