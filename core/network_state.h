// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "field.h"

namespace quadripolo {

// The one record of every value the program computes: inputs, S in rectangular form, the work
// operands of the complex routines, z, y, the conversion intermediates, the results of both
// analyses and the slots of field checking and display. A new record is all zeros and empty
// texts; the program keeps one for its whole life, and values left by one command stay for
// the next. Phases are held in radians after the main window's reading and in
// degrees after the conversion from y to S. Each computed field's type is the quantity it holds
// (core/field.h), which names a fault met while forming it.
struct NetworkState {
    template <Quantity Q, Quantity WhenRead = Q>
    using F = Field<Q, WhenRead>;
    using enum Quantity;

    // Inputs: S parameters in polar form (formed again by the conversion from y).
    F<S11Mag> s11Mag;
    F<S11Phase> s11Phase;
    F<S12Mag> s12Mag;
    F<S12Phase> s12Phase;
    F<S21Mag> s21Mag;
    F<S21Phase> s21Phase;
    F<S22Mag> s22Mag;
    F<S22Phase> s22Phase;
    // Inputs: network. Ohms, E in RMS volts.
    TypedValue zeRe, zeIm, zlRe, zlIm, ro, eRms;

    // S parameters in rectangular form.
    F<S11> s11Re, s11Im;
    F<S12> s12Re, s12Im;
    F<S21> s21Re, s21Im;
    F<S22> s22Re, s22Im;

    // Work operands: every complex product and quotient is formed through these six.
    Work workARe, workAIm, workBRe, workBIm, workResultRe, workResultIm;

    // z parameters, ohms.
    F<Z11> z11Re, z11Im;
    F<Z12> z12Re, z12Im;
    F<Z21> z21Re, z21Im;
    F<Z22> z22Re, z22Im;
    // y parameters: siemens after convertSToZY, normalised (y·Ro) after the y fields are read.
    F<Y11, Y11Re> y11Re;
    F<Y11, Y11Im> y11Im;
    F<Y12, Y12Re> y12Re;
    F<Y12, Y12Im> y12Im;
    F<Y21, Y21Re> y21Re;
    F<Y21, Y21Im> y21Im;
    F<Y22, Y22Re> y22Re;
    F<Y22, Y22Im> y22Im;

    // Conversion intermediates. convDen is the common denominator of both conversions.
    F<ConvDen> convDenRe, convDenIm;
    F<ZDenLeft> zDenLeftRe, zDenLeftIm;  // (1 − S11)(1 − S22)
    F<S12S21> s12s21Re, s12s21Im;        // S12·S21
    F<Z11Num> z11NumRe, z11NumIm;        // S12·S21 + (1 + S11)(1 − S22)
    F<Z22Num> z22NumRe, z22NumIm;        // S12·S21 + (1 − S11)(1 + S22)
    F<S11S22> s11s22Re, s11s22Im;        // S11·S22
    F<DeltaS> deltaSRe, deltaSIm;        // ΔS = S11·S22 − S12·S21
    F<YDen> yDenRe, yDenIm;              // Dy = 1 + S11 + S22 + ΔS
    F<Y11Y22> y11y22Re, y11y22Im;        // y11·y22 of the normalised y
    F<DeltaY> deltaYRe, deltaYIm;        // y11·y22 − y12·y21 of the normalised y

    // Terminated two-port solved from S (waves normalised to Ro, RMS values).
    F<GammaL> gammaLRe, gammaLIm;                 // ΓL = (ZL − Ro) / (ZL + Ro)
    F<S21GammaL> s21GammaLRe, s21GammaLIm;        // S21·ΓL
    F<S22GammaL> s22GammaLRe, s22GammaLIm;        // S22·ΓL
    F<A2OverA1> a2OverA1Re, a2OverA1Im;           // a2 / a1
    F<S12A2OverA1> s12A2OverA1Re, s12A2OverA1Im;  // S12·a2 / a1
    F<Zi> ziRe, ziIm;                             // Zi, ohms
    F<GammaIn> gammaInRe, gammaInIm;              // Γin
    F<V1> v1Re, v1Im;                             // V1, RMS volts
    F<A1> a1Re, a1Im;                             // incident waves
    F<A2> a2Re, a2Im;
    F<B1> s11A1Re, s11A1Im, s12A2Re, s12A2Im;  // the products that b1 sums
    F<B1> b1Re, b1Im;
    F<B2> s21A1Re, s21A1Im, s22A2Re, s22A2Im;  // the products that b2 sums
    F<B2> b2Re, b2Im;
    F<V2Open> v2OpenRe, v2OpenIm;  // port-2 voltage with the output open
    F<Pl> pl;                      // watts
    F<Pin> pin;
    F<V2> v2Re, v2Im;
    F<ZoutPerZl> zoutPerZlRe, zoutPerZlIm;  // (V2open − V2) / V2
    F<Zout> zoutRe, zoutIm;
    F<I1> i1Re, i1Im;  // RMS amperes, flowing into the ports
    F<I2> i2Re, i2Im;

    // Terminated two-port solved from z.
    F<Z12Z21> z12z21Re, z12z21Im;
    F<ZiByZ> ziByZRe, ziByZIm;
    F<V1ByZ> v1ByZRe, v1ByZIm;
    F<V2ByZNum> v2ByZNumRe, v2ByZNumIm;  // E·ZL·z21
    F<V2ByZDen> v2ByZDenRe, v2ByZDenIm;  // (ZL + z22)·(Ze + Zi)
    F<V2ByZ> v2ByZRe, v2ByZIm;
    F<I2ByZ> i2ByZRe, i2ByZIm;
    F<PlByZ> plByZ;
    F<I1ByZ> i1ByZRe, i1ByZIm;
    F<PinByZ> pinByZ;
    F<ZoutByZ> zoutByZRe, zoutByZIm;

    // Display slots of showResult.
    std::int16_t separatorPosition = 0;
    std::string resultText;

    // Field checking slots.
    std::string missingValueMessage;
    std::string badValueMessage;
    std::string fieldText;
    std::int16_t inputError = 0;
};

}  // namespace quadripolo
