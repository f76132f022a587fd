// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "checked_double.h"

namespace quadripolo {

// The one record of every value the program computes: inputs, S in rectangular form, the work
// operands of the complex routines, z, y, the conversion intermediates, the results of both
// analyses and the slots of field checking and display. A new record is all zeros and empty
// texts; the program keeps one for its whole life, and values left by one command stay for
// the next. Phases are held in radians after the main window's reading and in
// degrees after the conversion from y to S.
struct NetworkState {
    // Inputs: S parameters in polar form.
    CheckedDouble s11Mag, s11Phase, s12Mag, s12Phase, s21Mag, s21Phase, s22Mag, s22Phase;
    // Inputs: network. Ohms, E in RMS volts.
    CheckedDouble zeRe, zeIm, zlRe, zlIm, ro, eRms;

    // S parameters in rectangular form.
    CheckedDouble s11Re, s11Im, s12Re, s12Im, s21Re, s21Im, s22Re, s22Im;

    // Work operands: every complex product and quotient is formed through these six.
    CheckedDouble workARe, workAIm, workBRe, workBIm, workResultRe, workResultIm;

    // z parameters, ohms.
    CheckedDouble z11Re, z11Im, z12Re, z12Im, z21Re, z21Im, z22Re, z22Im;
    // y parameters: siemens after convertSToZY, normalised (y·Ro) after the y fields are read.
    CheckedDouble y11Re, y11Im, y12Re, y12Im, y21Re, y21Im, y22Re, y22Im;

    // Conversion intermediates. convDen is the common denominator of both conversions.
    CheckedDouble convDenRe, convDenIm;
    CheckedDouble zDenLeftRe, zDenLeftIm;  // (1 − S11)(1 − S22)
    CheckedDouble s12s21Re, s12s21Im;      // S12·S21
    CheckedDouble z11NumRe, z11NumIm;      // S12·S21 + (1 + S11)(1 − S22)
    CheckedDouble z22NumRe, z22NumIm;      // S12·S21 + (1 − S11)(1 + S22)
    CheckedDouble s11s22Re, s11s22Im;      // S11·S22
    CheckedDouble deltaSRe, deltaSIm;      // ΔS = S11·S22 − S12·S21
    CheckedDouble yDenRe, yDenIm;          // Dy = 1 + S11 + S22 + ΔS
    CheckedDouble y11y22Re, y11y22Im;      // y11·y22 of the normalised y
    CheckedDouble deltaYRe, deltaYIm;      // y11·y22 − y12·y21 of the normalised y

    // Terminated two-port solved from S (waves normalised to Ro, RMS values).
    CheckedDouble gammaLRe, gammaLIm;            // ΓL = (ZL − Ro) / (ZL + Ro)
    CheckedDouble s21GammaLRe, s21GammaLIm;      // S21·ΓL
    CheckedDouble s22GammaLRe, s22GammaLIm;      // S22·ΓL
    CheckedDouble a2OverA1Re, a2OverA1Im;        // a2 / a1
    CheckedDouble s12A2OverA1Re, s12A2OverA1Im;  // S12·a2 / a1
    CheckedDouble ziRe, ziIm;                    // Zi, ohms
    CheckedDouble gammaInRe, gammaInIm;          // Γin
    CheckedDouble v1Re, v1Im;                    // V1, RMS volts
    CheckedDouble a1Re, a1Im, a2Re, a2Im;        // incident waves
    CheckedDouble s11A1Re, s11A1Im, s12A2Re, s12A2Im;
    CheckedDouble b1Re, b1Im;
    CheckedDouble s21A1Re, s21A1Im, s22A2Re, s22A2Im;
    CheckedDouble b2Re, b2Im;
    CheckedDouble v2OpenRe, v2OpenIm;  // port-2 voltage with the output open
    CheckedDouble pl, pin;             // watts
    CheckedDouble v2Re, v2Im;
    CheckedDouble zoutPerZlRe, zoutPerZlIm;  // (V2open − V2) / V2
    CheckedDouble zoutRe, zoutIm;
    CheckedDouble i1Re, i1Im, i2Re, i2Im;  // RMS amperes, flowing into the ports

    // Terminated two-port solved from z.
    CheckedDouble z12z21Re, z12z21Im;
    CheckedDouble ziByZRe, ziByZIm;
    CheckedDouble v1ByZRe, v1ByZIm;
    CheckedDouble v2ByZNumRe, v2ByZNumIm;  // E·ZL·z21
    CheckedDouble v2ByZDenRe, v2ByZDenIm;  // (ZL + z22)·(Ze + Zi)
    CheckedDouble v2ByZRe, v2ByZIm;
    CheckedDouble i2ByZRe, i2ByZIm;
    CheckedDouble plByZ;
    CheckedDouble i1ByZRe, i1ByZIm;
    CheckedDouble pinByZ;
    CheckedDouble zoutByZRe, zoutByZIm;

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
